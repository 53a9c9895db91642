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
                    TipCase{106, "常に手前に表示"}, TipCase{32783, "その他"},
                    TipCase{57676, "取り消し線"}, TipCase{57688, "記号に登録"}),
    [](const auto& info) { return "Command" + std::to_string(info.param.id); });

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
