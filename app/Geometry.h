#pragma once

#include "controls/DialogUnits.h"

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

// A template rectangle in pixels: its edges convert on their own, rounded, so controls sit
// where the template puts them and neighbours that touch in dialog units still touch.
inline Rect DialogUnitsToPixels(Rect dialogUnits, DialogBaseUnits base) {
    const geom::Rect edges =
        MapDialogRect(dialogUnits.x, dialogUnits.y, dialogUnits.width, dialogUnits.height, base);
    return {edges.left, edges.top, edges.Width(), edges.Height()};
}

} // namespace quillet
