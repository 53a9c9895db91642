#include "preview/LineFill.h"

namespace quillet {

std::vector<std::size_t> FillLines(const std::vector<FillUnit>& units, double width) {
    std::vector<std::size_t> starts{0};
    double used = 0; // the line so far, its spaces included
    for (std::size_t first = 0; first < units.size();) {
        // The word: up to and including the next unit a line may end after.
        std::size_t end = first;
        double whole = 0;
        double inked = 0; // without the trailing spaces
        while (end < units.size()) {
            whole += units[end].Advance;
            if (!units[end].Space) {
                inked = whole;
            }
            if (units[end++].BreakAfter) {
                break;
            }
        }
        if (starts.back() != first && used + inked > width) {
            starts.push_back(first);
            used = 0;
        }
        if (starts.back() == first && inked > width) {
            // Too wide for any line: it is broken where it reaches the edge, never inside a
            // character, each line keeping at least one.
            double on = 0;
            for (std::size_t unit = first; unit < end; ++unit) {
                const bool fits = on + units[unit].Advance <= width || units[unit].Space;
                if (!fits && starts.back() != unit && !units[unit].Joins) {
                    starts.push_back(unit);
                    on = 0;
                }
                on += units[unit].Advance;
            }
            used = on;
        } else {
            used += whole;
        }
        first = end;
    }
    return starts;
}

} // namespace quillet
