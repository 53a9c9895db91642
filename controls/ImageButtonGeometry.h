#pragma once

#include "controls/Geometry.h"

// Where an image button draws its icon, caption and focus frame. The painter only
// follows the plan made here.
namespace quillet {

struct ImageButtonInput {
    geom::Rect rect; // the button's client rectangle
    bool hasIcon = false;
    geom::Size image; // the size the icon was loaded at
    bool hasCaption = false;
    int captionWidth = 0; // the raw caption, "&" marks counted
    bool pushed = false;
    bool disabled = false;
    bool focused = false;
};

struct ImageButtonPlan {
    bool drawIcon = false;
    geom::Point iconAt;
    bool drawCaption = false;
    geom::Point captionAt; // top left of the caption
    bool embossed = false;
    bool drawFocus = false;
    geom::Rect focus;
};

inline constexpr int kImageButtonLeftMargin = 4;
inline constexpr int kImageButtonGap = 8;
inline constexpr int kImageButtonCaptionTop = 5;

// The focus frame sits inside the button by a quarter of its smaller side, at most 3.
int FocusInset(geom::Rect rect);

ImageButtonPlan PlanImageButton(const ImageButtonInput& in);

} // namespace quillet
