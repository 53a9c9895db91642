#include "symbols/SymbolFilter.h"

namespace quillet {
namespace {

// In the order of kSymbolFilters.
constexpr std::array<std::string_view, kSymbolFilters.size()> kLabels{
    "すべての種類", "トランプ", "コンピュータ", "危険物", "自然", "その他", "ユーザー設定",
};

} // namespace

std::string FilterLabel(SymbolFilter filter) {
    return std::string(kLabels[static_cast<std::size_t>(filter)]);
}

std::optional<SymbolFilter> FilterFromLabel(std::string_view label) {
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (kLabels[i] == label) {
            return kSymbolFilters[i];
        }
    }
    return std::nullopt;
}

std::string DefaultFilterLabel() {
    return FilterLabel(SymbolFilter::Cards);
}

} // namespace quillet
