#include "symbols/BuiltInSymbols.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillet;

namespace {

std::string ContentOf(std::string_view name) {
    const auto rows = BuiltInSymbols();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const SymbolRow& r) { return r.record.name == name; });
    return row == rows.end() ? "missing" : row->record.content;
}

TEST(BuiltInSymbols, ContentsAreExactBytesWithRawUnescapedGlyphs) {
    const std::string heart = "<Font Face=\"Symbol\">\xA9</Font>";
    EXPECT_EQ(heart.size(), 28U);
    EXPECT_EQ(ContentOf("ハート"), heart);
    const std::string keyboard = "<Font Face=\"Wingdings\">7</Font>";
    EXPECT_EQ(keyboard.size(), 31U);
    EXPECT_EQ(ContentOf("キーボード"), keyboard);
    EXPECT_EQ(ContentOf("Windowsロゴ"), "<Font Face=\"Wingdings\">\xFF</Font>");
    EXPECT_EQ(ContentOf("3.5インチ FD"), "<Font Face=\"Wingdings\"><</Font>");
    EXPECT_EQ(ContentOf("放射性廃棄物"), "<Font Face=\"Wingdings\">></Font>");
    EXPECT_EQ(ContentOf("コピーライト"), "&copy;");
    EXPECT_EQ(ContentOf("トレードマーク"), "&trade;");
}

struct FilterCase {
    const char* label;
    std::size_t rows;
    const char* first;
    const char* type; // every row's
    int icon;         // every row's
};

class FilterListing : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterListing, ListsItsBuiltInRowsInCatalogueOrder) {
    const FilterCase& expected = GetParam();
    const auto rows = SymbolsForFilter(std::string_view(expected.label));
    ASSERT_EQ(rows.size(), expected.rows);
    EXPECT_EQ(rows.front().record.name, expected.first);
    for (const SymbolRow& row : rows) {
        EXPECT_EQ(row.record.type, expected.type) << row.record.name;
        EXPECT_EQ(row.icon, expected.icon) << row.record.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BuiltInSymbols, FilterListing,
    ::testing::Values(FilterCase{"トランプ", 4, "ハート", "トランプ", CardsIcon},
                      // Selected by group: the type is not the filter's label.
                      FilterCase{"コンピュータ", 7, "デスクトップ", "パソコン", ComputerIcon},
                      FilterCase{"危険物", 5, "どくろ", "危険物", DangerIcon},
                      FilterCase{"自然", 4, "太陽", "自然", NatureIcon},
                      FilterCase{"その他", 3, "コピーライト", "その他", OtherIcon}));

TEST(BuiltInSymbols, AllListsEveryRowAndUserListsNone) {
    EXPECT_EQ(SymbolsForFilter(std::string_view("すべての種類")), BuiltInSymbols());
    EXPECT_EQ(BuiltInSymbols().size(), static_cast<std::size_t>(kBuiltInSymbolCount));
    EXPECT_TRUE(SymbolsForFilter(std::string_view("ユーザー設定")).empty());
}

class NearMissLabel : public ::testing::TestWithParam<std::string> {};

TEST_P(NearMissLabel, MatchesNoFilterAndListsNothing) {
    EXPECT_EQ(FilterFromLabel(GetParam()), std::nullopt);
    EXPECT_TRUE(SymbolsForFilter(std::string_view(GetParam())).empty());
}

INSTANTIATE_TEST_SUITE_P(SymbolFilter, NearMissLabel,
                         ::testing::Values("トランプ ", "コンピューター", "", "パソコン",
                                           reinterpret_cast<const char*>(u8"トランプ")));

} // namespace
