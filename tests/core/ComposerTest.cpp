#include "core/Composer.h"
#include "RecordingView.h"
#include "core/ColorPalette.h"
#include "core/CommandIds.h"

#include <gtest/gtest.h>

using namespace quillet;
using quillet::testing::RecordingView;

namespace {

constexpr int kFont = 0;
constexpr int kGradation = 1;
constexpr int kParagraph = 2;
constexpr int kHyperlink = 3;
constexpr int kMarquee = 4;
constexpr int kImage = 5;
constexpr int kSymbol = 6;

class ComposerTest : public ::testing::Test {
protected:
    // The window's page switch: the new page alone.
    void ShowPage(int page) {
        m_view.page = page;
        m_composer.SelectOnly(page);
    }

    static RecordingView ViewWithColours() {
        RecordingView view;
        view.colors = {MakeRgb(1, 2, 3), MakeRgb(250, 251, 252)};
        return view;
    }

    RecordingView m_view = ViewWithColours();
    Composer m_composer{m_view};
};

TEST_F(ComposerTest, InitialStateTakesTheViewsSystemColours) {
    const ComposerState& state = m_composer.State();
    EXPECT_EQ(state.FontFace, "標準フォント");
    EXPECT_EQ(state.FontSize, "標準");
    EXPECT_EQ(state.FontColor, (ColorChoice{"標準", MakeRgb(1, 2, 3)}));
    EXPECT_EQ(state.GradationStart, (ColorChoice{"標準", MakeRgb(1, 2, 3)}));
    EXPECT_EQ(state.GradationEnd, (ColorChoice{"標準", MakeRgb(1, 2, 3)}));
    EXPECT_EQ(state.MarqueeBgColor, (ColorChoice{"標準", MakeRgb(250, 251, 252)}));
    EXPECT_EQ(state.LinkTarget, "同じウィンドウ");
    EXPECT_EQ(state.MarqueeBehavior, "スクロール");
    EXPECT_EQ(state.MarqueeSpeed, 6);
    EXPECT_EQ(state.TypeIndex, "トランプ");
    EXPECT_EQ(state.SymbolSelection, -1);
    EXPECT_EQ(state.SampleHeight, 19);
    EXPECT_EQ(state.Quote, "\"");
    EXPECT_EQ(state.PageSelected, (std::array<int, 7>{}));
    EXPECT_EQ(state.MultiSelect, 0);
}

TEST_F(ComposerTest, EmptyFontPageDisablesOutputAndOneLetterEnablesIt) {
    ShowPage(kFont);
    EXPECT_EQ(m_composer.RebuildTag(), "");
    EXPECT_EQ(m_view.outputEnabled, false);
    m_composer.SetMainText("a");
    EXPECT_EQ(m_view.source, "a");
    EXPECT_EQ(m_view.outputEnabled, true);
}

TEST_F(ComposerTest, NothingIsComposedBeforeTheControlsExist) {
    m_view.hasControls = false;
    ShowPage(kMarquee);
    EXPECT_EQ(m_composer.RebuildTag(), "");
    EXPECT_EQ(m_view.outputEnabled, false);
    EXPECT_FALSE(m_view.source);
    EXPECT_FALSE(m_view.speedLabel);
    EXPECT_TRUE(m_view.tips.empty());
}

TEST_F(ComposerTest, FontPageShowsTheColourNameAndRequestsTheSample) {
    ShowPage(kFont);
    m_composer.SetPageColor(ChoiceOf(*FindPaletteColorByName("赤")));
    m_composer.PressStyleButton(CommandId::Bold);
    EXPECT_EQ(m_view.tips[ControlId::ColorSample], "赤");
    ASSERT_FALSE(m_view.sampleFonts.empty());
    EXPECT_EQ(m_view.sampleFonts.back(),
              (SampleFont{"ＭＳ Ｐゴシック", 19, true, false, false, false}));
    EXPECT_EQ(m_view.source, "<B><Font Color=\"Red\"></Font></B>");
    EXPECT_EQ(m_view.outputEnabled, true);
}

TEST_F(ComposerTest, SampleHeightKeepsTheLastMatchedSize) {
    ShowPage(kFont);
    m_composer.SetChoice("7(最大)");
    EXPECT_EQ(m_composer.State().SampleHeight, 41);
    m_composer.SetChoice("8");
    EXPECT_EQ(m_composer.State().SampleHeight, 41);
    EXPECT_EQ(m_view.sampleFonts.back().PixelHeight, 41);
}

TEST_F(ComposerTest, SampleFollowsTheFontPageEvenWhenAnotherPageIsCurrent) {
    ShowPage(kParagraph);
    m_composer.ToggleSelected(kFont);
    m_composer.PressStyleButton(CommandId::Bold);
    ASSERT_FALSE(m_view.sampleFonts.empty());
    EXPECT_TRUE(m_view.sampleFonts.back().Bold);

    m_view.sampleFonts.clear();
    ShowPage(kParagraph);
    m_composer.RebuildTag();
    EXPECT_TRUE(m_view.sampleFonts.empty());
}

TEST_F(ComposerTest, GradationPageShowsBothColourNames) {
    ShowPage(kGradation);
    m_composer.SetPageColor(OtherColor(MakeRgb(9, 9, 9)), true);
    EXPECT_EQ(m_view.tips[ControlId::GradationStartSample], "標準");
    EXPECT_EQ(m_view.tips[ControlId::GradationEndSample], "その他");
    EXPECT_EQ(m_composer.State().GradationEnd.Value, MakeRgb(9, 9, 9));
    EXPECT_EQ(m_composer.State().GradationStart.Value, MakeRgb(1, 2, 3));
}

TEST_F(ComposerTest, MarqueePageShowsBackgroundNameAndSpeedLabel) {
    ShowPage(kMarquee);
    EXPECT_EQ(m_composer.RebuildTag(), "<Marquee></Marquee>");
    EXPECT_EQ(m_view.outputEnabled, true);
    EXPECT_EQ(m_view.tips[ControlId::ColorSample], "標準");
    EXPECT_EQ(m_view.speedLabel, "6ドット/秒");

    m_composer.SetMarqueeSpeed(12);
    EXPECT_EQ(m_view.speedLabel, "12ドット/秒");
    EXPECT_EQ(m_view.source, "<Marquee ScrollAmount=\"12\"></Marquee>");
}

TEST_F(ComposerTest, SpeedIsKeptWithinTheSlidersRange) {
    ShowPage(kMarquee);
    m_composer.SetMarqueeSpeed(0);
    EXPECT_EQ(m_composer.State().MarqueeSpeed, 1);
    m_composer.SetMarqueeSpeed(1000);
    EXPECT_EQ(m_composer.State().MarqueeSpeed, 99);
}

TEST_F(ComposerTest, MainTextGoesToTheCurrentPagesFieldOnly) {
    const std::pair<int, std::string ComposerState::*> pages[] = {
        {kFont, &ComposerState::FontText},           {kGradation, &ComposerState::GradationText},
        {kParagraph, &ComposerState::ParagraphText}, {kHyperlink, &ComposerState::LinkTitle},
        {kMarquee, &ComposerState::MarqueeText},     {kImage, &ComposerState::ImageSrc},
    };
    for (const auto& [page, field] : pages) {
        ShowPage(page);
        m_composer.SetMainText("text " + std::to_string(page));
    }
    for (const auto& [page, field] : pages) {
        EXPECT_EQ(m_composer.State().*field, "text " + std::to_string(page));
    }
    const ComposerState before = m_composer.State();
    ShowPage(kSymbol);
    m_composer.SetMainText("ignored");
    EXPECT_EQ(m_composer.State().FontText, before.FontText);
    EXPECT_EQ(m_composer.State().ImageSrc, before.ImageSrc);
}

TEST_F(ComposerTest, ChoiceListSetsTheCurrentPagesItem) {
    ShowPage(kFont);
    m_composer.SetChoice("5");
    ShowPage(kHyperlink);
    m_composer.SetChoice("新しいウィンドウ");
    ShowPage(kMarquee);
    m_composer.SetChoice("交互");
    ShowPage(kParagraph);
    m_composer.SetChoice("5");
    EXPECT_EQ(m_composer.State().FontSize, "5");
    EXPECT_EQ(m_composer.State().LinkTarget, "新しいウィンドウ");
    EXPECT_EQ(m_composer.State().MarqueeBehavior, "交互");
}

TEST_F(ComposerTest, SymbolCategoryClearsTheSelectionAndTellsWhenAddIsAllowed) {
    m_view.symbolRows = {"★", "♪"};
    ShowPage(kSymbol);
    m_composer.State().SymbolSelection = 1;
    EXPECT_EQ(m_composer.RebuildTag(), "♪");

    EXPECT_FALSE(m_composer.SetChoice("自然"));
    EXPECT_EQ(m_composer.State().TypeIndex, "自然");
    EXPECT_EQ(m_composer.State().SymbolSelection, -1);
    EXPECT_EQ(m_view.source, "");
    EXPECT_TRUE(m_composer.SetChoice("ユーザー設定"));
}

TEST_F(ComposerTest, SymbolRowThatDoesNotExistGivesAnEmptyContent) {
    ShowPage(kSymbol);
    m_composer.State().SymbolSelection = 5;
    EXPECT_EQ(m_composer.RebuildTag(), "");
    EXPECT_EQ(m_view.outputEnabled, false);
}

TEST_F(ComposerTest, ColourChoiceOnAPageWithoutColourStoresNothing) {
    ShowPage(kParagraph);
    const ComposerState before = m_composer.State();
    m_composer.SetPageColor(OtherColor(MakeRgb(9, 9, 9)));
    EXPECT_EQ(m_composer.State().FontColor, before.FontColor);
    EXPECT_EQ(m_composer.State().GradationStart, before.GradationStart);
    EXPECT_EQ(m_composer.State().MarqueeBgColor, before.MarqueeBgColor);
}

TEST_F(ComposerTest, FaceAndAddressAreSetOnAnyPage) {
    ShowPage(kImage);
    m_composer.SetFontFace("IPAGothic");
    m_composer.SetLinkUrl("a.htm");
    EXPECT_EQ(m_composer.State().FontFace, "IPAGothic");
    EXPECT_EQ(m_composer.State().LinkUrl, "a.htm");
}

TEST_F(ComposerTest, PageOutsideTheTabsComposesOnlyTheSelectedWrapping) {
    m_composer.State().PageSelected[kMarquee] = 1;
    m_view.page = -1;
    EXPECT_EQ(m_composer.RebuildTag(), "<Marquee></Marquee>");
}

TEST_F(ComposerTest, SwitchingPagesAppliesOnlyTheNewPagesElement) {
    ShowPage(kFont);
    m_composer.SetMainText("abc");
    m_composer.PressStyleButton(CommandId::Bold);
    m_composer.ToggleSelected(kMarquee);
    EXPECT_EQ(m_composer.RebuildTag(), "<Marquee><B>abc</B></Marquee>");

    ShowPage(kParagraph);
    m_composer.PressStyleButton(CommandId::AlignCenter);
    EXPECT_EQ(m_view.source, "<P Align=\"Center\"></P>");
    ShowPage(kFont);
    EXPECT_EQ(m_composer.RebuildTag(), "<B>abc</B>");
}

TEST_F(ComposerTest, ResettingTheFontPageRestoresItsInputsAndReleasesItsButtons) {
    ShowPage(kFont);
    m_composer.SetMainText("abc");
    m_composer.SetFontFace("IPAGothic");
    m_composer.SetChoice("7(最大)");
    m_composer.SetPageColor(ChoiceOf(*FindPaletteColorByName("青")));
    for (const int button :
         {CommandId::Bold, CommandId::Italic, CommandId::Underline, CommandId::Strike}) {
        m_composer.PressStyleButton(button);
    }
    m_composer.State().ParagraphText = "kept";
    m_view.colors.WindowText = MakeRgb(7, 7, 7);

    m_composer.ResetPageInputs(kFont);
    const ComposerState& state = m_composer.State();
    EXPECT_EQ(state.FontText, "");
    EXPECT_EQ(state.FontFace, "標準フォント");
    EXPECT_EQ(state.FontSize, "標準");
    EXPECT_EQ(state.FontColor, (ColorChoice{"標準", MakeRgb(7, 7, 7)}));
    EXPECT_EQ(state.Bold + state.Italic + state.Underline + state.Strike, 0);
    EXPECT_EQ(state.SampleHeight, 41);
    EXPECT_EQ(state.ParagraphText, "kept");
    for (const int button :
         {CommandId::Bold, CommandId::Italic, CommandId::Underline, CommandId::Strike}) {
        EXPECT_FALSE(m_view.Pressed(button)) << button;
    }
}

TEST_F(ComposerTest, ResettingTheParagraphPageClearsAlignmentAndPosition) {
    ShowPage(kParagraph);
    m_composer.SetMainText("p");
    m_composer.PressStyleButton(CommandId::AlignRight);
    m_composer.PressStyleButton(CommandId::Superscript);
    m_composer.ResetPageInputs(kParagraph);
    EXPECT_EQ(m_composer.State().ParagraphText, "");
    EXPECT_EQ(m_composer.State().Align, "");
    EXPECT_EQ(m_composer.State().VerticalPosition, "");
    EXPECT_FALSE(m_view.Pressed(CommandId::AlignRight));
    EXPECT_FALSE(m_view.Pressed(CommandId::Superscript));
}

TEST_F(ComposerTest, ResettingTheOtherPagesRestoresTheirInitialValues) {
    ComposerState& state = m_composer.State();
    state.GradationText = "g";
    state.GradationStart = OtherColor(5);
    state.LinkTitle = "t";
    state.LinkUrl = "u";
    state.LinkTarget = "新しいウィンドウ";
    state.MarqueeText = "m";
    state.MarqueeBgColor = OtherColor(5);
    state.MarqueeBehavior = "交互";
    state.MarqueeSpeed = 50;
    state.ImageSrc = "i";
    state.TypeIndex = "ユーザー設定";
    state.SymbolSelection = 3;
    state.PageSelected = {0, 1, 0, 1, 1, 0, 1};
    for (const int page : {kGradation, kHyperlink, kMarquee, kImage, kSymbol}) {
        m_composer.ResetPageInputs(page);
    }

    const ComposerState initial = MakeInitialState(m_view.colors);
    EXPECT_EQ(state.GradationText, "");
    EXPECT_EQ(state.GradationStart, initial.GradationStart);
    EXPECT_EQ(state.LinkTitle, "");
    EXPECT_EQ(state.LinkUrl, "");
    EXPECT_EQ(state.LinkTarget, initial.LinkTarget);
    EXPECT_EQ(state.MarqueeText, "");
    EXPECT_EQ(state.MarqueeBgColor, initial.MarqueeBgColor);
    EXPECT_EQ(state.MarqueeBehavior, initial.MarqueeBehavior);
    EXPECT_EQ(state.MarqueeSpeed, 6);
    EXPECT_EQ(state.ImageSrc, "");
    EXPECT_EQ(state.TypeIndex, "トランプ");
    EXPECT_EQ(state.SymbolSelection, -1);
    // Clearing changes no selection.
    EXPECT_EQ(state.PageSelected, (std::array<int, 7>{0, 1, 0, 1, 1, 0, 1}));
}

TEST(Composer, RunsWithoutAWindowThroughTheNullView) {
    NullComposerView view;
    Composer composer(view);
    composer.SelectOnly(0);
    composer.SetMainText("abc");
    EXPECT_EQ(composer.RebuildTag(), "abc");
    EXPECT_EQ(composer.State().FontColor.Value, MakeRgb(0, 0, 0));
    EXPECT_EQ(composer.State().MarqueeBgColor.Value, MakeRgb(255, 255, 255));
}

} // namespace
