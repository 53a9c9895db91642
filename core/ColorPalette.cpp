#include "core/ColorPalette.h"

#include "core/HexColor.h"

#include <algorithm>
#include <array>

namespace quillet {
namespace {

constexpr std::array<PaletteColor, 28> kPalette{{
    {"白", 1003, MakeRgb(255, 255, 255), "White"},
    {"銀色", 1005, MakeRgb(138, 138, 138), "Silver"},
    {"灰色", 1008, MakeRgb(56, 56, 56), "Gray"},
    {"黒", 1010, MakeRgb(0, 0, 0), "Black"},
    {"ピンク", 1013, MakeRgb(255, 137, 149), "Pink"},
    {"トマト", 1092, MakeRgb(255, 33, 16), "Tomato"},
    {"赤", 1093, MakeRgb(255, 0, 0), "Red"},
    {"茶色", 1094, MakeRgb(128, 0, 0), "Brown"},
    {"黄色", 1095, MakeRgb(255, 255, 0), "Yellow"},
    {"金色", 1096, MakeRgb(255, 177, 0), "Gold"},
    {"オレンジ", 1097, MakeRgb(255, 97, 0), "Orange"},
    {"オリーブ", 1098, MakeRgb(128, 128, 0), "Olive"},
    {"シャルトルーズ", 1099, MakeRgb(56, 255, 0), "Chartreuse"},
    {"黄緑", 1100, MakeRgb(0, 255, 0), "Lime"},
    {"ライムグリーン", 1101, MakeRgb(6, 156, 6), "LimeGreen"},
    {"緑", 1102, MakeRgb(0, 128, 0), "Green"},
    {"アクアマリン", 1103, MakeRgb(56, 255, 177), "AquaMarine"},
    {"水色", 1104, MakeRgb(0, 255, 255), "Aqua"},
    {"青緑", 1105, MakeRgb(14, 192, 163), "Turquoise"},
    {"子がも", 1106, MakeRgb(0, 128, 128), "Teal"},
    {"ラベンダー", 1107, MakeRgb(207, 207, 240), "Lavender"},
    {"空", 1108, MakeRgb(64, 163, 207), "SkyBlue"},
    {"青", 1109, MakeRgb(0, 0, 255), "Blue"},
    {"紺", 1110, MakeRgb(0, 0, 128), "Navy"},
    {"赤紫", 1111, MakeRgb(255, 0, 255), "Fuchsia"},
    {"すみれ", 1112, MakeRgb(223, 60, 223), "Violet"},
    {"らん", 1113, MakeRgb(177, 42, 177), "Orchid"},
    {"紫", 1114, MakeRgb(128, 0, 128), "Purple"},
}};

} // namespace

std::span<const PaletteColor> ColorPalette() {
    return kPalette;
}

const PaletteColor* FindPaletteColorByName(std::string_view name) {
    const auto found = std::ranges::find(kPalette, name, &PaletteColor::Name);
    return found == kPalette.end() ? nullptr : &*found;
}

const PaletteColor* FindPaletteColorBySwatch(int swatchId) {
    const auto found = std::ranges::find(kPalette, swatchId, &PaletteColor::SwatchId);
    return found == kPalette.end() ? nullptr : &*found;
}

ColorChoice ChoiceOf(const PaletteColor& color) {
    return {std::string(color.Name), color.Value};
}

std::string HtmlColorText(const ColorChoice& choice) {
    if (const PaletteColor* color = FindPaletteColorByName(choice.Name)) {
        return std::string(color->HtmlName);
    }
    std::string text;
    if (choice.Name == OtherColorName()) {
        AppendHexColor(text, choice.Value);
    }
    return text;
}

} // namespace quillet
