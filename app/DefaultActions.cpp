#include "app/DefaultActions.h"

#include "core/CommandIds.h"

#include <array>

namespace quillet {
namespace {

constexpr std::array<DefaultActionLook, kDefaultActionCount> kLooks{{
    {CommandId::Copy, "コピー", 60, 0},
    {CommandId::Drag, "ドラッグ", 65, 1},
    {CommandId::Save, "名前を付けて保存", 120, 2},
}};

} // namespace

const DefaultActionLook* DefaultActionLookOf(int index) {
    if (index < 0 || index >= kDefaultActionCount) {
        return nullptr;
    }
    return &kLooks[static_cast<std::size_t>(index)];
}

} // namespace quillet
