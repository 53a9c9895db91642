#include "app/ListSearch.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quillet;

namespace {

const std::vector<std::string> kFilters{"すべての種類", "トランプ", "コンピュータ", "危険物",
                                        "自然",         "その他",   "ユーザー設定"};

struct PrefixCase {
    const char* name;
    std::vector<std::string> entries;
    std::string prefix;
    int expected;
};

class PrefixSearch : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixSearch, SelectsTheFirstEntryBeginningWithTheText) {
    EXPECT_EQ(FindFirstWithPrefix(GetParam().entries, GetParam().prefix), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PrefixSearch,
    ::testing::Values(
        PrefixCase{"WholeLabel", kFilters, "トランプ", 1},
        PrefixCase{"FirstTwoCharacters", kFilters, "コン", 2},
        PrefixCase{"NoEntryBeginsWithIt", kFilters, "ハート", -1},
        PrefixCase{"LongerThanAnyEntry", kFilters, "トランプとコンピュータ", -1},
        PrefixCase{"EmptyTextTakesTheFirst", kFilters, "", 0},
        PrefixCase{"AsciiLettersIgnoreCase", {"Arial", "Courier New"}, "cOUR", 1},
        PrefixCase{"FullWidthLettersIgnoreCase", {"ＭＳ ゴシック", "ｍｓ 明朝"}, "ｍｓ ゴ", 0},
        PrefixCase{"FirstOfSeveralMatches", {"4", "5", "55"}, "5", 1},
        // "ト" is 83 67; a prefix holding the lead byte alone is not a character prefix.
        PrefixCase{"HalfACharacterIsNoPrefix", kFilters, "\x83", -1},
        PrefixCase{"EmptyList", {}, "a", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaceList, PutsTheDefaultFirstAndSortsTheRestWithoutRegardToCase) {
    const auto faces = BuildFaceList({"courier", "Arial", "IPAPゴシック", "Bitstream"});
    EXPECT_EQ(faces, (std::vector<std::string>{"標準フォント", "Arial", "Bitstream", "courier",
                                               "IPAPゴシック"}));
}

TEST(FaceList, LeavesOutVerticalVariantsEmptyNamesAndRepeats) {
    const auto faces = BuildFaceList({"@IPAGothic", "IPAGothic", "", "IPAGothic", "@"});
    EXPECT_EQ(faces, (std::vector<std::string>{"標準フォント", "IPAGothic"}));
}

TEST(FaceList, NamesEachFamilyOnceWithoutItsFoundryAndLeavesOutGenericAliases) {
    const auto faces = BuildFaceList({"C059 [urw]", "Monospace", "C059 [UKWN]", "Sans Serif",
                                      "Nimbus Sans [URW ]", "Serif", "Nimbus Sans", "[x]"});
    EXPECT_EQ(faces, (std::vector<std::string>{"標準フォント", "[x]", "C059", "Nimbus Sans"}));
}

TEST(FaceList, HoldsTheDefaultAloneWhenNoFontIsInstalled) {
    EXPECT_EQ(BuildFaceList({}), (std::vector<std::string>{"標準フォント"}));
}

} // namespace
