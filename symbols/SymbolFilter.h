#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The filters of the symbol list in the order the filter box lists them. A filter is
// stored only as its label text.
enum class SymbolFilter { All, Cards, Computer, Danger, Nature, Other, User };

inline constexpr std::array kSymbolFilters{
    SymbolFilter::All,    SymbolFilter::Cards, SymbolFilter::Computer, SymbolFilter::Danger,
    SymbolFilter::Nature, SymbolFilter::Other, SymbolFilter::User,
};

// The label's bytes in code page 932.
std::string FilterLabel(SymbolFilter filter);

// The filter whose label equals `label` byte for byte; none for any other text.
std::optional<SymbolFilter> FilterFromLabel(std::string_view label);

// Position in the filter box of the first label that begins with `text`, letters compared
// without regard to case, the way a drop-down box selects by text; -1 when none does. A text
// that only begins a label selects that label although it names no filter.
int FilterBoxIndex(std::string_view text);

// The filter a fresh start and the page-clear command use.
std::string DefaultFilterLabel();

// Whether the filter lists the user's own symbols after its built-in rows.
constexpr bool ListsUserSymbols(SymbolFilter filter) {
    return filter == SymbolFilter::All || filter == SymbolFilter::User;
}

} // namespace quillet
