#include "core/StyleToggles.h"

#include "core/CommandIds.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace quillet {
namespace {

struct FlagButton {
    int Command;
    bool ComposerState::*Flag;
};

constexpr std::array<FlagButton, 4> kFlagButtons{{
    {CommandId::Bold, &ComposerState::Bold},
    {CommandId::Italic, &ComposerState::Italic},
    {CommandId::Underline, &ComposerState::Underline},
    {CommandId::Strike, &ComposerState::Strike},
}};

constexpr std::array<int, 3> kAlignGroup{CommandId::AlignLeft, CommandId::AlignCenter,
                                         CommandId::AlignRight};
constexpr std::array<int, 2> kVerticalGroup{CommandId::Subscript, CommandId::Superscript};

// A button of a group that shares one field: pressing it sets the field to its value, or
// clears the field when it already holds that value.
struct GroupButton {
    int Command;
    std::string ComposerState::*Field;
    std::string_view Value;
    std::span<const int> Group;
};

constexpr std::array<GroupButton, 5> kGroupButtons{{
    {CommandId::AlignLeft, &ComposerState::Align, "Left", kAlignGroup},
    {CommandId::AlignCenter, &ComposerState::Align, "Center", kAlignGroup},
    {CommandId::AlignRight, &ComposerState::Align, "Right", kAlignGroup},
    {CommandId::Subscript, &ComposerState::VerticalPosition, "Sub", kVerticalGroup},
    {CommandId::Superscript, &ComposerState::VerticalPosition, "Sup", kVerticalGroup},
}};

} // namespace

bool ApplyStyleToggle(ComposerState& state, int commandId, ComposerView& view) {
    const auto flag = std::ranges::find(kFlagButtons, commandId, &FlagButton::Command);
    if (flag != kFlagButtons.end()) {
        bool& value = state.*flag->Flag;
        value = !value;
        view.CheckButton(commandId, value);
        return true;
    }

    const auto button = std::ranges::find(kGroupButtons, commandId, &GroupButton::Command);
    if (button == kGroupButtons.end()) {
        return false;
    }
    for (const int member : button->Group) {
        view.CheckButton(member, false);
    }
    std::string& field = state.*button->Field;
    if (field == button->Value) {
        field.clear();
    } else {
        field = button->Value;
        view.CheckButton(commandId, true);
    }
    return true;
}

} // namespace quillet
