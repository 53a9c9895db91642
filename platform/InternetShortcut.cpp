#include "platform/InternetShortcut.h"

#include "platform/CodePage932.h"
#include "platform/ProfileFile.h"

namespace quillet {

std::string ReadInternetShortcutUrl(const std::filesystem::path& path) {
    std::string url = ReadProfileString(path, "InternetShortcut", "URL", "");
    if (url.size() > kMaxShortcutUrlBytes) {
        std::size_t end = 0;
        while (end + cp932::CharLength(url, end) <= kMaxShortcutUrlBytes) {
            end += cp932::CharLength(url, end);
        }
        url.resize(end);
    }
    return url;
}

} // namespace quillet
