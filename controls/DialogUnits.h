#pragma once

#include "controls/Geometry.h"

namespace quillet {

// Horizontal and vertical base units of a dialog font: the average width of its Latin
// letters and its height, in pixels. A dialog unit is a quarter of the one and an eighth
// of the other.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
    bool operator==(const DialogBaseUnits&) const = default;
};

// From the width of "A".."Z" "a".."z" set in the font, and the font's height.
DialogBaseUnits BaseUnitsOf(int latinLettersWidth, int fontHeight);

int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);

// Edges convert on their own, so neighbouring controls that touch in dialog units still
// touch in pixels.
geom::Rect MapDialogRect(int x, int y, int width, int height, DialogBaseUnits base);

} // namespace quillet
