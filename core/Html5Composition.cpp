#include "core/Html5Composition.h"

#include "core/FontTag.h"
#include "core/Html5Css.h"
#include "core/Html5Elements.h"
#include "core/Html5ScrollingText.h"

namespace quillet {
namespace {

bool Selected(const ComposerState& state, TagPage page) {
    return IsSelected(state, static_cast<int>(page));
}

// The size the content is written in, relative to the text around the fragment.
double ContentEm(const ComposerState& state, bool font) {
    const FontSizeRow* size = font ? FindFontSize(state.FontSize) : nullptr;
    return size != nullptr ? CssFontSizeEm(size->Digit) : 1.0;
}

} // namespace

void AppendHtml5SelectedElements(std::string& out, const ComposerState& state,
                                 std::string_view content, std::optional<SampleFont>* sample,
                                 bool markup) {
    const bool gradation = Selected(state, TagPage::Gradation);
    const bool font = Selected(state, TagPage::Font);
    const bool link = Selected(state, TagPage::Hyperlink);
    const bool marquee = Selected(state, TagPage::Marquee);
    const bool paragraph = Selected(state, TagPage::Paragraph);

    if (paragraph) {
        AppendHtml5ParagraphOpenTag(out, state);
    }
    if (marquee) {
        AppendHtml5ScrollingTextOpenTag(out, state, content, ContentEm(state, font));
    }
    if (link) {
        AppendHtml5LinkOpenTag(out, state);
    }
    if (font) {
        SampleFont request;
        AppendHtml5FontOpenTag(out, state, &request);
        if (sample != nullptr) {
            *sample = std::move(request);
        }
    }
    if (gradation) {
        AppendHtml5Gradation(out, content, state.GradationStart.Value, state.GradationEnd.Value,
                             markup);
    } else {
        out += content;
    }
    if (font) {
        AppendHtml5FontCloseTag(out, state);
    }
    if (link) {
        AppendHtml5LinkCloseTag(out, state);
    }
    if (marquee) {
        AppendHtml5ScrollingTextCloseTag(out);
    }
    if (paragraph) {
        AppendHtml5ParagraphCloseTag(out, state);
    }
}

} // namespace quillet
