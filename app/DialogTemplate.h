#pragma once

#include "app/Geometry.h"
#include "core/CommandIds.h"
#include "resources/ResourceIds.h"

#include <optional>

namespace quillet {

// The main window as designed, in dialog units.
inline constexpr geom::Size kTemplateSize{198, 153};

struct TemplateControl {
    int id;
    geom::Rect rect; // dialog units
};

// The rectangle a control starts from; the page layout moves some of them later.
std::optional<geom::Rect> TemplateRect(int id);

} // namespace quillet
