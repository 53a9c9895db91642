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
constexpr int kMarquee = 4;
constexpr int kImage = 5;
constexpr int kSymbol = 6;

constexpr Rgb kWindowText = MakeRgb(1, 2, 3);
constexpr Rgb kWindow = MakeRgb(250, 251, 252);

class ComposerTest : public ::testing::Test {
protected:
    static RecordingView ViewWithColours() {
        RecordingView view;
        view.colors = {kWindowText, kWindow};
        return view;
    }

    // The window's page switch: the new page alone.
    void ShowPage(int page) {
        m_view.page = page;
        m_composer.SelectOnly(page);
    }

    RecordingView m_view = ViewWithColours();
    Composer m_composer{m_view};
};

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
}

TEST_F(ComposerTest, FontPageShowsTheColourNameAndRequestsTheSample) {
    ShowPage(kFont);
    m_composer.SetPageColor(ChoiceOf(*FindPaletteColorByName("赤")));
    m_composer.SetChoice("7(最大)");
    m_composer.PressStyleButton(CommandId::Bold);
    EXPECT_EQ(m_view.tips[ControlId::ColorSample], "赤");
    EXPECT_EQ(m_view.sampleFonts.back(), (SampleFont{"ＭＳ Ｐゴシック", 41, true}));
    EXPECT_EQ(m_view.source, "<B><Font Size=\"7\" Color=\"Red\"></Font></B>");
    EXPECT_EQ(m_view.outputEnabled, true);

    m_composer.SetChoice("8"); // no size of the list: the height stays
    EXPECT_EQ(m_composer.State().SampleHeight, 41);
}

TEST_F(ComposerTest, SampleFollowsTheFontPageWhileItIsSelectedOnly) {
    ShowPage(kParagraph);
    m_composer.ToggleSelected(kFont);
    m_composer.PressStyleButton(CommandId::Bold);
    ASSERT_EQ(m_view.sampleFonts.size(), 1U);
    EXPECT_TRUE(m_view.sampleFonts.back().Bold);

    ShowPage(kParagraph);
    m_composer.RebuildTag();
    EXPECT_EQ(m_view.sampleFonts.size(), 1U);
}

TEST_F(ComposerTest, GradationColourGoesToTheChosenEndAndBothNamesShow) {
    ShowPage(kGradation);
    m_composer.SetPageColor(OtherColor(MakeRgb(9, 9, 9)), true);
    EXPECT_EQ(m_view.tips[ControlId::GradationStartSample], "標準");
    EXPECT_EQ(m_view.tips[ControlId::GradationEndSample], "その他");
    EXPECT_EQ(m_composer.State().GradationEnd.Value, MakeRgb(9, 9, 9));
    EXPECT_EQ(m_composer.State().GradationStart.Value, kWindowText);
}

TEST_F(ComposerTest, ColourChoiceOnAPageWithoutColourStoresNothing) {
    ShowPage(kParagraph);
    m_composer.SetPageColor(OtherColor(MakeRgb(9, 9, 9)));
    EXPECT_EQ(m_composer.State().FontColor, StandardColor(kWindowText));
    EXPECT_EQ(m_composer.State().MarqueeBgColor, StandardColor(kWindow));
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
    m_composer.SetMarqueeSpeed(1000);
    EXPECT_EQ(m_composer.State().MarqueeSpeed, 99);
}

TEST_F(ComposerTest, MainTextGoesToTheCurrentPagesFieldAndStaysThere) {
    ShowPage(kFont);
    m_composer.SetMainText("font");
    ShowPage(kImage);
    m_composer.SetMainText("pic.gif");
    ShowPage(kSymbol);
    m_composer.SetMainText("ignored");
    EXPECT_EQ(m_composer.State().FontText, "font");
    EXPECT_EQ(m_composer.State().ImageSrc, "pic.gif");

    ShowPage(kFont);
    EXPECT_EQ(m_composer.RebuildTag(), "font");
}

TEST_F(ComposerTest, SymbolCategoryClearsTheSelectionAndTellsWhenAddIsAllowed) {
    m_view.symbolRows = {"★", "♪"};
    ShowPage(kSymbol);
    m_composer.State().SymbolSelection = 1;
    EXPECT_EQ(m_composer.RebuildTag(), "♪");

    EXPECT_FALSE(m_composer.SetChoice("自然"));
    EXPECT_EQ(m_composer.State().TypeIndex, "自然");
    EXPECT_EQ(m_view.source, "");
    EXPECT_TRUE(m_composer.SetChoice("ユーザー設定"));

    m_composer.State().SymbolSelection = 5; // no such row
    EXPECT_EQ(m_composer.RebuildTag(), "");
}

TEST_F(ComposerTest, ResettingAPageRestoresItsInputsAndReleasesItsButtons) {
    ShowPage(kFont);
    m_composer.SetMainText("abc");
    m_composer.SetFontFace("IPAGothic");
    m_composer.SetPageColor(ChoiceOf(*FindPaletteColorByName("青")));
    m_composer.PressStyleButton(CommandId::Italic);
    m_composer.PressStyleButton(CommandId::AlignRight);
    m_view.colors.WindowText = MakeRgb(7, 7, 7);

    m_composer.ResetPageInputs(kFont);
    const ComposerState& state = m_composer.State();
    EXPECT_EQ(state.FontText, "");
    EXPECT_EQ(state.FontFace, "標準フォント");
    EXPECT_EQ(state.FontColor, StandardColor(MakeRgb(7, 7, 7)));
    EXPECT_FALSE(state.Italic);
    EXPECT_FALSE(m_view.Pressed(CommandId::Italic));
    EXPECT_EQ(state.Align, "Right"); // another page's input
    EXPECT_TRUE(m_view.Pressed(CommandId::AlignRight));

    m_composer.ResetPageInputs(kParagraph);
    EXPECT_EQ(state.Align, "");
    EXPECT_FALSE(m_view.Pressed(CommandId::AlignRight));
}

TEST_F(ComposerTest, ResettingTheSymbolPageReturnsToTheFirstCategoryKeepingTheSelection) {
    m_composer.State().TypeIndex = "ユーザー設定";
    m_composer.State().SymbolSelection = 3;
    m_composer.State().PageSelected = {false, true, false, false, false, false, true};
    m_composer.ResetPageInputs(kSymbol);
    EXPECT_EQ(m_composer.State().TypeIndex, "トランプ");
    EXPECT_EQ(m_composer.State().SymbolSelection, -1);
    EXPECT_EQ(m_composer.State().PageSelected,
              (std::array<bool, 7>{false, true, false, false, false, false, true}));
}

TEST(Composer, RunsWithoutAWindowThroughTheNullView) {
    NullComposerView view;
    Composer composer(view);
    composer.SelectOnly(0);
    composer.SetMainText("abc");
    EXPECT_EQ(composer.RebuildTag(), "abc");
    EXPECT_EQ(composer.State().MarqueeBgColor.Value, MakeRgb(255, 255, 255));
}

} // namespace
