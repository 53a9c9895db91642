#include "app/Geometry.h"
#include "app/DialogTemplate.h"

#include <gtest/gtest.h>

using namespace quillet;

TEST(Geometry, OuterSizeAddsTheNominalFrameAndClientSizeRemovesIt) {
    EXPECT_EQ(ClientFromOuter({400, 243}), (geom::Size{392, 216}));
    EXPECT_EQ(OuterFromClient({392, 216}), (geom::Size{400, 243}));
}

// The template's label and text field start at 9 dialog units, 15.75 pixels with a base
// width of 7; the browse button is 50 x 15 units, 87.5 x 22.5 pixels.
TEST(Geometry, TemplateRectanglesRoundTheirEdgesToTheNearestPixel) {
    const DialogBaseUnits base{7, 12};
    EXPECT_EQ(DialogUnitsToPixels(geom::Rect::OfSize(9, 50, 6, 13), base),
              geom::Rect::OfSize(16, 75, 10, 20));
    EXPECT_EQ(DialogUnitsToPixels(geom::Rect::OfSize(135, 100, 50, 15), base),
              geom::Rect::OfSize(236, 150, 88, 23));
}
