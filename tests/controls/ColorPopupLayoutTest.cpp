#include "controls/ColorPopupLayout.h"
#include "controls/DialogUnits.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(DialogUnits, BaseUnitsAreTheRoundedAverageLetterWidthAndTheFontHeight) {
    EXPECT_EQ(BaseUnitsOf(324, 12), (DialogBaseUnits{6, 12})); // 6.23
    EXPECT_EQ(BaseUnitsOf(338, 13), (DialogBaseUnits{7, 13})); // 6.5 rounds up
}

TEST(DialogUnits, EdgesRoundHalvesAwayFromZeroSoNeighboursStillTouch) {
    const DialogBaseUnits base{7, 13};
    EXPECT_EQ(DialogUnitsToPixelsX(-2, base), -4); // -3.5
    const geom::Rect left = MapDialogRect(2, 18, 10, 10, base);
    EXPECT_EQ(left, (geom::Rect{4, 29, 21, 46})); // 3.5 .. 21, 29.25 .. 45.5
    EXPECT_EQ(MapDialogRect(12, 18, 10, 10, base).left, left.right);
}

TEST(ColorPopupLayout, ClientAreaSitsInsideAThreePixelFrame) {
    const ColorPopupLayout layout = LayOutColorPopup({6, 12});
    EXPECT_EQ(layout.window, (geom::Size{77 + 6, 153 + 6}));
    EXPECT_EQ(layout.standardBox, (geom::Rect{3 + 3, 3 + 3, 50 + 3, 23 + 3}));
    EXPECT_EQ(layout.moreColorsPlace, (geom::Rect{54 + 3, 2 + 3, 74 + 3, 26 + 3}));
    EXPECT_EQ(layout.swatches.front(), (geom::Rect{3 + 3, 27 + 3, 18 + 3, 42 + 3}));
    EXPECT_EQ(layout.swatches[6], (geom::Rect{39 + 3, 45 + 3, 54 + 3, 60 + 3}));
    EXPECT_EQ(layout.swatches.back(), (geom::Rect{59 + 3, 135 + 3, 74 + 3, 150 + 3}));
}

} // namespace
} // namespace quillet
