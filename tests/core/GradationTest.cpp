#include "core/Gradation.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quillet;

namespace {

// The colour values of the pieces, in order.
std::vector<std::string> Colours(const std::string& fragment) {
    std::vector<std::string> colours;
    const std::string marker = "<Font Color=\"";
    for (auto pos = fragment.find(marker); pos != std::string::npos;
         pos = fragment.find(marker, pos + 1)) {
        colours.push_back(fragment.substr(pos + marker.size(), 6));
    }
    return colours;
}

std::string Gradation(std::string_view text, Rgb start, Rgb end) {
    std::string out;
    AppendGradation(out, text, start, end, "\"");
    return out;
}

struct GradationRow {
    Rgb Start;
    Rgb End;
    const char* Text;
    std::vector<std::string> Expected;
};

class GradationRowTest : public ::testing::TestWithParam<GradationRow> {};

TEST_P(GradationRowTest, StepsTruncateTowardZeroAndTheLastTakesTheEndColour) {
    const GradationRow& row = GetParam();
    EXPECT_EQ(Colours(Gradation(row.Text, row.Start, row.End)), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, GradationRowTest,
    ::testing::Values(
        GradationRow{
            MakeRgb(0, 0, 0), MakeRgb(255, 0, 0), "abcd", {"000000", "550000", "aa0000", "ff0000"}},
        GradationRow{
            MakeRgb(0, 0, 0), MakeRgb(100, 0, 0), "abcd", {"000000", "210000", "420000", "640000"}},
        GradationRow{
            MakeRgb(255, 255, 255), MakeRgb(0, 0, 0), "abc", {"ffffff", "808080", "000000"}},
        GradationRow{MakeRgb(0, 0, 255), MakeRgb(0, 0, 255), "ab", {"0000ff", "0000ff"}},
        // Channels move independently; green falls while blue rises.
        GradationRow{MakeRgb(0, 200, 10),
                     MakeRgb(0, 0, 250),
                     "漢字です",
                     {"00c80a", "00865a", "0044aa", "0000fa"}}));

TEST(Gradation, TwoCharactersAreExactlyTheStartAndEndPieces) {
    EXPECT_EQ(Gradation("あい", MakeRgb(0, 0, 0), MakeRgb(255, 0, 0)),
              "<Font Color=\"000000\">あ</Font><Font Color=\"ff0000\">い</Font>");
}

TEST(Gradation, FewerThanTwoCharactersGiveNothing) {
    EXPECT_EQ(Gradation("", 0, MakeRgb(255, 0, 0)), "");
    EXPECT_EQ(Gradation("a", 0, MakeRgb(255, 0, 0)), "");
    EXPECT_EQ(Gradation("漢", 0, MakeRgb(255, 0, 0)), "");
    EXPECT_EQ(Gradation("\x81", 0, MakeRgb(255, 0, 0)), ""); // one lone lead byte
}

TEST(Gradation, SplitsByCharactersNeverInsideADoubleByteOne) {
    EXPECT_EQ(Gradation("a漢\xB1 ", 0, 0),
              "<Font Color=\"000000\">a</Font><Font Color=\"000000\">漢</Font>"
              "<Font Color=\"000000\">\xB1</Font><Font Color=\"000000\"> </Font>");
}

TEST(Gradation, MarkupAndStrayBytesAreCopiedPieceByPieceUnescaped) {
    EXPECT_EQ(Gradation("<&\xFF", 0, 0),
              "<Font Color=\"000000\"><</Font><Font Color=\"000000\">&</Font>"
              "<Font Color=\"000000\">\xFF</Font>");
}

TEST(Gradation, LongTextKeepsEveryCharacterAndEndsOnTheEndColour) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += i % 2 == 0 ? "漢" : "x";
    }
    const std::string out = Gradation(text, MakeRgb(0, 0, 0), MakeRgb(255, 255, 255));
    const std::vector<std::string> colours = Colours(out);
    ASSERT_EQ(colours.size(), 1000U);
    EXPECT_EQ(colours.front(), "000000");
    EXPECT_EQ(colours[998], "000000"); // 255 / 999 truncates to 0
    EXPECT_EQ(colours.back(), "ffffff");
    EXPECT_EQ(out.size(), 1000U * 28 + text.size());
}

// The pieces are staged in a buffer of their own: what the output held stays in front, and
// a quote too long for that buffer still comes out whole.
TEST(Gradation, AppendsAfterWhatTheOutputHeldWhateverTheQuote) {
    std::string out = "kept";
    AppendGradation(out, "ab", 0, 0, "'");
    EXPECT_EQ(out, "kept<Font Color='000000'>a</Font><Font Color='000000'>b</Font>");

    const std::string quote(20000, 'q');
    out = "kept";
    AppendGradation(out, "ab", 0, 0, quote);
    EXPECT_EQ(out, "kept<Font Color=" + quote + "000000" + quote + ">a</Font><Font Color=" + quote +
                       "000000" + quote + ">b</Font>");
}

} // namespace
