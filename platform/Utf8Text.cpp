#include "platform/Utf8Text.h"

#include "platform/CodePage932.h"

namespace quillet {
namespace {

bool IsTextCharacter(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    const bool nonCharacter = (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
    return !control && !surrogate && !nonCharacter && c <= 0x10FFFF;
}

bool CodePageHolds(char32_t c) {
    if (c > 0xFFFF) {
        return false;
    }
    const std::string encoded = cp932::FromUtf16(std::u16string(1, static_cast<char16_t>(c)));
    return encoded.rfind("&#", 0) != 0;
}

// The decimal reference at `pos` of `text` that is to become its character: its length,
// and the character in `c`; 0 when it stays as written.
std::size_t ResolvableReference(std::u16string_view text, std::size_t pos, char32_t& c) {
    if (text.substr(pos, 2) != u"&#") {
        return 0;
    }
    std::size_t at = pos + 2;
    char32_t value = 0;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9' && at - pos < 10) {
        value = value * 10 + (text[at] - u'0');
        ++at;
    }
    if (at == pos + 2 || at >= text.size() || text[at] != u';') {
        return 0;
    }
    if (!IsTextCharacter(value) || CodePageHolds(value)) {
        return 0;
    }
    c = value;
    return at + 1 - pos;
}

} // namespace

void AppendUtf8(std::string& out, char32_t c) {
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(WriteUtf8(bytes, c) - bytes));
}

std::string Utf8WithCharacters(std::string_view cp932) {
    const std::u16string text = cp932::ToUtf16(cp932);
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        if (const std::size_t length = ResolvableReference(text, pos, c); length != 0) {
            AppendUtf8(out, c);
            pos += length;
            continue;
        }
        c = text[pos];
        if (c >= 0xD800 && c <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
            text[pos + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[pos + 1] - 0xDC00);
            ++pos;
        }
        AppendUtf8(out, c);
        ++pos;
    }
    return out;
}

bool IsValidUtf8(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto first = static_cast<unsigned char>(utf8[pos]);
        std::size_t length = 0;
        char32_t c = 0;
        if (first < 0x80) {
            length = 1;
            c = first;
        } else if (first >= 0xC2 && first < 0xE0) {
            length = 2;
            c = first & 0x1F;
        } else if (first >= 0xE0 && first < 0xF0) {
            length = 3;
            c = first & 0x0F;
        } else if (first >= 0xF0 && first < 0xF5) {
            length = 4;
            c = first & 0x07;
        } else {
            return false;
        }
        if (pos + length > utf8.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(utf8[pos + i]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        pos += length;
    }
    return true;
}

} // namespace quillet
