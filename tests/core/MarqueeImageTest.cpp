#include "core/ColorPalette.h"
#include "core/ImageTag.h"
#include "core/MarqueeTag.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

struct MarqueeRow {
    const char* Behavior;
    ColorChoice Background;
    int Speed;
    const char* Open;
};

class MarqueeRowTest : public ::testing::TestWithParam<MarqueeRow> {};

TEST_P(MarqueeRowTest, WritesBackgroundBehaviourAndSpeedInThatOrder) {
    ComposerState state = MakeInitialState({});
    state.MarqueeBehavior = GetParam().Behavior;
    state.MarqueeBgColor = GetParam().Background;
    state.MarqueeSpeed = GetParam().Speed;
    EXPECT_EQ(MarqueeOpenTag(state), GetParam().Open);
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, MarqueeRowTest,
    ::testing::Values(
        MarqueeRow{"スクロール", StandardColor(MakeRgb(255, 255, 255)), 6, "<Marquee>"},
        // A standard background writes nothing whatever value the slot holds.
        MarqueeRow{"スクロール", StandardColor(MakeRgb(1, 2, 3)), 6, "<Marquee>"},
        MarqueeRow{"スクロール", StandardColor(0), 7, "<Marquee ScrollAmount=\"7\">"},
        MarqueeRow{"スクロール", StandardColor(0), 1, "<Marquee ScrollAmount=\"1\">"},
        MarqueeRow{"スクロール", StandardColor(0), 99, "<Marquee ScrollAmount=\"99\">"},
        MarqueeRow{"スライド", StandardColor(0), 6, "<Marquee Behavior=\"Slide\">"},
        MarqueeRow{"交互",
                   {"黄色", MakeRgb(255, 255, 0)},
                   10,
                   "<Marquee BgColor=\"Yellow\" Behavior=\"Alternate\" ScrollAmount=\"10\">"},
        MarqueeRow{"スクロール", OtherColor(MakeRgb(0, 0, 128)), 6, "<Marquee BgColor=\"000080\">"},
        MarqueeRow{"跳ねる", StandardColor(0), 6, "<Marquee>"}));

TEST(ImageTag, EmptySourceGivesNothingAndASourceAnImgElementAsTyped) {
    ComposerState state = MakeInitialState({});
    EXPECT_EQ(ImageTag(state), "");
    state.ImageSrc = "pic.gif";
    EXPECT_EQ(ImageTag(state), "<Img Src=\"pic.gif\">");
    state.ImageSrc = "画像 1.png";
    EXPECT_EQ(ImageTag(state), "<Img Src=\"画像 1.png\">");
}

} // namespace
