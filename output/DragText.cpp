#include "output/DragText.h"

#include "platform/TextCodec.h"

#include <QStringList>

namespace quillet {
namespace {

constexpr QLatin1String kCodePageText("text/plain;charset=windows-31j");
constexpr QLatin1String kUtf8Text("text/plain;charset=utf-8");
constexpr QLatin1String kPlainText("text/plain");

// The name the data uses for `format`: senders differ in the case of the charset.
std::optional<QString> Offered(const QMimeData& data, QLatin1String format) {
    for (const QString& offered : data.formats()) {
        if (offered.compare(format, Qt::CaseInsensitive) == 0) {
            return offered;
        }
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<QMimeData> MakeDragData(std::string_view bytes) {
    auto data = std::make_unique<QMimeData>();
    const QString text = FromCp932(bytes);
    // Plain text/plain as well: the X11 bridge offers it to older programs as UTF8_STRING.
    data->setText(text);
    data->setData(QString(kUtf8Text), text.toUtf8());
    data->setData(QString(kCodePageText),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return data;
}

bool OffersPlainText(const QMimeData& data) {
    return Offered(data, kCodePageText) || Offered(data, kUtf8Text) || Offered(data, kPlainText);
}

std::optional<std::string> DroppedText(const QMimeData& data) {
    if (const std::optional<QString> format = Offered(data, kCodePageText)) {
        QByteArray bytes = data.data(*format);
        // Programs that copy C strings send the terminating zero along.
        while (bytes.endsWith('\0')) {
            bytes.chop(1);
        }
        return bytes.toStdString();
    }
    for (const QLatin1String candidate : {kUtf8Text, kPlainText}) {
        if (const std::optional<QString> format = Offered(data, candidate)) {
            return ToCp932(QString::fromUtf8(data.data(*format)));
        }
    }
    return std::nullopt;
}

} // namespace quillet
