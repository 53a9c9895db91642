#include "controls/ImageButtonGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

// The browse button: 75 x 24 with a 16 x 16 icon and a caption 50 pixels wide.
ImageButtonInput Browse() {
    ImageButtonInput in;
    in.rect = {0, 0, 75, 24};
    in.hasIcon = true;
    in.image = {16, 16};
    in.hasCaption = true;
    in.captionWidth = 50;
    return in;
}

TEST(PlanImageButton, IconSitsAtTheLeftAndTheCaptionBesideIt) {
    const ImageButtonPlan plan = PlanImageButton(Browse());
    EXPECT_TRUE(plan.drawIcon);
    EXPECT_EQ(plan.iconAt, (geom::Point{4, 4}));
    EXPECT_TRUE(plan.drawCaption);
    EXPECT_EQ(plan.captionAt, (geom::Point{28, 5}));
}

TEST(PlanImageButton, PressedButtonMovesEverythingOneDownAndRight) {
    ImageButtonInput in = Browse();
    in.pushed = true;
    const ImageButtonPlan plan = PlanImageButton(in);
    EXPECT_EQ(plan.iconAt, (geom::Point{5, 5}));
    EXPECT_EQ(plan.captionAt, (geom::Point{29, 6}));
}

TEST(PlanImageButton, IconWithoutCaptionIsCentredBothWays) {
    ImageButtonInput in = Browse();
    in.hasCaption = false;
    in.rect = {0, 0, 41, 25};
    const ImageButtonPlan plan = PlanImageButton(in);
    EXPECT_FALSE(plan.drawCaption);
    EXPECT_EQ(plan.iconAt, (geom::Point{12, 4}));
}

TEST(PlanImageButton, CaptionWithoutIconIsCentredAcross) {
    ImageButtonInput in = Browse();
    in.hasIcon = false;
    const ImageButtonPlan plan = PlanImageButton(in);
    EXPECT_FALSE(plan.drawIcon);
    EXPECT_EQ(plan.captionAt, (geom::Point{12, 5}));
}

TEST(PlanImageButton, CaptionWiderThanTheButtonStartsLeftOfIt) {
    ImageButtonInput in = Browse();
    in.hasIcon = false;
    in.captionWidth = 80;
    EXPECT_EQ(PlanImageButton(in).captionAt.x, -3);
}

TEST(PlanImageButton, FocusedButtonDrawsTheFocusFrameInside) {
    ImageButtonInput in = Browse();
    in.focused = true;
    const ImageButtonPlan plan = PlanImageButton(in);
    EXPECT_TRUE(plan.drawFocus);
    EXPECT_EQ(plan.focus, (geom::Rect{3, 3, 72, 21}));
}

TEST(PlanImageButton, DisabledButtonIsEmbossedAndNeverShowsFocus) {
    ImageButtonInput in = Browse();
    in.focused = true;
    in.disabled = true;
    const ImageButtonPlan plan = PlanImageButton(in);
    EXPECT_TRUE(plan.embossed);
    EXPECT_FALSE(plan.drawFocus);
}

struct InsetCase {
    int width;
    int height;
    int inset;
};

class FocusInsetTest : public testing::TestWithParam<InsetCase> {};

TEST_P(FocusInsetTest, IsAQuarterOfTheSmallerSideAtMostThree) {
    const auto& [width, height, inset] = GetParam();
    EXPECT_EQ(FocusInset({0, 0, width, height}), inset);
}

INSTANTIATE_TEST_SUITE_P(ImageButton, FocusInsetTest,
                         testing::Values(InsetCase{75, 20, 3}, InsetCase{75, 8, 2},
                                         InsetCase{75, 12, 3}, InsetCase{75, 11, 2},
                                         InsetCase{6, 40, 1}, InsetCase{3, 3, 0}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

} // namespace
} // namespace quillet
