#include "source/SoftWrap.h"

#include <algorithm>

namespace quillet {
namespace {

bool EndsLine(char16_t unit) {
    return unit == u'\n' || unit == u'\r' || unit == u'\u2029';
}

bool IsSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\u3000';
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::vector<std::size_t> SoftLineStarts(std::u16string_view text, std::span<const float> advances,
                                        float width) {
    std::vector<std::size_t> starts;
    std::size_t lineStart = 0;
    std::size_t afterSpace = 0; // where the line may break, when past lineStart
    float x = 0;
    float xAfterSpace = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (EndsLine(unit)) {
            lineStart = afterSpace = i + 1;
            x = xAfterSpace = 0;
            continue;
        }
        // A surrogate pair goes to one line whole.
        const bool pair =
            IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
        const float advance = pair ? advances[i] + advances[i + 1] : advances[i];
        // A run after the last space that is itself too long breaks once more, anywhere.
        while (x + advance > width && i > lineStart) {
            if (afterSpace > lineStart) {
                lineStart = afterSpace;
                x -= xAfterSpace;
            } else {
                lineStart = i;
                x = 0;
            }
            starts.push_back(lineStart);
            afterSpace = lineStart;
            xAfterSpace = 0;
        }
        x += advance;
        if (pair) {
            ++i;
        } else if (IsSpace(unit)) {
            afterSpace = i + 1;
            xAfterSpace = x;
        }
    }
    return starts;
}

std::size_t UnwrappedPosition(const std::vector<std::size_t>& breaks, std::size_t displayed) {
    const auto before = std::lower_bound(breaks.begin(), breaks.end(), displayed) - breaks.begin();
    return displayed - static_cast<std::size_t>(before);
}

} // namespace quillet
