#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace quillet {

// Where a text shown in lines at most `width` wide starts each wrapped line: after the last
// space that still fits, or after the last character that fits when no space does, and never
// inside a surrogate pair. A line holds one character at least. Line feeds, carriage returns
// and paragraph separators end lines of their own. `advances[i]` is the width of text[i].
std::vector<std::size_t> SoftLineStarts(std::u16string_view text, std::span<const float> advances,
                                        float width);

// A position in a text shown with a line feed inserted at each of `breaks` (positions in
// the shown text, ascending), turned into the position in the text without them.
std::size_t UnwrappedPosition(const std::vector<std::size_t>& breaks, std::size_t displayed);

} // namespace quillet
