#include "resources/StringTable.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

struct TipCase {
    int id;
    std::string tip;
};

class CommandTipTest : public testing::TestWithParam<TipCase> {};

TEST_P(CommandTipTest, IsTheTextAfterTheFirstLineBreak) {
    const auto& [id, tip] = GetParam();
    EXPECT_EQ(CommandTip(id), tip);
    EXPECT_EQ(LoadString(id), "\n" + tip);
}

INSTANTIATE_TEST_SUITE_P(
    StringTable, CommandTipTest,
    testing::Values(TipCase{102, "作成したタグをクリップボードにコピーします(Enter)"},
                    TipCase{104, "作成したタグに名前を付けて保存します(Enter)"},
                    TipCase{106, "常に手前に表示"}, TipCase{32783, "その他"},
                    TipCase{57676, "取り消し線"}, TipCase{57683, "下付き"},
                    TipCase{57688, "記号に登録"}),
    [](const auto& info) { return "Command" + std::to_string(info.param.id); });

TEST(StringTable, EveryToolBarCommandHasATip) {
    for (const int id :
         {102,   103,   104,   106,   32783, 57670, 57672, 57673, 57674, 57675, 57676,
          57677, 57678, 57679, 57682, 57683, 57684, 57685, 57686, 57687, 57688}) {
        EXPECT_FALSE(CommandTip(id).empty()) << id;
        EXPECT_EQ(LoadString(id).front(), '\n') << id;
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
