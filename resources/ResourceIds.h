#pragma once

#include <array>

// Resource numbers shared by the windows, the tool bars and the menus; the command numbers
// they are keyed by live in core/CommandIds.h. No text in here: Qt code includes this
// header too.
namespace quillet {

namespace resource {
// Tool-bar layouts and their image strips share the number.
inline constexpr int OutputToolBar = 136;
inline constexpr int WindowToolBar = 140;
inline constexpr int StyleToolBar = 143;
inline constexpr int ColorToolBar = 144;

inline constexpr int ActionMenu = 136;

inline constexpr int ProgramIcon = 128;
inline constexpr int BrowseIcon = 136;
inline constexpr int GradationIcon = 137;
inline constexpr int CheckBitmap = 139;
inline constexpr int EyedropperCursor = 1204;

// Image p is page p's normal tab image, 7 + p its included one, 14 + p its
// not-combinable one; pages in tab order.
inline constexpr std::array<int, 21> TabBitmaps = {
    152, 153, 141, 155, 157, 154, 156, // normal
    165, 166, 171, 168, 170, 167, 169, // included
    159, 160, 164, 162, 158, 161, 163, // not combinable
};

// Symbol list images 0 to 5: cards, computer, danger, nature, other, user symbols.
inline constexpr std::array<int, 6> SymbolListIcons = {141, 140, 142, 143, 139, 144};
} // namespace resource

} // namespace quillet
