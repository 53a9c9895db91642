#pragma once

#include "app/ControlIds.h"
#include "app/Geometry.h"

#include <optional>

namespace quillet {

// The main window as designed, in dialog units.
inline constexpr Size kTemplateSize{198, 153};

struct TemplateControl {
    ControlId id;
    Rect rect; // dialog units
};

// The rectangle a control starts from; the page layout moves some of them later.
std::optional<Rect> TemplateRect(ControlId id);

} // namespace quillet
