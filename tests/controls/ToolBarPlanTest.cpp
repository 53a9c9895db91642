#include "controls/ToolBarPlan.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillet {
namespace {

TEST(ToolBarPlan, WindowToolBarGivesEachRepeatedCommandItsOwnImage) {
    const std::vector<int> ids{106, 106, 57672, 0, 57670};
    const auto buttons = PlanToolButtons(ids);
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(buttons[0], (PlannedToolButton{106, false, 0, 0}));
    EXPECT_EQ(buttons[1], (PlannedToolButton{106, false, 1, 0}));
    EXPECT_EQ(buttons[2], (PlannedToolButton{57672, false, 2, 0}));
    EXPECT_EQ(buttons[3], (PlannedToolButton{0, true, -1, 8}));
    EXPECT_EQ(buttons[4], (PlannedToolButton{57670, false, 3, 0}));
}

TEST(ToolBarPlan, SeparatorTakesNoImage) {
    const std::vector<int> ids{57684, 57685, 57686, 57673, 57674, 57675, 57676,
                               57677, 57678, 57679, 0,     57682, 57683};
    const auto buttons = PlanToolButtons(ids);
    ASSERT_EQ(buttons.size(), 13u);
    EXPECT_EQ(buttons[9].image, 9);
    EXPECT_TRUE(buttons[10].separator);
    EXPECT_EQ(buttons[11].image, 10);
    EXPECT_EQ(buttons[12].image, 11);
}

TEST(ToolBarPlan, NoIdsGiveNoButtons) {
    EXPECT_TRUE(PlanToolButtons({}).empty());
}

TEST(ToolBarPlan, ButtonIsSevenPixelsLargerThanItsImage) {
    EXPECT_EQ(ToolButtonSize({16, 15}), (geom::Size{23, 22}));
    EXPECT_EQ(ToolButtonSize({20, 20}), (geom::Size{27, 27}));
}

TEST(ImageMap, ListsTheImagesOfTheCommandsInItemOrder) {
    const std::vector<int> ids{102, 103, 104, 57688, 57687};
    const auto map = BuildImageMap(ids);
    EXPECT_EQ(map,
              (std::vector<ImageMapEntry>{{0, 102}, {1, 103}, {2, 104}, {3, 57688}, {4, 57687}}));
    EXPECT_EQ(FindImage(map, 57687), 4);
    EXPECT_EQ(FindImage(map, 57672), -1);
}

TEST(ImageMap, RepeatedCommandFindsItsFirstImage) {
    const std::vector<int> ids{106, 106, 57672, 0, 57670};
    const auto map = BuildImageMap(ids);
    EXPECT_EQ(map.size(), 4u);
    EXPECT_EQ(FindImage(map, 106), 0);
    EXPECT_EQ(FindImage(map, 57670), 3);
    EXPECT_EQ(FindImage(map, 0), -1);
}

} // namespace
} // namespace quillet
