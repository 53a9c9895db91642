#include "preview/MarqueeMotion.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

struct MotionCase {
    MarqueeBehavior behavior;
    int amount, contentWidth, viewWidth;
    long long steps;
    int offset;
    bool atRest;
};

class MarqueeMotionTest : public testing::TestWithParam<MotionCase> {};

TEST_P(MarqueeMotionTest, ContentEdgeAfterSteps) {
    const MotionCase& row = GetParam();
    const MarqueeTrack track{row.behavior, row.amount, row.contentWidth, row.viewWidth};
    EXPECT_EQ(MarqueeOffset(track, row.steps), row.offset);
    EXPECT_EQ(MarqueeAtRest(track, row.steps), row.atRest);
}

constexpr auto Scroll = MarqueeBehavior::Scroll;
constexpr auto Slide = MarqueeBehavior::Slide;
constexpr auto Alternate = MarqueeBehavior::Alternate;

INSTANTIATE_TEST_SUITE_P(
    Behaviors, MarqueeMotionTest,
    testing::Values(
        // Scroll: in from the right, out to the left, round again after 300 pixels.
        MotionCase{Scroll, 6, 100, 200, 0, 200, false},
        MotionCase{Scroll, 6, 100, 200, 10, 140, false},
        MotionCase{Scroll, 6, 100, 200, 49, -94, false},
        MotionCase{Scroll, 6, 100, 200, 50, 200, false},
        MotionCase{Scroll, 10, 100, 200, 1000, 200 - 10000 % 300, false},
        // Slide: in from the right, then at rest against the left edge.
        MotionCase{Slide, 6, 100, 200, 20, 80, false}, MotionCase{Slide, 6, 100, 200, 34, 0, true},
        MotionCase{Slide, 6, 100, 200, 1000, 0, true},
        // Alternate: from the right edge to the left and back, between 100 and 0.
        MotionCase{Alternate, 10, 100, 200, 0, 100, false},
        MotionCase{Alternate, 10, 100, 200, 10, 0, false},
        MotionCase{Alternate, 10, 100, 200, 13, 30, false},
        MotionCase{Alternate, 10, 100, 200, 20, 100, false},
        // Wider than the view, it bounces between its two edges instead.
        MotionCase{Alternate, 10, 300, 200, 5, -50, false},
        MotionCase{Alternate, 10, 300, 200, 15, -50, false},
        // Nothing moves at amount 0, or with no room to bounce.
        MotionCase{Scroll, 0, 100, 200, 50, 200, true},
        MotionCase{Alternate, 10, 200, 200, 7, 0, true}));

TEST(MarqueeMotion, AttributesReadAsABrowserReadsThem) {
    EXPECT_EQ(MarqueeBehaviorNamed("ALTERNATE"), MarqueeBehavior::Alternate);
    EXPECT_EQ(MarqueeBehaviorNamed("slide"), MarqueeBehavior::Slide);
    EXPECT_EQ(MarqueeBehaviorNamed("bounce"), MarqueeBehavior::Scroll);
    EXPECT_EQ(ScrollAmountFrom("99"), 99);
    EXPECT_EQ(ScrollAmountFrom(" 12px"), 12);
    EXPECT_EQ(ScrollAmountFrom("-3"), kDefaultScrollAmount);
    EXPECT_EQ(ScrollAmountFrom(""), kDefaultScrollAmount);
    EXPECT_EQ(ScrollAmountFrom("99999999999999999999"), 100000);
}

} // namespace
} // namespace quillet
