#pragma once

#include <span>
#include <string_view>

namespace quillet {

// One entry of a menu resource. Command 0 is a separator.
struct MenuEntry {
    int commandId;
    std::string_view text; // code page 932, "&" before the mnemonic character
};

// The entries of a menu resource in order; empty for a number that names no menu.
std::span<const MenuEntry> LoadMenu(int id);

} // namespace quillet
