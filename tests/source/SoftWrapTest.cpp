#include "source/SoftWrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quillet;

namespace {

// Every unit one wide, so the width is a count of units.
std::vector<std::size_t> Starts(std::u16string_view text, float width) {
    const std::vector<float> advances(text.size(), 1.0f);
    return SoftLineStarts(text, advances, width);
}

struct WrapRow {
    const char* Name;
    std::u16string Text;
    float Width;
    std::vector<std::size_t> Starts;
};

class SoftWrapTest : public ::testing::TestWithParam<WrapRow> {};

TEST_P(SoftWrapTest, BreaksWhereTheLineIsFull) {
    EXPECT_EQ(Starts(GetParam().Text, GetParam().Width), GetParam().Starts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoftWrapTest,
    ::testing::Values(WrapRow{"FitsOnOneLine", u"abc def", 7, {}},
                      WrapRow{"AfterTheLastSpaceThatFits", u"ab cd efgh", 6, {6}},
                      WrapRow{"AnywhereWithoutASpace", u"abcdefgh", 3, {3, 6}},
                      // The run after the space is longer than a line: it breaks again, anywhere.
                      WrapRow{"LongRunAfterASpace", u"a bcdefgh", 3, {2, 5, 8}},
                      WrapRow{"IdeographicSpace", u"ab\u3000cd", 4, {3}},
                      WrapRow{"LineFeedsStartAfresh", u"abc\nabc\r\nab", 3, {}},
                      WrapRow{"OneCharacterWiderThanTheLine", u"abc", 0.5f, {1, 2}},
                      WrapRow{"NeverInsideASurrogatePair", u"a\U0001F600b", 2, {1, 3}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SoftWrap, UnwrappedPositionSkipsTheInsertedBreaks) {
    // "abc\ndef\ngh" shows "abcdefgh" with breaks at 3 and 7.
    const std::vector<std::size_t> breaks{3, 7};
    EXPECT_EQ(UnwrappedPosition(breaks, 0), 0U);
    EXPECT_EQ(UnwrappedPosition(breaks, 3), 3U);
    EXPECT_EQ(UnwrappedPosition(breaks, 4), 3U);
    EXPECT_EQ(UnwrappedPosition(breaks, 6), 5U);
    EXPECT_EQ(UnwrappedPosition(breaks, 10), 8U);
}

} // namespace
