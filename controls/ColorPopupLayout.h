#pragma once

#include "controls/DialogUnits.h"
#include "controls/Geometry.h"
#include "core/ColorPalette.h"

#include <array>

namespace quillet {

namespace colorpopup {
inline constexpr int TemplateId = 107;
inline constexpr int StandardBox = 1034;
// A hidden control of the template: only its rectangle is used, for the "その他" tool bar.
inline constexpr int MoreColorsPlace = 1204;
inline constexpr int SwatchCount = 28;
// The frame round the client area: a raised edge and one line of face colour.
inline constexpr int FrameWidth = 3;
} // namespace colorpopup

// Where the popup's parts go, in pixels from the window's top-left corner (frame included).
struct ColorPopupLayout {
    geom::Size window;
    geom::Rect standardBox;
    geom::Rect moreColorsPlace;
    std::array<geom::Rect, colorpopup::SwatchCount> swatches; // palette order

    bool operator==(const ColorPopupLayout&) const = default;
};

// The popup's dialog-unit geometry set in a dialog font with these base units.
ColorPopupLayout LayOutColorPopup(DialogBaseUnits base);

// The colour a swatch is painted in: the palette value, except that "銀色" is painted one
// step darker than the colour it chooses.
Rgb SwatchPaintValue(const PaletteColor& color);

} // namespace quillet
