#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Every text the program holds is a byte string of code page 932 (Windows-31J).
// These functions step through such strings, compare them the way the symbol list
// sorts, and convert them losslessly to and from UTF-16 for the windows.
namespace quillet::cp932 {

constexpr bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes taken by the character starting at `pos`: 2 for a lead byte with a byte after
// it, otherwise 1. A lead byte at the very end of the text stands alone.
inline std::size_t CharLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Number of characters, a double-byte character counting as one.
std::size_t CharCount(std::string_view text);

// Case-insensitive comparison by character codes: negative, zero or positive. ASCII and
// full-width Latin letters fold to lower case; a double-byte character compares as its
// 16-bit code, so every single-byte character sorts before every double-byte one.
int CompareNoCase(std::string_view a, std::string_view b);

// Whether `text` begins with `prefix`, compared like CompareNoCase. A prefix that ends
// inside a double-byte character of the text is no prefix.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Appends a key whose plain byte order is CompareNoCase's order: each character as its
// folded code in two bytes, high byte first. Sorting many texts by their keys compares
// bytes instead of stepping through characters again at every comparison.
void AppendSortKey(std::string& key, std::string_view text);

// Decodes without loss: a byte that is not part of a character (FF, a lone lead byte,
// a lead byte with a bad trail byte) becomes the private-use code point
// kRawByteBase + byte, which FromUtf16 turns back into the same byte. The second code of a
// character that the code page holds twice is kept as two such bytes, since encoding the
// character would give its first code.
std::u16string ToUtf16(std::string_view bytes);

// Encodes for storage. A character the code page cannot hold becomes the HTML numeric
// character reference "&#NNNN;" so that the fragment still renders it (a lone surrogate
// becomes the replacement character's).
std::string FromUtf16(std::u16string_view text);

// The code of one character, one or two bytes as a number; 0 when the code page cannot
// hold it.
std::uint16_t CodeOf(char32_t character);

inline constexpr char16_t kRawByteBase = 0xF700;

} // namespace quillet::cp932
