#include "controls/TextPosition.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

struct CompareRow {
    const char* name;
    Selection selection;
    LineCol position;
    Place expected;
};

void PrintTo(const CompareRow& row, std::ostream* out) {
    *out << row.name;
}

class ComparePositionTest : public testing::TestWithParam<CompareRow> {};

TEST_P(ComparePositionTest, PlacesThePositionAgainstTheSelection) {
    EXPECT_EQ(ComparePosition(GetParam().position, GetParam().selection), GetParam().expected);
}

constexpr Selection kOneLine{{1, 2}, {1, 5}};
constexpr Selection kThreeLines{{1, 3}, {3, 2}};

INSTANTIATE_TEST_SUITE_P(
    Rows, ComparePositionTest,
    testing::Values(CompareRow{"LineAbove", kOneLine, {0, 9}, Place::Before},
                    CompareRow{"ColumnBeforeStart", kOneLine, {1, 1}, Place::Before},
                    CompareRow{"BothEndsInside", kOneLine, {1, 5}, Place::Inside},
                    CompareRow{"ColumnAfterEnd", kOneLine, {1, 6}, Place::After},
                    CompareRow{"StartLineBeforeStart", kThreeLines, {1, 2}, Place::Before},
                    CompareRow{"MiddleLineAnyColumn", kThreeLines, {2, 99}, Place::Inside},
                    CompareRow{"EndLineAfterEnd", kThreeLines, {3, 3}, Place::After}),
    [](const testing::TestParamInfo<CompareRow>& info) { return info.param.name; });

constexpr std::string_view kLines = "ab\r\ncde\r\n\r\nf";

TEST(TextPosition, MapsIndexesAcrossLineBreaksClampingNeverInsideOne) {
    EXPECT_EQ(LineColFromIndex(kLines, 9), (LineCol{2, 0}));
    EXPECT_EQ(LineColFromIndex(kLines, 3), (LineCol{0, 2})); // between CR and LF
    EXPECT_EQ(LineColFromIndex(kLines, 99), (LineCol{3, 1}));
    EXPECT_EQ(IndexFromLineCol(kLines, {1, 9}), 7);
    EXPECT_EQ(IndexFromLineCol(kLines, {9, 0}), 11);
}

TEST(TextPosition, SelectionTextKeepsTheLineBreaksAndLongLinesWhole) {
    EXPECT_EQ(GetSelectionText(kLines, {{0, 1}, {3, 1}}), "b\r\ncde\r\n\r\nf");
    EXPECT_EQ(GetSelectionText("あいう", {{0, 2}, {0, 4}}), "い");
    const std::string line(3000, 'x');
    EXPECT_EQ(GetSelectionText(line + "\r\n" + line, {{0, 0}, {1, 3000}}).size(), 6002u);
}

} // namespace
} // namespace quillet
