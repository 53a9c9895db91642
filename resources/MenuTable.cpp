#include "resources/MenuTable.h"

#include "core/CommandIds.h"
#include "resources/ResourceIds.h"

#include <array>

namespace quillet {

namespace {

// The drop-down menu of the output split button.
constexpr auto kActionMenu = std::to_array<MenuEntry>({
    {CommandId::Copy, "コピー(&C)"},
    {CommandId::Drag, "ドラッグ(&D)"},
    {CommandId::Save, "名前を付けて保存(&S)..."},
    {0, ""},
    {CommandId::RegisterSymbol, "記号に登録(&R)..."},
    {CommandId::ClearPages, "クリア(&A)"},
});

} // namespace

std::span<const MenuEntry> LoadMenu(int id) {
    if (id == resource::ActionMenu) {
        return kActionMenu;
    }
    return {};
}

} // namespace quillet
