#pragma once

#include "controls/DialogUnits.h"

namespace quillet {

// The pixel tables were drawn for a window frame of this size; "outer" sizes in them are
// the client size plus this frame, whatever frame the window manager really draws.
inline constexpr geom::Size kNominalFrame{8, 27};

constexpr geom::Size OuterFromClient(geom::Size client) {
    return {client.width + kNominalFrame.width, client.height + kNominalFrame.height};
}

constexpr geom::Size ClientFromOuter(geom::Size outer) {
    return {outer.width - kNominalFrame.width, outer.height - kNominalFrame.height};
}

// A template rectangle in pixels: its edges convert on their own, rounded, so controls sit
// where the template puts them and neighbours that touch in dialog units still touch.
inline geom::Rect DialogUnitsToPixels(geom::Rect dialogUnits, DialogBaseUnits base) {
    return MapDialogRect(dialogUnits.left, dialogUnits.top, dialogUnits.Width(),
                         dialogUnits.Height(), base);
}

} // namespace quillet
