#include "core/Gradation.h"

#include "core/HexColor.h"
#include "platform/CodePage932.h"

#include <cstring>
#include <memory>

namespace quillet {
namespace {

constexpr std::string_view kOpen = "<Font Color=";
constexpr std::string_view kClose = "</Font>";

char* Put(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// One colour channel: where it starts and how much it moves per character. The step is
// truncated toward zero, as C++ integer division does.
struct Channel {
    long long Start;
    long long Step;
};

Channel MakeChannel(unsigned start, unsigned end, long long divisor) {
    const long long from = start;
    return {from, (static_cast<long long>(end) - from) / divisor};
}

} // namespace

void AppendGradation(std::string& out, std::string_view text, Rgb start, Rgb end,
                     std::string_view quote) {
    const std::size_t count = cp932::CharCount(text);
    if (count < 2) {
        return; // A single character is not coloured: it is dropped.
    }

    const std::size_t pieceOverhead = kOpen.size() + 2 * quote.size() + 6 + 1 + kClose.size();
    const std::size_t pieceMost = pieceOverhead + 2;
    out.reserve(out.size() + count * pieceOverhead + text.size());

    // Pieces are written into a small buffer that stays in the cache and appended in blocks:
    // resizing the output first would fill it with zeros only to overwrite them, a second
    // pass over memory that costs as much as the writing for long texts.
    char local[16 * 1024];
    std::unique_ptr<char[]> large; // only for a quote too long for the local buffer
    char* stage = local;
    std::size_t stageSize = sizeof local;
    if (pieceMost > stageSize) {
        large.reset(new char[pieceMost]);
        stage = large.get();
        stageSize = pieceMost;
    }
    char* const stageLast = stage + (stageSize - pieceMost);
    char* at = stage;

    // Stepped values stay between the two ends, so they are always within 0 to 255.
    const auto divisor = static_cast<long long>(count - 1);
    const Channel red = MakeChannel(RedOf(start), RedOf(end), divisor);
    const Channel green = MakeChannel(GreenOf(start), GreenOf(end), divisor);
    const Channel blue = MakeChannel(BlueOf(start), BlueOf(end), divisor);

    long long r = red.Start;
    long long g = green.Start;
    long long b = blue.Start;
    std::size_t pos = 0;
    for (std::size_t index = 0; index < count; ++index) {
        if (at > stageLast) {
            out.append(stage, at);
            at = stage;
        }
        const bool last = index + 1 == count;
        const std::size_t length = cp932::CharLength(text, pos);
        at = Put(at, kOpen);
        at = Put(at, quote);
        // The last character takes the end colour exactly, not the stepped one.
        if (last) {
            WriteHexColor(at, RedOf(end), GreenOf(end), BlueOf(end));
        } else {
            WriteHexColor(at, static_cast<unsigned>(r), static_cast<unsigned>(g),
                          static_cast<unsigned>(b));
        }
        at += 6;
        at = Put(at, quote);
        *at++ = '>';
        at = Put(at, text.substr(pos, length));
        at = Put(at, kClose);
        pos += length;
        r += red.Step;
        g += green.Step;
        b += blue.Step;
    }
    out.append(stage, at);
}

} // namespace quillet
