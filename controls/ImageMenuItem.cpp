#include "controls/ImageMenuItem.h"

#include "platform/CodePage932.h"

namespace quillet {

std::string ClipItemText(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + cp932::CharLength(text, end);
        if (next > ImageMenuItem::MaxText) {
            break;
        }
        end = next;
    }
    return std::string(text.substr(0, end));
}

ImageMenuItem MakeCommandItem(std::string_view text, int commandId,
                              std::span<const ImageMapEntry> images) {
    return {FindImage(images, commandId), commandId, ClipItemText(text)};
}

ImageMenuItem MakeSeparatorItem() {
    return {ImageMenuItem::SeparatorKind, ImageMenuItem::SeparatorKind, "--"};
}

ImageMenuItem MakeSubmenuItem(std::string_view text, bool menuBarTopLevel) {
    const int kind = menuBarTopLevel ? ImageMenuItem::MenuBarKind : ImageMenuItem::SubmenuKind;
    return {kind, kind, ClipItemText(text)};
}

} // namespace quillet
