#pragma once

#include <cstddef>
#include <vector>

namespace quillet {

// One character of a paragraph as the line filler sees it.
struct FillUnit {
    double Advance = 0;
    bool Space = false;      // a collapsible space: it hangs past the line's end
    bool BreakAfter = false; // a line may end after it
    bool Joins = false;      // part of the character before it: never a line's first
};

// Where each line of a paragraph starts, as a browser fills lines `width` wide: a word goes
// on the line when it fits without its trailing spaces, else it starts the next line; a word
// wider than a whole line is broken where it reaches the edge.
std::vector<std::size_t> FillLines(const std::vector<FillUnit>& units, double width);

} // namespace quillet
