#include "controls/MenuItemGeometry.h"

#include <algorithm>

namespace quillet {

namespace {

constexpr geom::Size kSeparatorSize{10, 6};
constexpr int kEmptyTextWidth = 100;
constexpr int kImagePadding = 5;
constexpr int kTextGap = 17;

} // namespace

geom::Size MeasureMenuItem(const ImageMenuItem& item, geom::Size image, geom::Size text) {
    if (item.IsSeparator()) {
        return kSeparatorSize;
    }
    if (item.text.empty()) {
        return {kEmptyTextWidth, image.height + kImagePadding};
    }
    const int height = std::max(image.height + kImagePadding, text.height);
    return {text.width + kTextGap + std::max(height, image.width), height};
}

MenuItemText SplitAtTab(std::string_view text) {
    const auto tab = text.find('\t');
    if (tab == std::string_view::npos) {
        return {text, {}, false};
    }
    return {text.substr(0, tab), text.substr(tab + 1), true};
}

MenuItemPlan PlanMenuItem(const ImageMenuItem& item, geom::Rect r, MenuItemState state,
                          geom::Size image, int textHeight) {
    MenuItemPlan plan;
    if (item.IsSeparator()) {
        plan.separator = true;
        plan.lineLeft = r.left + 2;
        plan.lineRight = r.right - 2;
        plan.shadowY = r.top + 2;
        plan.highlightY = r.top + 3;
        return plan;
    }

    const int h = r.Height();
    plan.imageSquare = {r.left, r.top, r.left + h, r.bottom};
    // The text starts one pixel right of the image square.
    geom::Rect t{plan.imageSquare.right + 1, r.top, r.right, r.bottom};

    const bool hasImage = item.image >= 0;
    const bool highlightTextOnly = hasImage || state.checked;
    plan.background = highlightTextOnly ? t : r;
    plan.backgroundColor = state.selected ? SystemColor::Highlight : SystemColor::Menu;
    const SystemColor textColor =
        state.selected ? SystemColor::HighlightText : SystemColor::MenuText;

    if (hasImage) {
        plan.frame = state.selected && !state.disabled ? ImageFrame::Raised : ImageFrame::Flat;
        plan.drawImage = true;
        plan.embossed = state.disabled;
        plan.imageAt = {plan.imageSquare.left + (h - image.width) / 2,
                        plan.imageSquare.top + (h - image.height) / 2};
    } else if (state.checked) {
        plan.drawCheck = true;
        plan.checkAt = {plan.imageSquare.left + (h - image.width) / 2,
                        plan.imageSquare.top + (h - image.height) / 2 - 2};
    }

    t.top += (t.Height() - textHeight) / 2;
    t.left += 2;
    t.right -= 15;
    plan.text = SplitAtTab(item.text);
    if (!state.disabled) {
        plan.textPasses = {{t, textColor}};
    } else if (state.selected) {
        plan.textPasses = {{t, SystemColor::Menu}};
    } else {
        plan.textPasses = {{t.Inset(1), SystemColor::ButtonHighlight}, {t, SystemColor::GrayText}};
    }
    return plan;
}

} // namespace quillet
