#include "core/PageSelection.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

// Row: current page; column: the page to add. 1 combinable.
constexpr int kCombinable[7][7] = {
    {1, 1, 1, 1, 1, 0, 0}, // font
    {1, 1, 1, 1, 1, 0, 0}, // gradation
    {1, 1, 1, 1, 1, 0, 0}, // paragraph
    {1, 1, 1, 1, 1, 0, 0}, // hyperlink
    {1, 1, 1, 1, 1, 0, 0}, // marquee
    {0, 0, 1, 1, 1, 0, 0}, // image
    {1, 1, 1, 1, 1, 0, 1}, // symbol
};

class CanCombineRow : public ::testing::TestWithParam<int> {};

TEST_P(CanCombineRow, FollowsTheTable) {
    const int current = GetParam();
    for (int other = 0; other < kPageCount; ++other) {
        EXPECT_EQ(CanCombine(current, other), kCombinable[current][other] == 1)
            << current << " + " << other;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPage, CanCombineRow, ::testing::Range(0, kPageCount));

TEST(CanCombine, NoTabOrAPageOutsideTheTableCountsAsCombinable) {
    EXPECT_TRUE(CanCombine(5, -1));
    EXPECT_TRUE(CanCombine(0, 7));
    EXPECT_TRUE(CanCombine(-1, 5));
    EXPECT_TRUE(CanCombine(42, 6));
}

TEST(PageSelection, SelectOnlyLeavesOnePageAndToggleFlipsOne) {
    ComposerState state = MakeInitialState({});
    state.PageSelected = {true, true, false, true, false, false, true};
    SelectOnly(state, 3);
    EXPECT_EQ(state.PageSelected,
              (std::array<bool, 7>{false, false, false, true, false, false, false}));
    ToggleSelected(state, 2);
    ToggleSelected(state, 3);
    EXPECT_EQ(state.PageSelected,
              (std::array<bool, 7>{false, false, true, false, false, false, false}));
}

TEST(PageSelection, IndicesOutsideThePagesSelectNothing) {
    ComposerState state = MakeInitialState({});
    state.PageSelected.fill(true);
    ToggleSelected(state, -1);
    ToggleSelected(state, 7);
    EXPECT_EQ(state.PageSelected, (std::array<bool, 7>{true, true, true, true, true, true, true}));
    SelectOnly(state, -1);
    EXPECT_EQ(state.PageSelected, (std::array<bool, 7>{}));
}

} // namespace
