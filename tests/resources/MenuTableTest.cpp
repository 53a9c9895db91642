#include "resources/MenuTable.h"
#include "core/CommandIds.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "tests/resources/ShippedLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace quillet {
namespace {

TEST(MenuTable, ActionMenuOffersKnownCommandsOnceAroundOneSeparator) {
    const auto menu = LoadMenu(resource::ActionMenu);
    ASSERT_GE(menu.size(), 3U);
    EXPECT_NE(menu.front().commandId, 0);
    EXPECT_NE(menu.back().commandId, 0);
    std::set<int> commands;
    std::set<char> mnemonics;
    int separators = 0;
    for (const MenuEntry& entry : menu) {
        if (entry.commandId == 0) {
            ++separators;
            EXPECT_TRUE(entry.text.empty());
            continue;
        }
        EXPECT_TRUE(commands.insert(entry.commandId).second) << entry.commandId;
        // A command the program knows has a tip for its tool bar button.
        EXPECT_FALSE(CommandTip(entry.commandId).empty()) << entry.commandId;
        // One mnemonic each, written "(&X)", and no two alike.
        const auto mark = entry.text.find("(&");
        ASSERT_NE(mark, std::string_view::npos) << entry.commandId;
        EXPECT_EQ(entry.text.find('&', mark + 2), std::string_view::npos) << entry.commandId;
        EXPECT_EQ(entry.text.substr(mark + 3, 1), ")") << entry.commandId;
        EXPECT_TRUE(mnemonics.insert(entry.text[mark + 2]).second) << entry.commandId;
    }
    EXPECT_EQ(separators, 1);
}

// The split button's menu offers what the output tool bar does, in the same order, with the
// actions Enter may run before the separator.
TEST(MenuTable, ActionMenuFollowsTheOutputToolBar) {
    std::vector<int> commands;
    std::vector<int> beforeSeparator;
    for (const MenuEntry& entry : LoadMenu(resource::ActionMenu)) {
        if (entry.commandId != 0) {
            commands.push_back(entry.commandId);
        } else if (beforeSeparator.empty()) {
            beforeSeparator = commands;
        }
    }
    EXPECT_EQ(commands, test::ToolBarCommands(resource::OutputToolBar));
    EXPECT_EQ(beforeSeparator,
              (std::vector<int>{CommandId::Copy, CommandId::Drag, CommandId::Save}));
}

TEST(MenuTable, UnknownMenuIsEmpty) {
    EXPECT_TRUE(LoadMenu(0).empty());
    EXPECT_TRUE(LoadMenu(140).empty());
}

} // namespace
} // namespace quillet
