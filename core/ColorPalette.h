#pragma once

#include "core/ColorChoice.h"

#include <span>
#include <string>
#include <string_view>

namespace quillet {

// One named colour of the picker. The fragment carries the HTML name; samples and
// gradations use the value, which is the program's own and not always the browser's.
struct PaletteColor {
    std::string_view Name; // code page 932
    int SwatchId = 0;
    Rgb Value = 0;
    std::string_view HtmlName;
};

// The picker lays the palette out four to a row, in this order.
inline constexpr int kPaletteColumns = 4;

std::span<const PaletteColor> ColorPalette();

// nullptr when no palette colour has that name or swatch.
const PaletteColor* FindPaletteColorByName(std::string_view name);
const PaletteColor* FindPaletteColorBySwatch(int swatchId);

ColorChoice ChoiceOf(const PaletteColor& color);

// The attribute value for a colour: the HTML name of a palette colour, six lower-case
// hexadecimal digits for "その他", and nothing for "標準" or an unknown name.
std::string HtmlColorText(const ColorChoice& choice);

} // namespace quillet
