#pragma once

namespace quillet {

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

// The pixel tables were drawn for a window frame of this size; "outer" sizes in them are
// the client size plus this frame, whatever frame the window manager really draws.
inline constexpr Size kNominalFrame{8, 27};

constexpr Size OuterFromClient(Size client) {
    return {client.width + kNominalFrame.width, client.height + kNominalFrame.height};
}

constexpr Size ClientFromOuter(Size outer) {
    return {outer.width - kNominalFrame.width, outer.height - kNominalFrame.height};
}

// The dialog font's base units: the average width of A-Z and a-z, and the font height.
struct BaseUnits {
    int x = 6;
    int y = 12;

    bool operator==(const BaseUnits&) const = default;
};

// `lettersWidth` is the width of "A" to "Z" followed by "a" to "z" in the dialog font; the
// average is rounded the way dialog managers round it.
constexpr BaseUnits MeasureBaseUnits(int lettersWidth, int fontHeight) {
    return {(lettersWidth / 26 + 1) / 2, fontHeight};
}

constexpr int HorizontalPixels(int dialogUnits, BaseUnits base) {
    return dialogUnits * base.x / 4;
}

constexpr int VerticalPixels(int dialogUnits, BaseUnits base) {
    return dialogUnits * base.y / 8;
}

constexpr Rect DialogUnitsToPixels(Rect dialogUnits, BaseUnits base) {
    return {HorizontalPixels(dialogUnits.x, base), VerticalPixels(dialogUnits.y, base),
            HorizontalPixels(dialogUnits.width, base), VerticalPixels(dialogUnits.height, base)};
}

} // namespace quillet
