#include "symbols/SymbolFilter.h"

#include "platform/CodePage932.h"

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

int FilterBoxIndex(std::string_view text) {
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (cp932::StartsWithNoCase(kLabels[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string DefaultFilterLabel() {
    return FilterLabel(SymbolFilter::Cards);
}

} // namespace quillet
