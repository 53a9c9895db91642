#include "core/PageSelection.h"

#include <array>

namespace quillet {
namespace {

// Bit t of row c: page t may join while page c is current.
constexpr unsigned kTextPages = 0b0011111; // font, gradation, paragraph, hyperlink, marquee
constexpr std::array<unsigned, kPageCount> kCombinable{
    kTextPages,
    kTextPages,
    kTextPages,
    kTextPages,
    kTextPages,
    0b0011100,              // image: paragraph, hyperlink, marquee
    kTextPages | 0b1000000, // symbol: the text pages and itself
};

} // namespace

bool CanCombine(int current, int other) {
    if (!IsValidPage(current) || !IsValidPage(other)) {
        return true;
    }
    return (kCombinable[static_cast<std::size_t>(current)] >> other & 1U) != 0;
}

void SelectOnly(ComposerState& state, int page) {
    for (int index = 0; index < kPageCount; ++index) {
        state.PageSelected[static_cast<std::size_t>(index)] = index == page;
    }
}

void ToggleSelected(ComposerState& state, int page) {
    if (!IsValidPage(page)) {
        return;
    }
    bool& flag = state.PageSelected[static_cast<std::size_t>(page)];
    flag = !flag;
}

} // namespace quillet
