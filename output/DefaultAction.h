#pragma once

#include <string_view>

namespace quillet {

// The output action the split button shows and Enter runs. It lives nowhere but in the
// button: its image index is the action's value.
enum class DefaultAction { Copy = 0, Drag = 1, Save = 2 };

struct DefaultActionLook {
    DefaultAction action;
    int commandId;
    std::string_view buttonText; // code page 932
    int buttonWidth;             // pixels, before the drop-down arrow
    int image;                   // in the output tool bar's strip
};

inline constexpr int kSplitButtonHeight = 22;

// The look of index 0, 1 or 2; null for any other index.
const DefaultActionLook* DefaultActionLookAt(int index);

// The action whose look shows this image; null for an image no action shows.
const DefaultActionLook* DefaultActionShowing(int image);

} // namespace quillet
