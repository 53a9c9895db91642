#pragma once

#include "symbols/SymbolFilter.h"
#include "symbols/SymbolRecord.h"

#include <string_view>
#include <vector>

namespace quillet {

inline constexpr int kBuiltInSymbolCount = 23;

// The whole built-in catalogue in its fixed order, each row with its group's icon.
std::vector<SymbolRow> BuiltInSymbols();

// The built-in rows a filter lists, in catalogue order: every row for All, one group's rows
// for a group filter, none for User. Each call makes fresh records.
std::vector<SymbolRow> SymbolsForFilter(SymbolFilter filter);

// As above for a stored label; a label that names no filter lists nothing.
std::vector<SymbolRow> SymbolsForFilter(std::string_view label);

} // namespace quillet
