#pragma once

#include "controls/Geometry.h"

#include <optional>

namespace quillet {

// What decides where a tool window opens. Every rectangle is a whole window, frame and
// title bar included, in screen pixels.
struct ToolWindowPlacement {
    geom::Rect screen; // the screen's area left free by panels
    geom::Rect owner;  // the main window
    // Where the window stood when it last closed; anything, as read from the settings.
    std::optional<geom::Rect> kept;
    // The other tool window, while it shows.
    std::optional<geom::Rect> other;
    // The window's own size, for a window without a usable kept place.
    geom::Size size;
    // The second of the pair looks below and beside the other before beside the owner.
    bool second = false;
};

// A kept place that still lies mostly on the screen stays, moved only off the other tool
// window when there is room beside, below or above it. Otherwise the window goes right of
// the owner, else left of it, else below it, touching neither the owner nor the other.
// The result always lies on the screen.
geom::Rect PlaceToolWindow(const ToolWindowPlacement& placement);

} // namespace quillet
