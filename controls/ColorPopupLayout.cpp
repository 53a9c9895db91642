#include "controls/ColorPopupLayout.h"

namespace quillet {
namespace {

// The popup's template, in dialog units.
constexpr int kClientWidth = 51;
constexpr int kClientHeight = 102;
constexpr std::array<int, kPaletteColumns> kSwatchColumns = {2, 14, 26, 39};
constexpr std::array<int, 7> kSwatchRows = {18, 30, 42, 54, 66, 78, 90};
constexpr int kSwatchSize = 10;

static_assert(kSwatchColumns.size() * kSwatchRows.size() == colorpopup::SwatchCount);

geom::Rect InWindow(geom::Rect client) {
    const int d = colorpopup::FrameWidth;
    return {client.left + d, client.top + d, client.right + d, client.bottom + d};
}

} // namespace

ColorPopupLayout LayOutColorPopup(DialogBaseUnits base) {
    ColorPopupLayout layout;
    const int frame = 2 * colorpopup::FrameWidth;
    layout.window = {DialogUnitsToPixelsX(kClientWidth, base) + frame,
                     DialogUnitsToPixelsY(kClientHeight, base) + frame};
    layout.standardBox = InWindow(MapDialogRect(2, 2, 31, 13, base));
    layout.moreColorsPlace = InWindow(MapDialogRect(36, 1, 13, 16, base));
    for (std::size_t i = 0; i < layout.swatches.size(); ++i) {
        layout.swatches[i] = InWindow(MapDialogRect(kSwatchColumns[i % kSwatchColumns.size()],
                                                    kSwatchRows[i / kSwatchColumns.size()],
                                                    kSwatchSize, kSwatchSize, base));
    }
    return layout;
}

Rgb SwatchPaintValue(const PaletteColor& color) {
    return color.Name == "銀色" ? MakeRgb(0x89, 0x89, 0x89) : color.Value;
}

} // namespace quillet
