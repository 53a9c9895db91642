#include "output/DefaultAction.h"

#include "core/CommandIds.h"
#include "resources/ResourceIds.h"

#include <array>

namespace quillet {
namespace {

constexpr auto kLooks = std::to_array<DefaultActionLook>({
    {DefaultAction::Copy, CommandId::Copy, "コピー", 60, 0},
    {DefaultAction::Drag, CommandId::Drag, "ドラッグ", 65, 1},
    {DefaultAction::Save, CommandId::Save, "名前を付けて保存", 120, 2},
});

} // namespace

const DefaultActionLook* DefaultActionLookAt(int index) {
    if (index < 0 || index >= static_cast<int>(kLooks.size())) {
        return nullptr;
    }
    return &kLooks[static_cast<std::size_t>(index)];
}

const DefaultActionLook* DefaultActionShowing(int image) {
    for (const DefaultActionLook& look : kLooks) {
        if (look.image == image) {
            return &look;
        }
    }
    return nullptr;
}

} // namespace quillet
