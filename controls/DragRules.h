#pragma once

#include "controls/TextPosition.h"

#include <optional>
#include <string_view>

// The rules a drag-and-drop edit follows while a drag runs: when a press becomes a drag,
// when the edit scrolls under the pointer, and where text dragged within the same edit goes.
namespace quillet {

struct ByteRange {
    int start = 0;
    int end = 0;

    friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

// A move of the selection within its own text, made as one replacement so that it is one
// change and one undo step: the range `replaced` of the text becomes the range `first`
// followed by the range `second` (both ranges of the text before the move). The moved text
// then starts at `movedStart`.
struct SelfMove {
    ByteRange replaced;
    ByteRange first;
    ByteRange second;
    int movedStart = 0;
};

// Dropped after the selection, the text shifts back by the selection's length, since the
// selection leaves the text before it; dropped before, it goes where it was dropped. Dropped
// within the selection or on either of its ends, nothing moves.
std::optional<SelfMove> PlanSelfMove(std::string_view text, const Selection& selection,
                                     LineCol drop);

// A press becomes a drag once the pointer leaves the square of 5 pixels each way around the
// press point; the right and bottom edges lie outside the square.
constexpr int kDragSquareHalf = 5;
constexpr bool IsOutsideDragSquare(int pressX, int pressY, int x, int y) {
    return x < pressX - kDragSquareHalf || x >= pressX + kDragSquareHalf ||
           y < pressY - kDragSquareHalf || y >= pressY + kDragSquareHalf;
}

// A single-line edit scrolls one character at a time while a drag is within `inset` pixels
// of its left (-1) or right (+1) border; elsewhere it does not scroll (0). The vertical
// border zones are left out: in an edit one line high they would cover the whole edit.
constexpr int DragScrollStep(int width, int inset, int x) {
    if (x < 0 || x >= width) {
        return 0;
    }
    if (x < inset) {
        return -1;
    }
    return x >= width - inset ? 1 : 0;
}

} // namespace quillet
