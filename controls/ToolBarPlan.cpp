#include "controls/ToolBarPlan.h"

#include <algorithm>

namespace quillet {

std::vector<PlannedToolButton> PlanToolButtons(std::span<const int> ids) {
    std::vector<PlannedToolButton> buttons;
    buttons.reserve(ids.size());
    int nextImage = 0;
    for (const int id : ids) {
        if (id == 0) {
            buttons.push_back({.commandId = 0, .separator = true, .width = kToolBarSeparatorWidth});
        } else {
            buttons.push_back({.commandId = id, .separator = false, .image = nextImage++});
        }
    }
    return buttons;
}

std::vector<ImageMapEntry> BuildImageMap(std::span<const int> ids) {
    std::vector<ImageMapEntry> map;
    for (const PlannedToolButton& button : PlanToolButtons(ids)) {
        if (!button.separator) {
            map.push_back({button.image, button.commandId});
        }
    }
    return map;
}

int FindImage(std::span<const ImageMapEntry> map, int commandId) {
    const auto it = std::ranges::find(map, commandId, &ImageMapEntry::commandId);
    return it != map.end() ? it->image : -1;
}

} // namespace quillet
