#pragma once

#include <array>

// Command and resource numbers shared by the windows, the tool bars and the menus. They
// are the numbers the tool-bar layouts and the string table are keyed by, so they never
// change. No text in here: Qt code includes this header too.
namespace quillet {

namespace command {
inline constexpr int About = 16;
inline constexpr int Copy = 102;
inline constexpr int Drag = 103;
inline constexpr int Save = 104;
inline constexpr int StayOnTop = 106;
inline constexpr int Browse = 1006;
inline constexpr int DefaultButton = 1017;
inline constexpr int MoreColors = 32783;
inline constexpr int Help = 57670;
inline constexpr int SourceWindow = 57672;
inline constexpr int Bold = 57673;
inline constexpr int Italic = 57674;
inline constexpr int Underline = 57675;
inline constexpr int StrikeOut = 57676;
inline constexpr int AlignLeft = 57677;
inline constexpr int AlignCenter = 57678;
inline constexpr int AlignRight = 57679;
inline constexpr int Superscript = 57682;
inline constexpr int Subscript = 57683;
inline constexpr int AddSymbol = 57684;
inline constexpr int DeleteSymbol = 57685;
inline constexpr int EditSymbol = 57686;
inline constexpr int ClearPages = 57687;
inline constexpr int RegisterSymbol = 57688;
} // namespace command

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
