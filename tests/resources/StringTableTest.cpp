#include "resources/StringTable.h"
#include "core/CommandIds.h"
#include "resources/MenuTable.h"
#include "resources/ResourceIds.h"
#include "tests/resources/ShippedLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quillet {
namespace {

using test::ToolBarCommands;

std::vector<int> OfferedCommands() {
    std::vector<int> commands;
    for (int bar : {resource::OutputToolBar, resource::WindowToolBar, resource::StyleToolBar,
                    resource::ColorToolBar}) {
        const std::vector<int> own = ToolBarCommands(bar);
        EXPECT_FALSE(own.empty()) << bar;
        commands.insert(commands.end(), own.begin(), own.end());
    }
    for (const MenuEntry& entry : LoadMenu(resource::ActionMenu)) {
        if (entry.commandId != 0) {
            commands.push_back(entry.commandId);
        }
    }
    return commands;
}

// Every id the table holds, found by asking for each one a command can have.
std::vector<int> TableIds() {
    std::vector<int> ids;
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (!LoadString(id).empty()) {
            ids.push_back(id);
        }
    }
    return ids;
}

bool Contains(const std::vector<int>& ids, int id) {
    return std::ranges::find(ids, id) != ids.end();
}

TEST(StringTable, EveryButtonOfEveryToolBarHasATip) {
    for (int command : OfferedCommands()) {
        EXPECT_FALSE(CommandTip(command).empty()) << command;
    }
}

TEST(StringTable, EveryEntryIsOnlyTheTipOfACommandOnOffer) {
    const std::vector<int> offered = OfferedCommands();
    const std::vector<int> ids = TableIds();
    EXPECT_FALSE(ids.empty());
    for (int id : ids) {
        EXPECT_TRUE(Contains(offered, id)) << id;
        EXPECT_EQ(LoadString(id), "\n" + std::string(CommandTip(id))) << id;
    }
}

TEST(StringTable, TheTipOfAMenuCommandNamesItsMenuText) {
    for (const MenuEntry& entry : LoadMenu(resource::ActionMenu)) {
        if (entry.commandId != 0) {
            const std::string_view name = entry.text.substr(0, entry.text.find("(&"));
            EXPECT_NE(CommandTip(entry.commandId).find(name), std::string_view::npos)
                << entry.commandId;
        }
    }
}

// Enter runs the default action, which is one of these three.
TEST(StringTable, OnlyTheOutputActionsTipsEndWithTheirKey) {
    for (int id : TableIds()) {
        const bool output = id == CommandId::Copy || id == CommandId::Drag || id == CommandId::Save;
        EXPECT_EQ(CommandTip(id).ends_with("(Enter)"), output) << id;
    }
}

TEST(StringTable, UnknownIdGivesEmptyStringAndTip) {
    EXPECT_TRUE(LoadString(0).empty());
    EXPECT_TRUE(LoadString(105).empty());
    EXPECT_TRUE(CommandTip(65535).empty());
}

TEST(StringTable, TipIsOnlyTheSecondPart) {
    EXPECT_EQ(TipText("prompt\ntip\nmore"), "tip");
    EXPECT_EQ(TipText("\ntip"), "tip");
    EXPECT_EQ(TipText("no break"), "");
    EXPECT_EQ(TipText("ends with a break\n"), "");
    EXPECT_EQ(TipText(""), "");
}

} // namespace
} // namespace quillet
