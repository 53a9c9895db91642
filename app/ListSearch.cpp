#include "app/ListSearch.h"

#include "platform/CodePage932.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quillet {
namespace {

constexpr std::array<std::string_view, 3> kGenericAliases{"Sans Serif", "Serif", "Monospace"};

// "Family [Foundry]" becomes "Family".
void DropFoundry(std::string& family) {
    const std::size_t open = family.rfind(" [");
    if (open != std::string::npos && open > 0 && family.back() == ']') {
        family.resize(open);
    }
}

} // namespace

int FindFirstWithPrefix(std::span<const std::string> entries, std::string_view prefix) {
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (cp932::StartsWithNoCase(entries[index], prefix)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

std::vector<std::string> BuildFaceList(std::vector<std::string> families) {
    for (std::string& family : families) {
        DropFoundry(family);
    }
    std::erase_if(families, [](const std::string& name) {
        return name.empty() || name[0] == '@' ||
               std::find(kGenericAliases.begin(), kGenericAliases.end(), name) !=
                   kGenericAliases.end();
    });
    std::sort(families.begin(), families.end(), [](const std::string& a, const std::string& b) {
        const int order = cp932::CompareNoCase(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    families.erase(std::unique(families.begin(), families.end()), families.end());
    families.insert(families.begin(), "標準フォント");
    return families;
}

} // namespace quillet
