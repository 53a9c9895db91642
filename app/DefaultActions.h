#pragma once

namespace quillet {

// The output actions the split button can show: 0 copy, 1 drag, 2 save.
struct DefaultActionLook {
    int commandId;
    const char* text; // code page 932
    int buttonWidth;  // pixels; the button is always 22 high
    int image;        // in the output tool bar's strip
};

inline constexpr int kDefaultActionCount = 3;
inline constexpr int kSplitButtonHeight = 22;

// Null for an index other than 0, 1 or 2.
const DefaultActionLook* DefaultActionLookOf(int index);

} // namespace quillet
