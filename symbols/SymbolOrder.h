#pragma once

#include "symbols/SymbolRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The symbol list's columns, in display order.
enum SymbolColumn : int { NameColumn = 0, TypeColumn = 1, ContentColumn = 2 };

inline constexpr int kSymbolColumnCount = ContentColumn + 1;

// The text of a row's record in one column.
const std::string& ColumnText(const SymbolRecord& record, int column);

// The sort keys of one column, one per row in the rows' order, kept beside the rows so that a
// sort compares bytes that sit together in one buffer instead of walking the rows' strings,
// wherever earlier sorts and edits have left them. The owner keeps it in step with its rows:
// a key per row where the row is kept, however the rows are shown.
class ColumnSortKeys {
public:
    ColumnSortKeys() = default;
    ColumnSortKeys(const std::vector<SymbolRow>& rows, int column);

    std::size_t Size() const { return m_spans.size(); }

    void Append(std::string_view text);
    void Replace(std::size_t position, std::string_view text);
    void Erase(std::size_t position);
    // Keeps the first `count` keys.
    void Truncate(std::size_t count);
    // Moves the keys into `order`, as ApplyOrder moves the rows.
    void Permute(const std::vector<std::uint32_t>& order);

    // Ascending under cp932::CompareNoCase and stable: order[i] is the position of the key
    // that belongs at position i. When the first keys are in order already, each later key
    // goes after the equal keys among them, as inserting it would put it.
    std::vector<std::uint32_t> SortedOrder() const;
    // The same for the keys at `shown` (positions of keys, each once), taken in that order:
    // the positions of those keys in sorted order.
    std::vector<std::uint32_t> SortedOrder(const std::vector<std::uint32_t>& shown) const;

private:
    struct Span {
        std::size_t begin;
        std::size_t length;
    };
    struct Entry;

    std::string_view WholeKey(const Span& span) const;
    std::size_t CommonPrefix() const;
    struct RefillScratch;
    // The entry's head and length from byte `from` of its key on.
    void Fill(Entry& entry, std::size_t from) const;
    std::size_t Refill(std::vector<Entry>::iterator first, std::vector<Entry>::iterator last,
                       std::size_t from, RefillScratch& scratch) const;
    Span Store(std::string_view text);
    void Forget(const Span& span);

    std::string m_bytes;
    std::vector<Span> m_spans;
    // Bytes of m_bytes that no span uses any more, after replacements and erasures.
    std::size_t m_unused = 0;
    // A prefix length that every key shares, once known; it never needs to be the longest.
    mutable std::optional<std::size_t> m_common;
};

// SortedOrder of a column's keys made afresh from `rows`.
std::vector<std::uint32_t> SortedOrder(const std::vector<SymbolRow>& rows, int column);

// Moves the rows into `order` in place; returns the new index of row `tracked`, or -1.
int ApplyOrder(std::vector<SymbolRow>& rows, const std::vector<std::uint32_t>& order, int tracked);

} // namespace quillet
