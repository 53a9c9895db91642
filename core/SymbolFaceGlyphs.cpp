#include "core/SymbolFaceGlyphs.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <array>
#include <span>

namespace quillet {
namespace {

struct Glyph {
    unsigned char code;
    char32_t character;
};

// Sorted by code. The Greek letters, the card suits and the common signs of the face.
constexpr auto kSymbolGlyphs = std::to_array<Glyph>({
    {0x22, U'\u2200'}, {0x24, U'\u2203'}, {0x27, U'\u220B'}, {0x2A, U'\u2217'}, {0x2D, U'\u2212'},
    {0x40, U'\u2245'}, {0x41, U'\u0391'}, {0x42, U'\u0392'}, {0x43, U'\u03A7'}, {0x44, U'\u0394'},
    {0x45, U'\u0395'}, {0x46, U'\u03A6'}, {0x47, U'\u0393'}, {0x48, U'\u0397'}, {0x49, U'\u0399'},
    {0x4A, U'\u03D1'}, {0x4B, U'\u039A'}, {0x4C, U'\u039B'}, {0x4D, U'\u039C'}, {0x4E, U'\u039D'},
    {0x4F, U'\u039F'}, {0x50, U'\u03A0'}, {0x51, U'\u0398'}, {0x52, U'\u03A1'}, {0x53, U'\u03A3'},
    {0x54, U'\u03A4'}, {0x55, U'\u03A5'}, {0x56, U'\u03C2'}, {0x57, U'\u03A9'}, {0x58, U'\u039E'},
    {0x59, U'\u03A8'}, {0x5A, U'\u0396'}, {0x5C, U'\u2234'}, {0x5E, U'\u22A5'}, {0x61, U'\u03B1'},
    {0x62, U'\u03B2'}, {0x63, U'\u03C7'}, {0x64, U'\u03B4'}, {0x65, U'\u03B5'}, {0x66, U'\u03C6'},
    {0x67, U'\u03B3'}, {0x68, U'\u03B7'}, {0x69, U'\u03B9'}, {0x6A, U'\u03D5'}, {0x6B, U'\u03BA'},
    {0x6C, U'\u03BB'}, {0x6D, U'\u03BC'}, {0x6E, U'\u03BD'}, {0x6F, U'\u03BF'}, {0x70, U'\u03C0'},
    {0x71, U'\u03B8'}, {0x72, U'\u03C1'}, {0x73, U'\u03C3'}, {0x74, U'\u03C4'}, {0x75, U'\u03C5'},
    {0x76, U'\u03D6'}, {0x77, U'\u03C9'}, {0x78, U'\u03BE'}, {0x79, U'\u03C8'}, {0x7A, U'\u03B6'},
    {0xA2, U'\u2032'}, {0xA3, U'\u2264'}, {0xA5, U'\u221E'}, {0xA7, U'\u2663'}, {0xA8, U'\u2666'},
    {0xA9, U'\u2665'}, {0xAA, U'\u2660'}, {0xAB, U'\u2194'}, {0xAC, U'\u2190'}, {0xAD, U'\u2191'},
    {0xAE, U'\u2192'}, {0xAF, U'\u2193'}, {0xB0, U'\u00B0'}, {0xB1, U'\u00B1'}, {0xB2, U'\u2033'},
    {0xB3, U'\u2265'}, {0xB4, U'\u00D7'}, {0xB6, U'\u2202'}, {0xB8, U'\u00F7'}, {0xB9, U'\u2260'},
    {0xBA, U'\u2261'}, {0xBB, U'\u2248'}, {0xBC, U'\u2026'}, {0xC0, U'\u2135'}, {0xC4, U'\u2297'},
    {0xC5, U'\u2295'}, {0xC6, U'\u2205'}, {0xC7, U'\u2229'}, {0xC8, U'\u222A'}, {0xCE, U'\u2208'},
    {0xCF, U'\u2209'}, {0xD1, U'\u2207'}, {0xD5, U'\u220F'}, {0xD6, U'\u221A'}, {0xD7, U'\u22C5'},
    {0xD8, U'\u00AC'}, {0xD9, U'\u2227'}, {0xDA, U'\u2228'}, {0xE0, U'\u25CA'}, {0xE5, U'\u2211'},
    {0xF2, U'\u222B'},
});

// Sorted by code. Office and computer pictures, hands, signs, the zodiac; the logo of
// code FF has no character of its own and shows as a squared plus.
constexpr auto kWingdingsGlyphs = std::to_array<Glyph>({
    {0x21, U'\u270F'},     {0x22, U'\u2702'},     {0x23, U'\u2701'},     {0x28, U'\u260E'},
    {0x29, U'\u2706'},     {0x2A, U'\u2709'},     {0x36, U'\u231B'},     {0x37, U'\u2328'},
    {0x38, U'\U0001F5B0'}, {0x39, U'\U0001F5B2'}, {0x3A, U'\U0001F5A5'}, {0x3B, U'\U0001F5B4'},
    {0x3C, U'\U0001F5AB'}, {0x3D, U'\U0001F5AC'}, {0x3E, U'\u2707'},     {0x41, U'\u270C'},
    {0x43, U'\U0001F44D'}, {0x44, U'\U0001F44E'}, {0x45, U'\u261C'},     {0x46, U'\u261E'},
    {0x47, U'\u261D'},     {0x48, U'\u261F'},     {0x4A, U'\u263A'},     {0x4C, U'\u2639'},
    {0x4D, U'\U0001F4A3'}, {0x4E, U'\u2620'},     {0x51, U'\u2708'},     {0x52, U'\u263C'},
    {0x53, U'\U0001F4A7'}, {0x54, U'\u2744'},     {0x55, U'\u271D'},     {0x57, U'\u2720'},
    {0x59, U'\u2721'},     {0x5A, U'\u262A'},     {0x5B, U'\u262F'},     {0x5D, U'\u2638'},
    {0x5E, U'\u2648'},     {0x5F, U'\u2649'},     {0x60, U'\u264A'},     {0x61, U'\u264B'},
    {0x62, U'\u264C'},     {0x63, U'\u264D'},     {0x64, U'\u264E'},     {0x65, U'\u264F'},
    {0x66, U'\u2650'},     {0x67, U'\u2651'},     {0x68, U'\u2652'},     {0x69, U'\u2653'},
    {0x6C, U'\u25CF'},     {0x6E, U'\u25A0'},     {0x75, U'\u25C6'},     {0x76, U'\u2756'},
    {0xFC, U'\u2714'},     {0xFF, U'\u229E'},
});

char32_t Find(std::span<const Glyph> table, unsigned char code) {
    const auto found = std::ranges::lower_bound(table, code, {}, &Glyph::code);
    return found != table.end() && found->code == code ? found->character : 0;
}

} // namespace

SymbolFace SymbolFaceNamed(std::string_view face) {
    const std::string lower = AsciiLower(face);
    if (lower == "symbol") {
        return SymbolFace::Symbol;
    }
    if (lower == "wingdings") {
        return SymbolFace::Wingdings;
    }
    return SymbolFace::None;
}

char32_t SymbolGlyph(SymbolFace face, unsigned char code) {
    switch (face) {
    case SymbolFace::Symbol:
        return Find(kSymbolGlyphs, code);
    case SymbolFace::Wingdings:
        return Find(kWingdingsGlyphs, code);
    case SymbolFace::None:
        break;
    }
    return 0;
}

} // namespace quillet
