#pragma once

#include "controls/ToolBarPlan.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quillet {

// What the image menu keeps for each menu entry it draws.
struct ImageMenuItem {
    static constexpr int SeparatorKind = -3;
    static constexpr int SubmenuKind = -2;
    static constexpr int MenuBarKind = -4; // top-level entry of a menu bar
    static constexpr std::size_t MaxText = 127;

    int image = -1;   // index into the command images, -1 for none
    int kind = 0;     // the command id, or one of the kinds above
    std::string text; // code page 932, with "&" marks and an optional tab and accelerator

    bool IsSeparator() const { return kind == SeparatorKind; }
};

// A command entry showing the image its command has on the tool bar.
ImageMenuItem MakeCommandItem(std::string_view text, int commandId,
                              std::span<const ImageMapEntry> images);
ImageMenuItem MakeSeparatorItem();
ImageMenuItem MakeSubmenuItem(std::string_view text, bool menuBarTopLevel);

// The text cut to at most MaxText bytes, never inside a double-byte character.
std::string ClipItemText(std::string_view text);

} // namespace quillet
