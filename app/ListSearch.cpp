#include "app/ListSearch.h"

#include "platform/CodePage932.h"

#include <algorithm>

namespace quillet {
namespace {

bool BeginsWithNoCase(std::string_view entry, std::string_view prefix) {
    std::size_t pos = 0;
    while (pos < entry.size() && pos < prefix.size()) {
        pos += cp932::CharLength(entry, pos);
    }
    // A prefix that ends inside a double-byte character of the entry is no prefix.
    return pos == prefix.size() && cp932::CompareNoCase(entry.substr(0, pos), prefix) == 0;
}

} // namespace

int FindFirstWithPrefix(std::span<const std::string> entries, std::string_view prefix) {
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (BeginsWithNoCase(entries[index], prefix)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

std::vector<std::string> BuildFaceList(std::vector<std::string> families) {
    std::erase_if(families, [](const std::string& name) { return name.empty() || name[0] == '@'; });
    std::sort(families.begin(), families.end(), [](const std::string& a, const std::string& b) {
        const int order = cp932::CompareNoCase(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    families.erase(std::unique(families.begin(), families.end()), families.end());
    families.insert(families.begin(), "標準フォント");
    return families;
}

} // namespace quillet
