#include "platform/InternetShortcut.h"

#include "platform/CodePage932.h"
#include "platform/ProfileFile.h"
#include "platform/Utf8Address.h"

#include <algorithm>

namespace quillet {
namespace {

// None of these bytes is ever the trail byte of a double-byte character.
std::string PercentEncodeAttributeBreakers(const std::string& url) {
    std::string encoded;
    encoded.reserve(url.size());
    for (const char c : url) {
        switch (c) {
        case '"':
            encoded += "%22";
            break;
        case '<':
            encoded += "%3C";
            break;
        case '>':
            encoded += "%3E";
            break;
        default:
            encoded += c;
        }
    }
    return encoded;
}

// Shortcuts come from every system: with a byte order mark, or in well-formed UTF-8 with
// characters beyond ASCII, the file is UTF-8; anything else is taken as code page 932,
// which such UTF-8 almost never is by chance.
std::string ShortcutText(std::string bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (marked) {
        bytes.erase(0, kByteOrderMark.size());
    }
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (marked || (beyondAscii && IsUtf8(bytes))) {
        return AddressFromUtf8(bytes);
    }
    return bytes;
}

} // namespace

std::string ReadInternetShortcutUrl(const std::filesystem::path& path) {
    std::string url = ProfileDocument(ShortcutText(ReadProfile(path).Bytes()))
                          .String("InternetShortcut", "URL", "");
    if (url.size() > kMaxShortcutUrlBytes) {
        std::size_t end = 0;
        while (end + cp932::CharLength(url, end) <= kMaxShortcutUrlBytes) {
            end += cp932::CharLength(url, end);
        }
        url.resize(end);
    }
    return PercentEncodeAttributeBreakers(url);
}

} // namespace quillet
