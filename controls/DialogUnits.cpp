#include "controls/DialogUnits.h"

namespace quillet {
namespace {

// value * numerator / denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long scaled =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(scaled);
}

} // namespace

DialogBaseUnits BaseUnitsOf(int latinLettersWidth, int fontHeight) {
    // Half the width of a letter pair, rounded: the average over the 52 letters.
    return {(latinLettersWidth / 26 + 1) / 2, fontHeight};
}

int DialogUnitsToPixelsX(int units, DialogBaseUnits base) {
    return ScaleRounded(units, base.x, 4);
}

int DialogUnitsToPixelsY(int units, DialogBaseUnits base) {
    return ScaleRounded(units, base.y, 8);
}

geom::Rect MapDialogRect(int x, int y, int width, int height, DialogBaseUnits base) {
    return {DialogUnitsToPixelsX(x, base), DialogUnitsToPixelsY(y, base),
            DialogUnitsToPixelsX(x + width, base), DialogUnitsToPixelsY(y + height, base)};
}

} // namespace quillet
