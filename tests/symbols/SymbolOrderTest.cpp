#include "symbols/SymbolOrder.h"

#include "platform/CodePage932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace quillet;

namespace {

// Texts that stress the sort keys: NUL bytes, a lone lead byte, full-width and ASCII letters
// that fold together, long shared beginnings and texts that end inside the keys' heads.
TEST(SymbolOrder, SortedOrderIsAStableSortByCaseInsensitiveText) {
    const std::vector<std::string> pieces{std::string(1, '\0'),
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
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        std::vector<SymbolRow> rows;
        for (int i = 0; i < 300; ++i) {
            std::string text;
            for (std::size_t n = random() % 6; n > 0; --n) {
                text += pieces[random() % pieces.size()];
            }
            rows.push_back(SymbolRow{SymbolRecord{"", text, ""}, UserIcon});
        }
        std::vector<std::uint32_t> expected(rows.size());
        std::iota(expected.begin(), expected.end(), 0U);
        std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
            return cp932::CompareNoCase(rows[a].record.type, rows[b].record.type) < 0;
        });
        ASSERT_EQ(SortedOrder(rows, TypeColumn), expected) << "round " << round;
    }
}

} // namespace
