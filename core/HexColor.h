#pragma once

#include "core/ColorChoice.h"

#include <array>
#include <string>

namespace quillet {

// Two lower-case hexadecimal digits for every byte value.
inline constexpr auto kHexPairs = [] {
    std::array<std::array<char, 2>, 256> pairs{};
    constexpr char digits[] = "0123456789abcdef";
    for (unsigned value = 0; value < 256; ++value) {
        pairs[value] = {digits[value >> 4], digits[value & 0xF]};
    }
    return pairs;
}();

// Red, green, blue as six lower-case digits with no number sign, into `out[0..5]`.
inline void WriteHexColor(char* out, unsigned red, unsigned green, unsigned blue) {
    out[0] = kHexPairs[red & 0xFF][0];
    out[1] = kHexPairs[red & 0xFF][1];
    out[2] = kHexPairs[green & 0xFF][0];
    out[3] = kHexPairs[green & 0xFF][1];
    out[4] = kHexPairs[blue & 0xFF][0];
    out[5] = kHexPairs[blue & 0xFF][1];
}

inline void AppendHexColor(std::string& out, Rgb value) {
    char digits[6];
    WriteHexColor(digits, RedOf(value), GreenOf(value), BlueOf(value));
    out.append(digits, sizeof digits);
}

} // namespace quillet
