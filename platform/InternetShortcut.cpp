#include "platform/InternetShortcut.h"

#include "platform/CodePage932.h"
#include "platform/ProfileFile.h"

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

} // namespace

std::string ReadInternetShortcutUrl(const std::filesystem::path& path) {
    std::string url = ReadProfileString(path, "InternetShortcut", "URL", "");
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
