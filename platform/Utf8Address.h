#pragma once

#include <string>
#include <string_view>

// Text written by programs that speak UTF-8, such as Internet shortcuts saved on Linux or
// macOS, brought into the program's code page 932.
namespace quillet {

// Whether `bytes` is well-formed UTF-8: no overlong forms, surrogates or code points
// beyond U+10FFFF.
bool IsUtf8(std::string_view bytes);

// Code page 932 bytes for UTF-8 text that serves as an address. A character the code
// page cannot hold, and any byte that is not part of a character, becomes its UTF-8
// bytes percent-encoded, as browsers send such an address.
std::string AddressFromUtf8(std::string_view utf8);

} // namespace quillet
