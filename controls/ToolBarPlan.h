#pragma once

#include "controls/Geometry.h"

#include <span>
#include <vector>

namespace quillet {

inline constexpr int kToolBarSeparatorWidth = 8;

// One item of a tool bar as it is to be built: a button showing image `image` of the
// strip, or a separator `width` pixels wide.
struct PlannedToolButton {
    int commandId = 0;
    bool separator = false;
    int image = -1; // buttons only
    int width = 0;  // separators only

    bool operator==(const PlannedToolButton&) const = default;
};

// Command 0 is a separator; images are numbered over the buttons only, so that they
// match the strip, which has no pictures for separators.
std::vector<PlannedToolButton> PlanToolButtons(std::span<const int> ids);

// Buttons are 7 pixels wider and higher than their images.
constexpr geom::Size ToolButtonSize(geom::Size image) {
    return {image.width + 7, image.height + 7};
}

// Which image of a strip belongs to which command, in item order.
struct ImageMapEntry {
    int image = 0;
    int commandId = 0;
    bool operator==(const ImageMapEntry&) const = default;
};

std::vector<ImageMapEntry> BuildImageMap(std::span<const int> ids);

// The image of the first entry for the command, or -1.
int FindImage(std::span<const ImageMapEntry> map, int commandId);

} // namespace quillet
