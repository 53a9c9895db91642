#include "resources/MenuTable.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillet {
namespace {

TEST(MenuTable, ActionMenuListsOutputAndSymbolCommandsAroundASeparator) {
    const auto menu = LoadMenu(resource::ActionMenu);
    std::vector<int> ids;
    for (const MenuEntry& entry : menu) {
        ids.push_back(entry.commandId);
    }
    EXPECT_EQ(ids, (std::vector<int>{102, 103, 104, 0, 57688, 57687}));
    EXPECT_EQ(menu[1].text, "ドラッグ(&D)");
    EXPECT_EQ(menu[2].text, "名前を付けて保存(&S)...");
}

TEST(MenuTable, UnknownMenuIsEmpty) {
    EXPECT_TRUE(LoadMenu(0).empty());
    EXPECT_TRUE(LoadMenu(140).empty());
}

} // namespace
} // namespace quillet
