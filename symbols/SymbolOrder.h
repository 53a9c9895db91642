#pragma once

#include "symbols/SymbolRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillet {

// The symbol list's columns, in display order.
enum SymbolColumn : int { NameColumn = 0, TypeColumn = 1, ContentColumn = 2 };

// Orders of rows by one column's text under cp932::CompareNoCase, ascending and stable:
// order[i] is the index of the row that belongs at position i.
std::vector<std::uint32_t> SortedOrder(const std::vector<SymbolRow>& rows, int column);

// Rows before `sortedCount` are in name order; the order that inserting each later row
// after the equal names already there would give.
std::vector<std::uint32_t> MergedNameOrder(const std::vector<SymbolRow>& rows,
                                           std::size_t sortedCount);

// Moves the rows into `order` in place; returns the new index of row `tracked`, or -1.
int ApplyOrder(std::vector<SymbolRow>& rows, const std::vector<std::uint32_t>& order, int tracked);

} // namespace quillet
