#pragma once

#include "resources/ToolBarLayout.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quillet::test {

// The layout record a tool bar is shipped with, empty when it cannot be read.
inline std::string ShippedLayout(int id) {
    std::ifstream in(std::string(QUILLET_IMAGES_DIR) + "/toolbar-" + std::to_string(id) + ".layout",
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The commands of a shipped tool bar in order, separators left out.
inline std::vector<int> ToolBarCommands(int id) {
    std::vector<int> commands;
    if (const auto layout = ParseToolBarLayout(ShippedLayout(id))) {
        std::ranges::copy_if(layout.Value().itemIds, std::back_inserter(commands),
                             [](int item) { return item != 0; });
    }
    return commands;
}

} // namespace quillet::test
