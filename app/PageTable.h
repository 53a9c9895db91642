#pragma once

#include "core/CommandIds.h"
#include "core/TagPage.h"
#include "resources/ResourceIds.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// What each page shows and where: the data `ShowPage` and `LayoutPage` walk.
namespace quillet {

// A length that follows the window's outer size: base + perWidth * W + perHeight * H.
struct Span {
    int base = 0;
    int perWidth = 0;
    int perHeight = 0;

    constexpr int At(int outerWidth, int outerHeight) const {
        return base + perWidth * outerWidth + perHeight * outerHeight;
    }
};

constexpr Span Pixels(int value) {
    return {value, 0, 0};
}
constexpr Span WidthMinus(int amount) {
    return {-amount, 1, 0};
}
constexpr Span HeightMinus(int amount) {
    return {-amount, 0, 1};
}

// A value the table does not give keeps what the control has.
struct Placement {
    int control;
    std::optional<Span> x;
    std::optional<Span> y;
    std::optional<Span> width;
    std::optional<Span> height;
    // The symbol page's filter box is as high as the main text field.
    bool heightOfMainEdit = false;
};

struct LabelText {
    int label;
    const char* text; // code page 932
};

struct PageLayout {
    const char* tabText; // code page 932
    std::span<const LabelText> labels;
    // Shown besides the labels; everything else is hidden on the page.
    std::span<const int> controls;
    // Buttons of the style tool bar shown on the page; the others are hidden.
    std::span<const int> styleButtons;
    // Entries of ControlId::ChoiceList, in order.
    std::span<const char* const> choices;
    // Outer height; none on the symbol page, whose height the user sets.
    std::optional<int> outerHeight;
    Span tabWidth;
    Span tabHeight;
    std::span<const Placement> placements;
};

const PageLayout& PageLayoutOf(TagPage page);

// Every control a page may show: `ShowPage` hides them all first.
std::span<const int> PageControls();

// Buttons of the style tool bar that some page shows.
std::span<const int> StyleToolBarButtons();

struct ResolvedPlacement {
    int control;
    std::optional<int> x;
    std::optional<int> y;
    std::optional<int> width;
    std::optional<int> height;
    bool heightOfMainEdit = false;

    bool operator==(const ResolvedPlacement&) const = default;
};

// The page's placements at outer size W x H, the tab control first and the window tool
// bar, which every page moves to the top right corner, last.
std::vector<ResolvedPlacement> LayoutFor(TagPage page, int outerWidth, int outerHeight);

// The symbol page is resized by the user, but never below this height.
inline constexpr int kSymbolPageMinHeight = 200;
inline constexpr int kMinWindowWidth = 290;

struct SizeLimits {
    int minWidth = kMinWindowWidth;
    int minHeight = 0;
    std::optional<int> maxHeight; // none: no limit of our own
};

// Outer-size limits; a page outside 0 to 6 counts as the font page.
SizeLimits LimitsFor(int page);

// The outer height a page is laid out at. `rememberedSymbolHeight` is the stored height of
// the symbol page; it is raised to the page's minimum.
int OuterHeightFor(int page, int rememberedSymbolHeight);

std::string TabText(TagPage page);

} // namespace quillet
