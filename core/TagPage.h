#pragma once

namespace quillet {

// The seven pages in tab order; the value is the tab index and the index of the page's
// selection flag.
enum class TagPage { Font = 0, Gradation, Paragraph, Hyperlink, Marquee, Image, Symbol };

inline constexpr int kPageCount = 7;

constexpr bool IsValidPage(int index) {
    return index >= 0 && index < kPageCount;
}

} // namespace quillet
