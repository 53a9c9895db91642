#pragma once

#include <string>
#include <string_view>

namespace quillet {

// Code page 932 text as UTF-8, the way HTML5 style hands it on. A numeric character
// reference to a character the code page cannot hold, which is how such a character is
// kept while typed text is code page bytes, becomes the character itself; references to
// characters the code page holds, to controls and to non-characters stay references. A
// byte that is no character keeps its private-use code point, so nothing is lost.
std::string Utf8WithCharacters(std::string_view cp932);

// Appends one character, encoded in UTF-8.
void AppendUtf8(std::string& out, char32_t c);
// Writes one character's UTF-8 bytes (up to four) at `at`; returns where they end. Inline:
// the preview converts a whole fragment with it on every keystroke.
inline char* WriteUtf8(char* at, char32_t c) {
    if (c < 0x80) {
        *at++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *at++ = static_cast<char>(0xC0 | (c >> 6));
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *at++ = static_cast<char>(0xE0 | (c >> 12));
        *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *at++ = static_cast<char>(0xF0 | (c >> 18));
        *at++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return at;
}

// Whether `utf8` is well-formed UTF-8.
bool IsValidUtf8(std::string_view utf8);

} // namespace quillet
