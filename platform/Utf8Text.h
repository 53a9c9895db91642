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

// Whether `utf8` is well-formed UTF-8.
bool IsValidUtf8(std::string_view utf8);

} // namespace quillet
