#include "core/ParagraphTag.h"

#include "core/HtmlAttribute.h"

namespace quillet {

void AppendParagraphOpenTag(std::string& out, const ComposerState& state) {
    if (!state.VerticalPosition.empty()) {
        out += '<';
        out += state.VerticalPosition;
        out += '>';
    }
    if (!state.Align.empty()) {
        out += "<P";
        AppendAttribute(out, "Align", state.Align, state.Quote);
        out += '>';
    }
}

void AppendParagraphCloseTag(std::string& out, const ComposerState& state) {
    if (!state.Align.empty()) {
        out += "</P>";
    }
    if (!state.VerticalPosition.empty()) {
        out += "</";
        out += state.VerticalPosition;
        out += '>';
    }
}

std::string ParagraphOpenTag(const ComposerState& state) {
    std::string text;
    AppendParagraphOpenTag(text, state);
    return text;
}

std::string ParagraphCloseTag(const ComposerState& state) {
    std::string text;
    AppendParagraphCloseTag(text, state);
    return text;
}

} // namespace quillet
