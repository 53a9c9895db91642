#include "controls/ColorTarget.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

constexpr SystemColors kColors{MakeRgb(1, 2, 3), MakeRgb(250, 251, 252)};

struct TargetRow {
    const char* label;
    int sampleId;
    TagPage page;
    ColorChoice ComposerState::*slot;
    bool gradationEnd;
    Rgb standard;
};

class ColorTargetRow : public testing::TestWithParam<TargetRow> {};

TEST_P(ColorTargetRow, SampleEditsThePagesSlotStartingFromItsValue) {
    const TargetRow& row = GetParam();
    ComposerState state = MakeInitialState(kColors);
    state.FontColor.Value = MakeRgb(10, 0, 0);
    state.GradationStart.Value = MakeRgb(20, 0, 0);
    state.GradationEnd.Value = MakeRgb(30, 0, 0);
    state.MarqueeBgColor.Value = MakeRgb(40, 0, 0);

    const auto target = ColorTargetOf(row.sampleId, row.page, state, kColors);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->slot, row.slot);
    EXPECT_EQ(target->request,
              (ColorRequest{(state.*row.slot).Value, row.gradationEnd, row.standard}));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ColorTargetRow,
    testing::Values(TargetRow{"FontColor", 1023, TagPage::Font, &ComposerState::FontColor, false,
                              kColors.WindowText},
                    TargetRow{"MarqueeBackground", 1023, TagPage::Marquee,
                              &ComposerState::MarqueeBgColor, false, kColors.Window},
                    TargetRow{"GradationStart", 1024, TagPage::Gradation,
                              &ComposerState::GradationStart, false, kColors.WindowText},
                    TargetRow{"GradationEnd", 1025, TagPage::Gradation,
                              &ComposerState::GradationEnd, true, kColors.WindowText}),
    [](const testing::TestParamInfo<TargetRow>& info) { return info.param.label; });

TEST(ColorTarget, SamplesEditNothingOnPagesWhereTheyAreHidden) {
    const ComposerState state = MakeInitialState(kColors);
    for (const TagPage page : {TagPage::Gradation, TagPage::Paragraph, TagPage::Symbol}) {
        EXPECT_FALSE(ColorTargetOf(1023, page, state, kColors)) << static_cast<int>(page);
    }
    EXPECT_FALSE(ColorTargetOf(1024, TagPage::Font, state, kColors));
    EXPECT_FALSE(ColorTargetOf(1025, TagPage::Marquee, state, kColors));
    EXPECT_FALSE(ColorTargetOf(1020, TagPage::Font, state, kColors));
}

} // namespace
} // namespace quillet
