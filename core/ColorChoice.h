#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// Red in bits 0-7, green in 8-15, blue in 16-23.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr unsigned RedOf(Rgb rgb) {
    return rgb & 0xFF;
}
constexpr unsigned GreenOf(Rgb rgb) {
    return (rgb >> 8) & 0xFF;
}
constexpr unsigned BlueOf(Rgb rgb) {
    return (rgb >> 16) & 0xFF;
}

// A colour input: the name the user picked and the colour it stands for. The name decides
// what the fragment says, the value is what samples show and gradations compute with.
struct ColorChoice {
    std::string Name; // code page 932
    Rgb Value = 0;

    bool operator==(const ColorChoice&) const = default;
};

// "標準": the slot's default; the fragment gets no colour attribute.
std::string_view StandardColorName();
// "その他": a colour from the system chooser, written as six hexadecimal digits.
std::string_view OtherColorName();

ColorChoice StandardColor(Rgb value);
ColorChoice OtherColor(Rgb value);
bool IsStandard(const ColorChoice& choice);

} // namespace quillet
