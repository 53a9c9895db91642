#include "core/ImageTag.h"

#include "core/HtmlAttribute.h"

namespace quillet {

void AppendImageTag(std::string& out, const ComposerState& state) {
    if (state.ImageSrc.empty()) {
        return;
    }
    out += "<Img";
    AppendAttribute(out, "Src", state.ImageSrc, state.Quote);
    out += '>';
}

std::string ImageTag(const ComposerState& state) {
    std::string text;
    AppendImageTag(text, state);
    return text;
}

} // namespace quillet
