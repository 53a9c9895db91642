#include "controls/ImageButtonGeometry.h"

#include <algorithm>

namespace quillet {

int FocusInset(geom::Rect rect) {
    return std::min(std::min(rect.Width(), rect.Height()) >> 2, 3);
}

ImageButtonPlan PlanImageButton(const ImageButtonInput& in) {
    ImageButtonPlan plan;
    const int offset = in.pushed ? 1 : 0;
    const int width = in.rect.Width();
    const int height = in.rect.Height();
    plan.embossed = in.disabled;

    if (in.hasIcon) {
        plan.drawIcon = true;
        const int x =
            in.hasCaption ? in.rect.left + kImageButtonLeftMargin : (width - in.image.width) >> 1;
        const int y = (height - in.image.height) >> 1;
        plan.iconAt = {x + offset, y + offset};
    }
    if (in.hasCaption) {
        plan.drawCaption = true;
        const int x = in.hasIcon ? in.image.width + kImageButtonGap + kImageButtonLeftMargin
                                 : (width - in.captionWidth) >> 1;
        plan.captionAt = {x + offset, kImageButtonCaptionTop + offset};
    }
    if (!in.disabled && in.focused) {
        plan.drawFocus = true;
        plan.focus = in.rect.Inset(FocusInset(in.rect));
    }
    return plan;
}

} // namespace quillet
