#include "controls/DragRules.h"

namespace quillet {

std::optional<SelfMove> PlanSelfMove(std::string_view text, const Selection& selection,
                                     LineCol drop) {
    // A drop point past the end of its line is that end, where the selection may end too.
    const int dropIndex = IndexFromLineCol(text, drop);
    const LineCol dropAt = LineColFromIndex(text, dropIndex);
    const int start = IndexFromLineCol(text, selection.start);
    const int end = IndexFromLineCol(text, selection.end);
    const Selection selected{LineColFromIndex(text, start), LineColFromIndex(text, end)};
    switch (ComparePosition(dropAt, selected)) {
    case Place::After:
        return SelfMove{
            {start, dropIndex}, {end, dropIndex}, {start, end}, dropIndex - (end - start)};
    case Place::Before:
        return SelfMove{{dropIndex, end}, {start, end}, {dropIndex, start}, dropIndex};
    case Place::Inside:
        break;
    }
    return std::nullopt;
}

} // namespace quillet
