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

// Sorts rank the keys and later sorts reuse the ranking; whatever the keys went through in
// between, the order must be that of sorting the shown texts afresh.
TEST(SymbolOrder, KeptRankingGivesTheOrderOfAFreshSort) {
    const std::vector<std::string> pieces{"a", "A", "<b>", "\x83\x6E", "\xB1", "\x82\x60", ""};
    std::mt19937 random(3);
    const auto text = [&] { return pieces[random() % 7] + pieces[random() % 7]; };
    std::vector<std::string> texts;
    ColumnSortKeys keys;
    for (int step = 0; step < 600; ++step) {
        const std::size_t at = texts.empty() ? 0 : random() % texts.size();
        switch (texts.empty() ? 0 : random() % 9) {
        case 0:
        case 1:
            // Sometimes many at once, so that the next sort ranks everything afresh.
            for (std::size_t n = random() % 8 == 0 ? 40 : 1; n > 0; --n) {
                texts.push_back(text());
                keys.Append(texts.back());
            }
            break;
        case 2:
            texts[at] = text();
            keys.Replace(at, texts[at]);
            break;
        case 3:
            texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(at));
            keys.Erase(at);
            break;
        case 4: {
            texts.resize(at + 1);
            keys.Truncate(at + 1);
            break;
        }
        case 5: {
            std::vector<std::uint32_t> order(texts.size());
            std::iota(order.begin(), order.end(), 0U);
            std::shuffle(order.begin(), order.end(), random);
            std::vector<std::string> moved;
            for (const std::uint32_t key : order) {
                moved.push_back(texts[key]);
            }
            texts = std::move(moved);
            keys.Permute(order);
            break;
        }
        case 6: {
            // Another column's worth of keys, ranked or not, fewer or more than these.
            std::vector<SymbolRow> rows(
                random() % 2 == 0 ? 3 : std::min<std::size_t>(2 * texts.size(), 200));
            for (SymbolRow& row : rows) {
                row.record.type = text();
                texts.push_back(row.record.type);
            }
            ColumnSortKeys other(rows, TypeColumn);
            if (random() % 2 == 0) {
                other.Rank();
            }
            keys.Append(std::move(other));
            break;
        }
        default: {
            // Some of the keys, in a shown order of their own.
            std::vector<std::uint32_t> shown;
            for (std::uint32_t key = 0; key < texts.size(); ++key) {
                if (random() % 4 != 0) {
                    shown.push_back(key);
                }
            }
            std::shuffle(shown.begin(), shown.end(), random);
            std::vector<std::uint32_t> expected = shown;
            std::stable_sort(expected.begin(), expected.end(),
                             [&](std::uint32_t a, std::uint32_t b) {
                                 return cp932::CompareNoCase(texts[a], texts[b]) < 0;
                             });
            ASSERT_EQ(keys.SortedOrder(shown), expected) << "step " << step;
        }
        }
    }
}

} // namespace
