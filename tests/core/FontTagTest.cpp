#include "core/FontTag.h"
#include "Printers.h"
#include "core/ColorPalette.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

ComposerState Initial() {
    return MakeInitialState({});
}

struct SizeRow {
    const char* Item;
    const char* Attribute;
    int SampleHeight;
};

const SizeRow kSizes[] = {
    {"標準", "", 19},
    {"1(最小)", "<Font Size=\"1\">", 13},
    {"2", "<Font Size=\"2\">", 15},
    {"3", "<Font Size=\"3\">", 17},
    {"4", "<Font Size=\"4\">", 19},
    {"5", "<Font Size=\"5\">", 23},
    {"6", "<Font Size=\"6\">", 29},
    {"7(最大)", "<Font Size=\"7\">", 41},
};

class FontSizeRowTest : public ::testing::TestWithParam<SizeRow> {};

TEST_P(FontSizeRowTest, WritesItsDigitAndSetsTheSampleHeight) {
    ComposerState state = Initial();
    state.FontSize = GetParam().Item;
    state.SampleHeight = 99;
    SampleFont sample;
    EXPECT_EQ(FontOpenTag(state, &sample), GetParam().Attribute);
    EXPECT_EQ(FontCloseTag(state), std::string(GetParam().Attribute).empty() ? "" : "</Font>");
    EXPECT_EQ(sample.PixelHeight, GetParam().SampleHeight);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, FontSizeRowTest, ::testing::ValuesIn(kSizes));

TEST(FontSizeTable, ListsTheItemsInTheOrderOfTheSizeList) {
    ASSERT_EQ(FontSizeTable().size(), std::size(kSizes));
    for (std::size_t i = 0; i < std::size(kSizes); ++i) {
        EXPECT_EQ(FontSizeTable()[i].Item, kSizes[i].Item);
    }
}

TEST(FontTag, EverythingInitialGivesNoTextAtAll) {
    EXPECT_EQ(FontOpenTag(Initial()), "");
    EXPECT_EQ(FontCloseTag(Initial()), "");
}

TEST(FontTag, BoldAloneGivesTheStyleElementWithoutAFontElement) {
    ComposerState state = Initial();
    state.Bold = 1;
    EXPECT_EQ(FontOpenTag(state), "<B>");
    EXPECT_EQ(FontCloseTag(state), "</B>");
}

TEST(FontTag, PaletteColourWritesItsHtmlName) {
    ComposerState state = Initial();
    state.FontColor = ChoiceOf(*FindPaletteColorByName("赤"));
    EXPECT_EQ(FontOpenTag(state), "<Font Color=\"Red\">");
    EXPECT_EQ(FontCloseTag(state), "</Font>");
}

TEST(FontTag, OtherColourWritesHexWithoutNumberSign) {
    ComposerState state = Initial();
    state.FontColor = OtherColor(MakeRgb(255, 128, 0));
    EXPECT_EQ(FontOpenTag(state), "<Font Color=\"ff8000\">");
}

TEST(FontTag, EverythingSetNestsStylesOutsideTheFontInFixedOrder) {
    ComposerState state = Initial();
    state.FontFace = "ＭＳ Ｐゴシック";
    state.FontSize = "5";
    state.FontColor = ChoiceOf(*FindPaletteColorByName("青"));
    state.Bold = state.Italic = state.Underline = state.Strike = 1;
    EXPECT_EQ(FontOpenTag(state),
              "<B><I><U><S><Font Face=\"ＭＳ Ｐゴシック\" Size=\"5\" Color=\"Blue\">");
    EXPECT_EQ(FontCloseTag(state), "</Font></S></U></I></B>");
}

TEST(FontTag, StylesCloseInReverseOfTheirOpening) {
    ComposerState state = Initial();
    state.Italic = state.Strike = 1;
    EXPECT_EQ(FontOpenTag(state), "<I><S>");
    EXPECT_EQ(FontCloseTag(state), "</S></I>");
}

TEST(FontTag, FaceIsWrittenAsListedWithoutEscaping) {
    ComposerState state = Initial();
    state.FontFace = "Noto \"Sans\" <CJK>";
    EXPECT_EQ(FontOpenTag(state), "<Font Face=\"Noto \"Sans\" <CJK>\">");
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

TEST(FontTagSample, StandardFaceDrawsInTheFallbackFaceWithTheStyles) {
    ComposerState state = Initial();
    state.Bold = state.Underline = 1;
    SampleFont sample;
    FontOpenTag(state, &sample);
    EXPECT_EQ(sample, (SampleFont{"ＭＳ Ｐゴシック", 19, true, false, true, false}));
}

TEST(FontTagSample, ChosenFaceAndSizeReachTheSample) {
    ComposerState state = Initial();
    state.FontFace = "IPAGothic";
    state.FontSize = "7(最大)";
    state.Italic = state.Strike = 1;
    SampleFont sample;
    FontOpenTag(state, &sample);
    EXPECT_EQ(sample, (SampleFont{"IPAGothic", 41, false, true, false, true}));
}

} // namespace
