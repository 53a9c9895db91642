#pragma once

#include <optional>
#include <string_view>

namespace quillet {

// The output action the split button shows and Enter runs; its value is what
// "ToolBarIndex" keeps.
enum class DefaultAction { Copy = 0, Drag = 1, Save = 2 };

// The action a stored index names; none for any index but 0, 1 or 2.
std::optional<DefaultAction> DefaultActionAt(int index);

struct DefaultActionLook {
    DefaultAction action;
    int commandId;
    std::string_view buttonText; // code page 932
    int buttonWidth;             // pixels, before the drop-down arrow
    int image;                   // in the output tool bar's strip
};

inline constexpr int kSplitButtonHeight = 22;

const DefaultActionLook& LookOf(DefaultAction action);

} // namespace quillet
