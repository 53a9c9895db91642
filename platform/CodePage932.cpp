#include "platform/CodePage932.h"

namespace quillet::cp932 {
namespace {

// The character at `pos` as one code: a byte, or lead << 8 | trail.
unsigned CharCode(std::string_view text, std::size_t pos, std::size_t length) {
    const auto first = static_cast<unsigned char>(text[pos]);
    if (length == 1) {
        return first;
    }
    return (first << 8) | static_cast<unsigned char>(text[pos + 1]);
}

unsigned FoldCase(unsigned code) {
    if (code >= 'A' && code <= 'Z') {
        return code + ('a' - 'A');
    }
    if (code >= 0x8260 && code <= 0x8279) { // full-width A to Z
        return code + (0x8281 - 0x8260);
    }
    return code;
}

} // namespace

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
        ++count;
    }
    return count;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t lengthA = CharLength(a, i);
        const std::size_t lengthB = CharLength(b, j);
        const unsigned codeA = FoldCase(CharCode(a, i, lengthA));
        const unsigned codeB = FoldCase(CharCode(b, j, lengthB));
        if (codeA != codeB) {
            return codeA < codeB ? -1 : 1;
        }
        i += lengthA;
        j += lengthB;
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    std::size_t end = 0;
    while (end < text.size() && end < prefix.size()) {
        end += CharLength(text, end);
    }
    return end == prefix.size() && CompareNoCase(text.substr(0, end), prefix) == 0;
}

void AppendSortKey(std::string& key, std::string_view text) {
    // Two bytes a character at most; written in place rather than appended byte by byte.
    const std::size_t start = key.size();
    key.resize(start + 2 * text.size());
    char* out = key.data() + start;
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = in + text.size();
    while (in < end) {
        unsigned code = *in++;
        if (IsLeadByte(static_cast<unsigned char>(code)) && in < end) {
            code = (code << 8) | *in++;
        }
        code = FoldCase(code);
        *out++ = static_cast<char>(code >> 8);
        *out++ = static_cast<char>(code & 0xFF);
    }
    key.resize(static_cast<std::size_t>(out - key.data()));
}

} // namespace quillet::cp932
