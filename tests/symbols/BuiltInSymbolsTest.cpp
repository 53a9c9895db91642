#include "symbols/BuiltInSymbols.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillet;

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

const SymbolRow& RowNamed(const std::vector<SymbolRow>& rows, std::string_view name) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const SymbolRow& row) { return row.record.name == name; });
    EXPECT_NE(found, rows.end()) << name;
    return *found;
}

std::vector<std::string> Names(const std::vector<SymbolRow>& rows) {
    std::vector<std::string> names;
    for (const SymbolRow& row : rows) {
        names.push_back(row.record.name);
    }
    return names;
}

TEST(BuiltInSymbols, HeartIsTheTwentyEightBytesOfAFontGlyph) {
    EXPECT_EQ(RowNamed(BuiltInSymbols(), "ハート").record.content,
              Bytes({0x3C, 0x46, 0x6F, 0x6E, 0x74, 0x20, 0x46, 0x61, 0x63, 0x65,
                     0x3D, 0x22, 0x53, 0x79, 0x6D, 0x62, 0x6F, 0x6C, 0x22, 0x3E,
                     0xA9, 0x3C, 0x2F, 0x46, 0x6F, 0x6E, 0x74, 0x3E}));
}

TEST(BuiltInSymbols, KeyboardIsTheThirtyOneBytesOfAWingdingsGlyph) {
    EXPECT_EQ(RowNamed(BuiltInSymbols(), "キーボード").record.content,
              Bytes({0x3C, 0x46, 0x6F, 0x6E, 0x74, 0x20, 0x46, 0x61, 0x63, 0x65, 0x3D,
                     0x22, 0x57, 0x69, 0x6E, 0x67, 0x64, 0x69, 0x6E, 0x67, 0x73, 0x22,
                     0x3E, 0x37, 0x3C, 0x2F, 0x46, 0x6F, 0x6E, 0x74, 0x3E}));
}

TEST(BuiltInSymbols, GlyphsThatAreNotCharactersOrAreMarkupStayRawBytes) {
    const auto rows = BuiltInSymbols();
    EXPECT_EQ(RowNamed(rows, "Windowsロゴ").record.content, "<Font Face=\"Wingdings\">\xFF</Font>");
    EXPECT_EQ(RowNamed(rows, "3.5インチ FD").record.content, "<Font Face=\"Wingdings\"><</Font>");
    EXPECT_EQ(RowNamed(rows, "放射性廃棄物").record.content, "<Font Face=\"Wingdings\">></Font>");
}

TEST(BuiltInSymbols, EntitiesStandAloneWithoutAFontElement) {
    const auto rows = BuiltInSymbols();
    EXPECT_EQ(RowNamed(rows, "コピーライト").record.content, "&copy;");
    EXPECT_EQ(RowNamed(rows, "トレードマーク").record.content, "&trade;");
}

TEST(BuiltInSymbols, CatalogueKeepsItsOrderAndEveryCallMakesFreshRecords) {
    auto rows = BuiltInSymbols();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kBuiltInSymbolCount));
    EXPECT_EQ(rows.front().record.name, "ハート");
    EXPECT_EQ(rows[9].record.name, "3.5インチ FD");
    EXPECT_EQ(rows.back().record.name, "Windowsロゴ");
    rows.front().record.content = "changed";
    EXPECT_EQ(BuiltInSymbols().front().record.content.size(), 28U);
}

// One row per filter: the rows it lists in catalogue order, with the type and icon they share.
struct FilterCase {
    const char* label;
    std::vector<std::string> names;
    const char* type;
    int icon;
};

class FilterListing : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterListing, ListsItsGroupsRowsWithTheGroupsTypeAndIcon) {
    const FilterCase& expected = GetParam();
    const auto rows = SymbolsForFilter(std::string_view(expected.label));
    EXPECT_EQ(Names(rows), expected.names);
    for (const SymbolRow& row : rows) {
        EXPECT_EQ(row.record.type, expected.type) << row.record.name;
        EXPECT_EQ(row.icon, expected.icon) << row.record.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BuiltInSymbols, FilterListing,
    ::testing::Values(
        FilterCase{"トランプ", {"ハート", "スペード", "ダイヤ", "クローバー"}, "トランプ", 0},
        // The Computer rows carry a type that differs from their filter's label.
        FilterCase{"コンピュータ",
                   {"デスクトップ", "キーボード", "マウス", "CCDカメラ", "ハードディスク",
                    "3.5インチ FD", "5インチ FD"},
                   "パソコン",
                   1},
        FilterCase{"危険物", {"どくろ", "十字架", "爆弾", "放射性廃棄物", "魔方陣"}, "危険物", 2},
        FilterCase{"自然", {"太陽", "月", "水", "雪"}, "自然", 3},
        FilterCase{"その他", {"コピーライト", "トレードマーク", "Windowsロゴ"}, "その他", 4},
        FilterCase{"ユーザー設定", {}, "", 5}));

TEST(BuiltInSymbols, AllListsEveryRowWithTheSameTypesAndIconsAsTheGroupFilters) {
    std::vector<SymbolRow> byGroup;
    for (const char* label : {"トランプ", "コンピュータ", "危険物", "自然", "その他"}) {
        const auto rows = SymbolsForFilter(std::string_view(label));
        byGroup.insert(byGroup.end(), rows.begin(), rows.end());
    }
    EXPECT_EQ(SymbolsForFilter(SymbolFilter::All), byGroup);
}

TEST(SymbolFilter, EveryLabelNamesItsFilterInTableOrder) {
    const std::vector<std::string> labels{"すべての種類", "トランプ", "コンピュータ", "危険物",
                                          "自然",         "その他",   "ユーザー設定"};
    for (std::size_t i = 0; i < kSymbolFilters.size(); ++i) {
        EXPECT_EQ(FilterLabel(kSymbolFilters[i]), labels[i]);
        EXPECT_EQ(FilterFromLabel(labels[i]), kSymbolFilters[i]);
    }
    EXPECT_EQ(DefaultFilterLabel(), "トランプ");
}

struct NearMiss {
    const char* behaviour;
    std::string label;
};

void PrintTo(const NearMiss& c, std::ostream* os) {
    *os << c.behaviour;
}

class NearMissLabel : public ::testing::TestWithParam<NearMiss> {};

TEST_P(NearMissLabel, MatchesNoFilterAndListsNothing) {
    EXPECT_EQ(FilterFromLabel(GetParam().label), std::nullopt);
    EXPECT_TRUE(SymbolsForFilter(std::string_view(GetParam().label)).empty());
}

INSTANTIATE_TEST_SUITE_P(SymbolFilter, NearMissLabel,
                         ::testing::Values(NearMiss{"trailing space", "トランプ "},
                                           NearMiss{"added long vowel mark", "コンピューター"},
                                           NearMiss{"leading space", " 自然"},
                                           NearMiss{"prefix", "その"}, NearMiss{"empty", ""},
                                           NearMiss{"a type that is no label", "パソコン"},
                                           NearMiss{"the same label in UTF-8",
                                                    reinterpret_cast<const char*>(u8"トランプ")}));

} // namespace
