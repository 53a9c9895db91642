#include "controls/ToolWindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace quillet {
namespace {

using geom::Rect;

constexpr Rect kWide = Rect::OfSize(0, 0, 1024, 768);
constexpr Rect kNarrow = Rect::OfSize(0, 0, 500, 768);
constexpr Rect kOwner = Rect::OfSize(0, 0, 298, 270);
constexpr geom::Size kSource{290, 180};
constexpr geom::Size kPreview{368, 227};

struct Case {
    const char* what;
    ToolWindowPlacement placement;
    Rect expected;
};

const Case kCases[] = {
    {"source right of the owner", {kWide, kOwner, {}, {}, kSource}, Rect::OfSize(298, 0, 290, 180)},
    {"preview below the source",
     {kWide, kOwner, {}, Rect::OfSize(298, 0, 290, 180), kPreview, true},
     Rect::OfSize(298, 180, 368, 227)},
    {"preview beside the source when a tall source leaves no room below",
     {kWide, kOwner, {}, Rect::OfSize(298, 0, 290, 600), kPreview, true},
     Rect::OfSize(588, 0, 368, 227)},
    {"source below a preview that took its place",
     {kWide, kOwner, {}, Rect::OfSize(298, 0, 368, 227), kSource},
     Rect::OfSize(298, 227, 290, 180)},
    {"left of an owner at the right edge",
     {kWide, Rect::OfSize(726, 0, 298, 270), {}, {}, kSource},
     Rect::OfSize(436, 0, 290, 180)},
    {"narrow screen: source below the owner",
     {kNarrow, kOwner, {}, {}, kSource},
     Rect::OfSize(0, 270, 290, 180)},
    {"narrow screen: preview below the source",
     {kNarrow, kOwner, {}, Rect::OfSize(0, 270, 290, 180), kPreview, true},
     Rect::OfSize(0, 450, 368, 227)},
    {"kept place stays, even over the owner",
     {kWide, kOwner, Rect::OfSize(100, 100, 400, 300), Rect::OfSize(600, 0, 290, 180), kSource},
     Rect::OfSize(100, 100, 400, 300)},
    {"kept place mostly on the screen is pulled onto it",
     {kWide, kOwner, Rect::OfSize(900, 600, 200, 200), {}, kSource},
     Rect::OfSize(824, 568, 200, 200)},
    {"kept place larger than the screen shrinks to it",
     {kWide, kOwner, Rect::OfSize(-10, -10, 3000, 2000), {}, kSource},
     kWide},
    {"kept place off the screen: its size beside the owner",
     {kWide, kOwner, Rect::OfSize(2000, 0, 300, 200), {}, kSource},
     Rect::OfSize(298, 0, 300, 200)},
    {"kept place over the other moves beside it",
     {kWide, kOwner, Rect::OfSize(400, 100, 300, 200), Rect::OfSize(298, 0, 290, 180), kPreview,
      true},
     Rect::OfSize(588, 100, 300, 200)},
    {"kept place over the other at the right edge moves left of it",
     {kWide, kOwner, Rect::OfSize(700, 100, 300, 200), Rect::OfSize(600, 0, 400, 400), kSource},
     Rect::OfSize(300, 100, 300, 200)},
    {"empty kept place",
     {kWide, kOwner, Rect{500, 500, 500, 600}, {}, kSource},
     Rect::OfSize(298, 0, 290, 180)},
    {"kept place of negative size",
     {kWide, kOwner, Rect{500, 500, 400, 400}, {}, kSource},
     Rect::OfSize(298, 0, 290, 180)},
    {"kept place at the ends of int",
     {kWide, kOwner, Rect{INT_MIN, 0, INT_MAX, 100}, {}, kSource},
     Rect::OfSize(298, 0, 290, 180)},
    {"damaged other window is ignored",
     {kWide, kOwner, {}, Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kSource},
     Rect::OfSize(298, 0, 290, 180)},
    {"crowded screen: over the owner rather than the other",
     {Rect::OfSize(0, 0, 400, 400),
      Rect::OfSize(0, 0, 400, 200),
      {},
      Rect::OfSize(0, 200, 400, 200),
      kSource},
     Rect::OfSize(110, 0, 290, 180)},
};

TEST(ToolWindowPlacement, PlacesEachCase) {
    for (const Case& c : kCases) {
        EXPECT_EQ(PlaceToolWindow(c.placement), c.expected) << c.what;
    }
}

} // namespace
} // namespace quillet
