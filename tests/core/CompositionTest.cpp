#include "core/Composition.h"
#include "core/ColorPalette.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

ComposerState WithSelected(std::initializer_list<TagPage> pages) {
    ComposerState state = MakeInitialState({});
    for (const TagPage page : pages) {
        state.PageSelected[static_cast<std::size_t>(page)] = true;
    }
    return state;
}

TEST(Composition, NestsParagraphLinkAndStylesAroundTheContent) {
    ComposerState state = WithSelected({TagPage::Font, TagPage::Hyperlink, TagPage::Paragraph});
    state.FontText = "abc";
    state.Bold = true;
    state.LinkUrl = "a.htm";
    state.Align = "Center";
    EXPECT_EQ(ComposeFragment(state, TagPage::Font),
              "<P Align=\"Center\"><A Href=\"a.htm\"><B>abc</B></A></P>");
}

TEST(Composition, EveryTextElementNestsInTheFixedOrder) {
    ComposerState state = WithSelected({TagPage::Font, TagPage::Gradation, TagPage::Paragraph,
                                        TagPage::Hyperlink, TagPage::Marquee});
    state.GradationText = "ab";
    state.Italic = true;
    state.FontColor = ChoiceOf(*FindPaletteColorByName("赤"));
    state.VerticalPosition = "Sup";
    state.Align = "Right";
    state.LinkUrl = "x.htm";
    state.MarqueeSpeed = 3;
    EXPECT_EQ(ComposeFragment(state, TagPage::Gradation),
              "<Sup><P Align=\"Right\"><Marquee ScrollAmount=\"3\"><A Href=\"x.htm\">"
              "<I><Font Color=\"Red\">"
              "<Font Color=\"000000\">a</Font><Font Color=\"000000\">b</Font>"
              "</Font></I></A></Marquee></P></Sup>");
}

TEST(Composition, GradationPiecesSitInsideTheFontElement) {
    ComposerState state = WithSelected({TagPage::Gradation, TagPage::Font});
    state.GradationText = "あい";
    state.GradationEnd = ChoiceOf(*FindPaletteColorByName("赤"));
    state.FontSize = "3";
    EXPECT_EQ(ComposeFragment(state, TagPage::Gradation),
              "<Font Size=\"3\"><Font Color=\"000000\">あ</Font>"
              "<Font Color=\"ff0000\">い</Font></Font>");
}

TEST(Composition, ImageTagIsTheContentOfTheLinkAndTheScrollingText) {
    ComposerState state = WithSelected({TagPage::Image, TagPage::Hyperlink, TagPage::Marquee});
    state.ImageSrc = "pic.gif";
    state.LinkUrl = "a.htm";
    EXPECT_EQ(ComposeFragment(state, TagPage::Image),
              "<Marquee><A Href=\"a.htm\"><Img Src=\"pic.gif\"></A></Marquee>");
}

TEST(Composition, GradationKeepsASymbolsMarkupButColoursTheGradationTextAsTyped) {
    ComposerState state = WithSelected({TagPage::Symbol, TagPage::Gradation});
    state.GradationEnd = ChoiceOf(*FindPaletteColorByName("白"));
    EXPECT_EQ(ComposeFragment(state, TagPage::Symbol, "<B>ab</B>"),
              "<B><Font Color=\"000000\">a</Font><Font Color=\"ffffff\">b</Font></B>");
    state.GradationText = "<B>";
    EXPECT_EQ(ComposeFragment(state, TagPage::Gradation).substr(0, 29),
              "<Font Color=\"000000\"><</Font>");
}

TEST(Composition, EmptyTitleWithAnAddressGivesAnEmptyLink) {
    ComposerState state = WithSelected({TagPage::Hyperlink});
    state.LinkUrl = "a.htm";
    EXPECT_EQ(ComposeFragment(state, TagPage::Hyperlink), "<A Href=\"a.htm\"></A>");
}

} // namespace
