// Dropped text: whatever another program offers, the text taken from it maps between the
// edit's UTF-16 units and its code page bytes, code page bytes arrive unchanged, and a move
// within the text keeps every byte.
// Input: the formats offered, their data, then the edit's text, selection and drop point.
#include "controls/DragRules.h"
#include "controls/EncodedText.h"
#include "fuzz/FuzzInput.h"
#include "platform/CodePage932.h"
#include "platform/TextMimeData.h"

#include <QMimeData>

#include <algorithm>

using quillet::fuzz::FuzzInput;
using quillet::fuzz::Require;

namespace {

// Senders spell the charset in any case.
QString Spelling(std::string_view format, std::uint8_t casing) {
    QString name = QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size()));
    return casing % 2 == 0 ? name : name.toUpper();
}

void Offer(QMimeData& mime, const QString& format, const std::string& bytes) {
    mime.setData(format, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

int Index(FuzzInput& input, int size) {
    const int high = input.Byte();
    return (high << 8 | input.Byte()) % (size + 1);
}

// The edit holds the dropped text as UTF-16 and keeps its code page bytes beside it.
std::string RequireMapsBothWays(const QString& dropped) {
    const std::u16string units(reinterpret_cast<const char16_t*>(dropped.utf16()),
                               static_cast<std::size_t>(dropped.size()));
    const quillet::EncodedText encoded(units);
    const std::string& bytes = encoded.Bytes();
    Require(quillet::cp932::FromUtf16(quillet::cp932::ToUtf16(bytes)) == bytes,
            "the edit's bytes decode and encode alike");
    int previous = 0;
    for (int unit = 0; unit <= static_cast<int>(units.size()); ++unit) {
        const int byte = encoded.ByteFromUnit(unit);
        Require(byte >= previous && byte <= static_cast<int>(bytes.size()),
                "positions map in order");
        Require(encoded.UnitFromByte(byte) <= unit, "a byte position maps back at or before");
        previous = byte;
    }
    return bytes;
}

void RequireMoveKeepsBytes(std::string_view text, FuzzInput& input) {
    // A selection lies within the text and runs forwards, as the edit reports it; the drop
    // point is anywhere.
    const int size = static_cast<int>(text.size());
    const quillet::LineCol anchor = quillet::LineColFromIndex(text, Index(input, size));
    const quillet::LineCol caret = quillet::LineColFromIndex(text, Index(input, size));
    const quillet::Selection selection{std::min(anchor, caret), std::max(anchor, caret)};
    const quillet::LineCol drop{input.Byte() % 4, input.Byte()};
    if (const auto move = quillet::PlanSelfMove(text, selection, drop)) {
        const std::string shown =
            std::to_string(size) + " bytes, selection " + std::to_string(selection.start.line) +
            ":" + std::to_string(selection.start.column) + " to " +
            std::to_string(selection.end.line) + ":" + std::to_string(selection.end.column) +
            ", drop " + std::to_string(drop.line) + ":" + std::to_string(drop.column);
        for (const quillet::ByteRange& range : {move->replaced, move->first, move->second}) {
            Require(0 <= range.start && range.start <= range.end && range.end <= size,
                    "ranges lie within the text", shown);
        }
        Require(move->first.end - move->first.start + move->second.end - move->second.start ==
                    move->replaced.end - move->replaced.start,
                "the moved text takes the place of the replaced text");
        Require(move->replaced.start <= move->movedStart && move->movedStart <= move->replaced.end,
                "the moved text starts within the replacement");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t offered = input.Byte();
    QMimeData mime;
    std::string cp932;
    if (offered & 1) {
        cp932 = input.Text();
        Offer(mime, Spelling(quillet::kCp932TextMime, offered >> 3), cp932);
    }
    if (offered & 2) {
        Offer(mime, Spelling(quillet::kUtf8TextMime, offered >> 4), input.Text());
    }
    if (offered & 4) {
        Offer(mime, QStringLiteral("text/plain"), input.Text());
    }
    const std::optional<QString> dropped = quillet::DroppedText(mime);
    Require(dropped.has_value() == ((offered & 7) != 0), "plain text whenever some is offered");
    Require(quillet::OffersPlainText(mime) == dropped.has_value(), "offers what it gives");
    if (dropped) {
        const std::string bytes = RequireMapsBothWays(*dropped);
        if (offered & 1) {
            // Programs that copy C strings send the terminating zero along.
            cp932.erase(cp932.find_last_not_of('\0') + 1);
            Require(bytes == cp932, "code page bytes arrive unchanged");
        }
        RequireMoveKeepsBytes(bytes, input);
    }
    return 0;
}
