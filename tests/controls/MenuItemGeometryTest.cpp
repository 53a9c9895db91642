#include "controls/MenuItemGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

constexpr geom::Size kToolImage{16, 15};

ImageMenuItem Command(std::string text, int image = 0) {
    return {image, 102, std::move(text)};
}

// Measurement ---------------------------------------------------------------------------

TEST(MeasureMenuItem, SeparatorIsTenBySix) {
    EXPECT_EQ(MeasureMenuItem(MakeSeparatorItem(), kToolImage, {50, 14}), (geom::Size{10, 6}));
}

TEST(MeasureMenuItem, EmptyTextIsAHundredWide) {
    EXPECT_EQ(MeasureMenuItem(Command(""), kToolImage, {0, 14}), (geom::Size{100, 20}));
}

TEST(MeasureMenuItem, ToolBarImagesMakeTwentyPixelRowsThirtySevenWiderThanTheText) {
    for (const int textHeight : {12, 16, 20}) {
        EXPECT_EQ(MeasureMenuItem(Command("コピー(&C)"), kToolImage, {61, textHeight}),
                  (geom::Size{61 + 37, 20}))
            << textHeight;
    }
}

TEST(MeasureMenuItem, TallTextSetsTheHeightAndTheImageSquare) {
    EXPECT_EQ(MeasureMenuItem(Command("abc"), kToolImage, {30, 24}),
              (geom::Size{30 + 17 + 24, 24}));
}

TEST(MeasureMenuItem, WideImageWidensTheSquare) {
    EXPECT_EQ(MeasureMenuItem(Command("abc"), {40, 15}, {30, 12}), (geom::Size{30 + 17 + 40, 20}));
}

// Text split ----------------------------------------------------------------------------

TEST(MenuItemText, FirstTabSeparatesLabelAndAccelerator) {
    const MenuItemText text = SplitAtTab("コピー(&C)\tCtrl+C\tx");
    EXPECT_TRUE(text.hasTab);
    EXPECT_EQ(text.label, "コピー(&C)");
    EXPECT_EQ(text.accelerator, "Ctrl+C\tx");
    EXPECT_FALSE(SplitAtTab("クリア(&A)").hasTab);
}

// Drawing decisions ---------------------------------------------------------------------

constexpr geom::Rect kRow{0, 40, 120, 60}; // a 20-pixel entry of a pop-up menu

TEST(PlanMenuItem, SeparatorIsAShadowLineOverAHighlightLine) {
    const MenuItemPlan plan =
        PlanMenuItem(MakeSeparatorItem(), {3, 10, 103, 16}, {}, kToolImage, 14);
    EXPECT_TRUE(plan.separator);
    EXPECT_EQ(plan.lineLeft, 5);
    EXPECT_EQ(plan.lineRight, 101);
    EXPECT_EQ(plan.shadowY, 12);
    EXPECT_EQ(plan.highlightY, 13);
    EXPECT_TRUE(plan.textPasses.empty());
}

TEST(PlanMenuItem, HighlightedEntryWithImageHighlightsOnlyTheTextAndRaisesTheImage) {
    const MenuItemPlan plan =
        PlanMenuItem(Command("コピー(&C)"), kRow, {.selected = true}, kToolImage, 14);
    EXPECT_EQ(plan.imageSquare, (geom::Rect{0, 40, 20, 60}));
    EXPECT_EQ(plan.background, (geom::Rect{21, 40, 120, 60}));
    EXPECT_EQ(plan.backgroundColor, SystemColor::Highlight);
    EXPECT_EQ(plan.frame, ImageFrame::Raised);
    EXPECT_TRUE(plan.drawImage);
    EXPECT_FALSE(plan.embossed);
    EXPECT_EQ(plan.imageAt, (geom::Point{2, 42}));
    ASSERT_EQ(plan.textPasses.size(), 1u);
    EXPECT_EQ(plan.textPasses[0].color, SystemColor::HighlightText);
}

TEST(PlanMenuItem, HighlightedEntryWithoutImageIsHighlightedAcrossItsWidth) {
    const MenuItemPlan plan =
        PlanMenuItem(Command("ヘルプ", -1), kRow, {.selected = true}, kToolImage, 14);
    EXPECT_EQ(plan.background, kRow);
    EXPECT_EQ(plan.backgroundColor, SystemColor::Highlight);
    EXPECT_FALSE(plan.drawImage);
    EXPECT_EQ(plan.frame, ImageFrame::None);
}

TEST(PlanMenuItem, DisabledEntryIsEmbossedWithEtchedText) {
    const MenuItemPlan plan =
        PlanMenuItem(Command("ドラッグ(&D)", 1), kRow, {.disabled = true}, kToolImage, 14);
    EXPECT_TRUE(plan.embossed);
    EXPECT_EQ(plan.frame, ImageFrame::Flat);
    ASSERT_EQ(plan.textPasses.size(), 2u);
    const geom::Rect text{23, 43, 105, 60};
    EXPECT_EQ(plan.textPasses[0], (TextPass{text.Inset(1), SystemColor::ButtonHighlight}));
    EXPECT_EQ(plan.textPasses[1], (TextPass{text, SystemColor::GrayText}));
}

TEST(PlanMenuItem, DisabledHighlightedEntryIsNotRaisedAndWritesInTheMenuColour) {
    const MenuItemPlan plan = PlanMenuItem(Command("ドラッグ(&D)", 1), kRow,
                                           {.selected = true, .disabled = true}, kToolImage, 14);
    EXPECT_EQ(plan.frame, ImageFrame::Flat);
    EXPECT_TRUE(plan.embossed);
    EXPECT_EQ(plan.backgroundColor, SystemColor::Highlight);
    ASSERT_EQ(plan.textPasses.size(), 1u);
    EXPECT_EQ(plan.textPasses[0].color, SystemColor::Menu);
}

TEST(PlanMenuItem, TextIsCentredVerticallyBesideTheSquare) {
    const MenuItemPlan plan = PlanMenuItem(Command("abc"), kRow, {}, kToolImage, 13);
    // (20 - 13) / 2 = 3 down; 2 in from the square's edge plus one; 15 off the right.
    EXPECT_EQ(plan.textPasses[0].rect, (geom::Rect{23, 43, 105, 60}));
}

TEST(PlanMenuItem, CheckedEntryWithoutImageShowsTheCheckAndHighlightsOnlyTheText) {
    const MenuItemPlan plan =
        PlanMenuItem(Command("abc", -1), kRow, {.selected = true, .checked = true}, kToolImage, 14);
    EXPECT_TRUE(plan.drawCheck);
    EXPECT_EQ(plan.checkAt, (geom::Point{2, 40}));
    EXPECT_EQ(plan.background, (geom::Rect{21, 40, 120, 60}));
}

} // namespace
} // namespace quillet
