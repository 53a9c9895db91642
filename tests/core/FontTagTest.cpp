#include "core/FontTag.h"
#include "core/ColorPalette.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

ComposerState Initial() {
    return MakeInitialState({});
}

struct SizeRow {
    std::size_t Index;
    const char* Item;
    const char* Open;
    int SampleHeight;
};

class FontSizeRowTest : public ::testing::TestWithParam<SizeRow> {};

TEST_P(FontSizeRowTest, WritesItsDigitAndSetsTheSampleHeight) {
    const SizeRow& row = GetParam();
    ASSERT_EQ(FontSizeTable()[row.Index].Item, row.Item);
    ComposerState state = Initial();
    state.FontSize = row.Item;
    state.SampleHeight = 99;
    SampleFont sample;
    EXPECT_EQ(FontOpenTag(state, &sample), row.Open);
    EXPECT_EQ(FontCloseTag(state), std::string(row.Open).empty() ? "" : "</Font>");
    EXPECT_EQ(sample.PixelHeight, row.SampleHeight);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, FontSizeRowTest,
                         ::testing::Values(SizeRow{0, "標準", "", 19},
                                           SizeRow{1, "1(最小)", "<Font Size=\"1\">", 13},
                                           SizeRow{2, "2", "<Font Size=\"2\">", 15},
                                           SizeRow{3, "3", "<Font Size=\"3\">", 17},
                                           SizeRow{4, "4", "<Font Size=\"4\">", 19},
                                           SizeRow{5, "5", "<Font Size=\"5\">", 23},
                                           SizeRow{6, "6", "<Font Size=\"6\">", 29},
                                           SizeRow{7, "7(最大)", "<Font Size=\"7\">", 41}));

TEST(FontTag, EverythingInitialGivesNoTextAtAll) {
    EXPECT_EQ(FontOpenTag(Initial()), "");
    EXPECT_EQ(FontCloseTag(Initial()), "");
}

TEST(FontTag, StylesAloneNeedNoFontElementAndCloseInReverse) {
    ComposerState state = Initial();
    state.Bold = true;
    EXPECT_EQ(FontOpenTag(state) + FontCloseTag(state), "<B></B>");
    state.Bold = false;
    state.Italic = state.Strike = true;
    EXPECT_EQ(FontOpenTag(state) + FontCloseTag(state), "<I><S></S></I>");
}

TEST(FontTag, ColourWritesTheHtmlNameOrHexWithoutNumberSign) {
    ComposerState state = Initial();
    state.FontColor = ChoiceOf(*FindPaletteColorByName("赤"));
    EXPECT_EQ(FontOpenTag(state), "<Font Color=\"Red\">");
    state.FontColor = OtherColor(MakeRgb(255, 128, 0));
    EXPECT_EQ(FontOpenTag(state), "<Font Color=\"ff8000\">");
}

TEST(FontTag, EverythingSetNestsStylesOutsideTheFontInFixedOrder) {
    ComposerState state = Initial();
    state.FontFace = "ＭＳ Ｐゴシック";
    state.FontSize = "5";
    state.FontColor = ChoiceOf(*FindPaletteColorByName("青"));
    state.Bold = state.Italic = state.Underline = state.Strike = true;
    EXPECT_EQ(FontOpenTag(state),
              "<B><I><U><S><Font Face=\"ＭＳ Ｐゴシック\" Size=\"5\" Color=\"Blue\">");
    EXPECT_EQ(FontCloseTag(state), "</Font></S></U></I></B>");
}

TEST(FontTag, SizeOutsideTheListWritesNoAttributeAndKeepsTheSampleHeight) {
    ComposerState state = Initial();
    state.FontSize = "8";
    state.SampleHeight = 23;
    SampleFont sample;
    EXPECT_EQ(FontOpenTag(state, &sample), "");
    EXPECT_EQ(sample.PixelHeight, 23);
    // The closing text follows the opening one, so the fragment stays well nested.
    EXPECT_EQ(FontCloseTag(state), "");
}

TEST(FontTagSample, TakesTheFaceOrTheFallbackAndTheStyles) {
    ComposerState state = Initial();
    state.Bold = state.Underline = true;
    SampleFont sample;
    FontOpenTag(state, &sample);
    EXPECT_EQ(sample, (SampleFont{"ＭＳ Ｐゴシック", 19, true, false, true, false}));
    state.FontFace = "IPAGothic";
    FontOpenTag(state, &sample);
    EXPECT_EQ(sample.Face, "IPAGothic");
}

} // namespace
