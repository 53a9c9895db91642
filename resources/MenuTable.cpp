#include "resources/MenuTable.h"

#include "resources/ResourceIds.h"

#include <array>

namespace quillet {

namespace {

// The drop-down menu of the output split button.
constexpr auto kActionMenu = std::to_array<MenuEntry>({
    {command::Copy, "コピー(&C)"},
    {command::Drag, "ドラッグ(&D)"},
    {command::Save, "名前を付けて保存(&S)..."},
    {0, ""},
    {command::RegisterSymbol, "記号に登録(&R)..."},
    {command::ClearPages, "クリア(&A)"},
});

} // namespace

std::span<const MenuEntry> LoadMenu(int id) {
    if (id == resource::ActionMenu) {
        return kActionMenu;
    }
    return {};
}

} // namespace quillet
