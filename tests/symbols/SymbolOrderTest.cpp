#include "symbols/SymbolOrder.h"

#include "platform/CodePage932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace quillet;

namespace {

std::vector<SymbolRow> RowsOfTypes(const std::vector<std::string>& types) {
    std::vector<SymbolRow> rows;
    for (std::size_t i = 0; i < types.size(); ++i) {
        rows.push_back(SymbolRow{SymbolRecord{std::to_string(i), types[i], ""}, UserIcon});
    }
    return rows;
}

// What the order must be: a stable sort that compares the texts themselves.
std::vector<std::uint32_t> ReferenceOrder(const std::vector<SymbolRow>& rows) {
    std::vector<std::uint32_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return cp932::CompareNoCase(rows[a].record.type, rows[b].record.type) < 0;
    });
    return order;
}

// Texts built from pieces that stress the keys: NUL bytes, lone lead bytes at the end,
// full-width and ASCII letters that fold together, and long shared beginnings.
std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> pieces{std::string(1, '\0'),
                                                 "a",
                                                 "A",
                                                 "b",
                                                 "\x81",
                                                 "\x82\x60",
                                                 "\x82\x81",
                                                 "\xFF",
                                                 "<Font Face=\"Wingdings\">",
                                                 "\x83\x6E",
                                                 "\xB1",
                                                 "~"};
    std::string text;
    for (std::size_t n = random() % 6; n > 0; --n) {
        text += pieces[random() % pieces.size()];
    }
    return text;
}

TEST(SymbolOrder, SortedOrderMatchesAStableSortByCaseInsensitiveText) {
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> types;
        for (int i = 0; i < 300; ++i) {
            types.push_back(RandomText(random));
        }
        const auto rows = RowsOfTypes(types);
        ASSERT_EQ(SortedOrder(rows, TypeColumn), ReferenceOrder(rows)) << "round " << round;
    }
}

TEST(SymbolOrder, KeysThatShareAPrefixOrEndWithinTheHeadSortByLength) {
    const auto rows = RowsOfTypes(
        {"abcdefgh", "abcd", std::string("abcd\0", 5), "abcdefghi", "abcdefgh", "ABCD", "abc", ""});
    EXPECT_EQ(SortedOrder(rows, TypeColumn), ReferenceOrder(rows));
}

TEST(SymbolOrder, MergedNameOrderPutsLaterRowsAfterEqualNames) {
    std::vector<SymbolRow> rows;
    for (const char* name : {"a", "c", "e", "C", "b", "A", "f"}) {
        rows.push_back(SymbolRow{SymbolRecord{name, "", ""}, UserIcon});
    }
    EXPECT_EQ(MergedNameOrder(rows, 3), (std::vector<std::uint32_t>{0, 5, 4, 1, 3, 2, 6}));
}

TEST(SymbolOrder, ApplyOrderMovesEveryRowOnceAndFollowsTheTrackedRow) {
    auto rows = RowsOfTypes({"r0", "r1", "r2", "r3", "r4", "r5"});
    const std::vector<std::uint32_t> order{3, 0, 4, 1, 2, 5};
    EXPECT_EQ(ApplyOrder(rows, order, 4), 2);
    std::vector<std::string> types;
    for (const SymbolRow& row : rows) {
        types.push_back(row.record.type);
    }
    EXPECT_EQ(types, (std::vector<std::string>{"r3", "r0", "r4", "r1", "r2", "r5"}));
    EXPECT_EQ(ApplyOrder(rows, {0, 1, 2, 3, 4, 5}, -1), -1);
}

} // namespace
