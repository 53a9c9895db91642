#include "controls/ColorPopupLayout.h"
#include "controls/DialogUnits.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(DialogUnits, BaseUnitsAreTheRoundedAverageLetterWidthAndTheFontHeight) {
    EXPECT_EQ(BaseUnitsOf(312, 12), (DialogBaseUnits{6, 12})); // exactly 6 a letter
    EXPECT_EQ(BaseUnitsOf(324, 12), (DialogBaseUnits{6, 12})); // 6.23
    EXPECT_EQ(BaseUnitsOf(338, 13), (DialogBaseUnits{7, 13})); // 6.5 rounds up
}

TEST(DialogUnits, ConversionRoundsHalvesAwayFromZero) {
    const DialogBaseUnits base{6, 12};
    EXPECT_EQ(DialogUnitsToPixelsX(51, base), 77); // 76.5
    EXPECT_EQ(DialogUnitsToPixelsX(-1, base), -2); // -1.5
    EXPECT_EQ(DialogUnitsToPixelsY(102, base), 153);
    EXPECT_EQ(DialogUnitsToPixelsY(1, base), 2); // 1.5
}

TEST(DialogUnits, RectanglesConvertTheirEdgesSoNeighboursStillTouch) {
    const DialogBaseUnits base{7, 13};
    const geom::Rect left = MapDialogRect(2, 18, 10, 10, base);
    const geom::Rect right = MapDialogRect(12, 18, 10, 10, base);
    EXPECT_EQ(left, (geom::Rect{4, 29, 21, 46})); // 3.5 .. 21, 29.25 .. 45.5
    EXPECT_EQ(left.right, right.left);
}

TEST(ColorPopupLayout, WindowIsTheClientAreaInsideAThreePixelFrame) {
    const ColorPopupLayout layout = LayOutColorPopup({6, 12});
    EXPECT_EQ(layout.window, (geom::Size{77 + 6, 153 + 6}));
    EXPECT_EQ(layout.standardBox, (geom::Rect{3 + 3, 3 + 3, 50 + 3, 23 + 3}));
    EXPECT_EQ(layout.moreColorsPlace, (geom::Rect{54 + 3, 2 + 3, 74 + 3, 26 + 3}));
}

TEST(ColorPopupLayout, SwatchesFillSevenRowsOfFourInPaletteOrder) {
    const ColorPopupLayout layout = LayOutColorPopup({6, 12});
    const int columns[] = {3, 21, 39, 59};
    const int rows[] = {27, 45, 63, 81, 99, 117, 135};
    for (std::size_t i = 0; i < layout.swatches.size(); ++i) {
        const geom::Rect& swatch = layout.swatches[i];
        EXPECT_EQ(swatch.left, columns[i % 4] + 3) << i;
        EXPECT_EQ(swatch.top, rows[i / 4] + 3) << i;
        EXPECT_EQ(swatch.Width(), 15) << i;
        EXPECT_EQ(swatch.Height(), 15) << i;
    }
}

} // namespace
} // namespace quillet
