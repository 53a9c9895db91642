#include "output/DefaultAction.h"

#include "core/CommandIds.h"

#include <array>

namespace quillet {
namespace {

// In the order of the actions' values.
constexpr auto kLooks = std::to_array<DefaultActionLook>({
    {DefaultAction::Copy, CommandId::Copy, "コピー", 60, 0},
    {DefaultAction::Drag, CommandId::Drag, "ドラッグ", 65, 1},
    {DefaultAction::Save, CommandId::Save, "名前を付けて保存", 120, 2},
});

} // namespace

std::optional<DefaultAction> DefaultActionAt(int index) {
    if (index < 0 || index >= static_cast<int>(kLooks.size())) {
        return std::nullopt;
    }
    return kLooks[static_cast<std::size_t>(index)].action;
}

const DefaultActionLook& LookOf(DefaultAction action) {
    return kLooks[static_cast<std::size_t>(action)];
}

} // namespace quillet
