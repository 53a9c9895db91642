#include "app/Geometry.h"
#include "app/DialogTemplate.h"

#include <gtest/gtest.h>

using namespace quillet;

TEST(Geometry, OuterSizeAddsTheNominalFrameAndClientSizeRemovesIt) {
    EXPECT_EQ(ClientFromOuter({400, 243}), (Size{392, 216}));
    EXPECT_EQ(OuterFromClient({392, 216}), (Size{400, 243}));
}

TEST(Geometry, DialogUnitsScaleByAQuarterAcrossAndAnEighthDown) {
    const BaseUnits base{6, 12};
    EXPECT_EQ(DialogUnitsToPixels({9, 40, 31, 8}, base), (Rect{13, 60, 46, 12}));
    EXPECT_EQ(DialogUnitsToPixels({198, 153, 0, 0}, {7, 15}), (Rect{346, 286, 0, 0}));
}

TEST(Geometry, BaseUnitWidthIsTheRoundedAverageLetterWidth) {
    EXPECT_EQ(MeasureBaseUnits(312, 12), (BaseUnits{6, 12})); // 6.0 per letter
    EXPECT_EQ(MeasureBaseUnits(338, 12), (BaseUnits{7, 12})); // 6.5 rounds up
    EXPECT_EQ(MeasureBaseUnits(337, 13), (BaseUnits{6, 13}));
}
