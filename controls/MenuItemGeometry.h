#pragma once

#include "controls/Geometry.h"
#include "controls/ImageMenuItem.h"

#include <string_view>
#include <vector>

// How an image menu entry is measured and drawn: the image in a square at the left,
// raised when the entry is highlighted, the text beside it. The painter only follows
// the plan made here.
namespace quillet {

enum class SystemColor {
    MenuText,
    HighlightText,
    ButtonFace,
    Menu,
    Highlight,
    ButtonHighlight,
    ButtonShadow,
    GrayText,
};

struct MenuItemState {
    bool selected = false;
    bool disabled = false;
    bool checked = false;
};

// `text` is the size of the whole text, "&" marks counted and tabs expanded.
geom::Size MeasureMenuItem(const ImageMenuItem& item, geom::Size image, geom::Size text);

// The label before the first tab and the accelerator after it.
struct MenuItemText {
    std::string_view label;
    std::string_view accelerator;
    bool hasTab = false;
};
MenuItemText SplitAtTab(std::string_view text);

enum class ImageFrame { None, Raised, Flat };

// One drawing of the text; a disabled entry is drawn twice for its etched look.
struct TextPass {
    geom::Rect rect;
    SystemColor color;
    bool operator==(const TextPass&) const = default;
};

struct MenuItemPlan {
    bool separator = false;
    // Separator: a shadow line over a highlight line.
    int lineLeft = 0;
    int lineRight = 0;
    int shadowY = 0;
    int highlightY = 0;

    geom::Rect background;
    SystemColor backgroundColor = SystemColor::Menu;

    geom::Rect imageSquare;
    ImageFrame frame = ImageFrame::None;
    bool drawImage = false;
    bool embossed = false;
    geom::Point imageAt;

    bool drawCheck = false;
    geom::Point checkAt;

    MenuItemText text;
    std::vector<TextPass> textPasses;
};

// `r` is the entry's rectangle, `textHeight` the height of its whole text.
MenuItemPlan PlanMenuItem(const ImageMenuItem& item, geom::Rect r, MenuItemState state,
                          geom::Size image, int textHeight);

} // namespace quillet
