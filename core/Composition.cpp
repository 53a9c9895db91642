#include "core/Composition.h"

#include "core/FontTag.h"
#include "core/Gradation.h"
#include "core/Html5Composition.h"
#include "core/Html5Elements.h"
#include "core/Html5SymbolMarkup.h"
#include "core/ImageTag.h"
#include "core/LinkTag.h"
#include "core/MarkupGradation.h"
#include "core/MarqueeTag.h"
#include "core/ParagraphTag.h"

namespace quillet {
namespace {

bool Selected(const ComposerState& state, TagPage page) {
    return IsSelected(state, static_cast<int>(page));
}

// Room for every element at once around the content, so that a typical fragment is built
// with a single allocation.
constexpr std::size_t kElementRoom = 256;
constexpr std::size_t kGradationBytesPerChar = 32;

} // namespace

void AppendSelectedElements(std::string& out, const ComposerState& state, std::string_view content,
                            std::optional<SampleFont>* sample, ContentKind kind) {
    if (state.Style == OutputStyle::Html5) {
        AppendHtml5SelectedElements(out, state, content, sample, kind == ContentKind::Markup);
        return;
    }
    const bool gradation = Selected(state, TagPage::Gradation);
    const bool font = Selected(state, TagPage::Font);
    const bool link = Selected(state, TagPage::Hyperlink);
    const bool marquee = Selected(state, TagPage::Marquee);
    const bool paragraph = Selected(state, TagPage::Paragraph);

    out.reserve(out.size() + kElementRoom + state.FontFace.size() + state.LinkUrl.size() +
                content.size() * (gradation ? kGradationBytesPerChar : 1));

    // Outermost first: paragraph, scrolling text, link, styles and font, gradation pieces.
    if (paragraph) {
        AppendParagraphOpenTag(out, state);
    }
    if (marquee) {
        AppendMarqueeOpenTag(out, state);
    }
    if (link) {
        AppendLinkOpenTag(out, state);
    }
    if (font) {
        SampleFont request;
        AppendFontOpenTag(out, state, &request);
        if (sample != nullptr) {
            *sample = std::move(request);
        }
    }
    if (gradation && kind == ContentKind::Markup) {
        AppendGradationOverMarkup(out, content, state.GradationStart.Value,
                                  state.GradationEnd.Value, state.Quote);
    } else if (gradation) {
        AppendGradation(out, content, state.GradationStart.Value, state.GradationEnd.Value,
                        state.Quote);
    } else {
        out += content;
    }
    if (font) {
        AppendFontCloseTag(out, state);
    }
    if (link) {
        AppendLinkCloseTag(out, state);
    }
    if (marquee) {
        AppendMarqueeCloseTag(out);
    }
    if (paragraph) {
        AppendParagraphCloseTag(out, state);
    }
}

std::string WrapSelectedElements(const ComposerState& state, std::string_view content,
                                 std::optional<SampleFont>* sample, ContentKind kind) {
    std::string out;
    AppendSelectedElements(out, state, content, sample, kind);
    return out;
}

void ComposeFragmentInto(std::string& out, const ComposerState& state, TagPage page,
                         std::string_view symbolContent, std::optional<SampleFont>* sample) {
    out.clear();
    const bool html5 = state.Style == OutputStyle::Html5;
    switch (page) {
    case TagPage::Image:
        AppendSelectedElements(out, state, html5 ? Html5ImageTag(state) : ImageTag(state), sample);
        break;
    case TagPage::Symbol:
        AppendSelectedElements(
            out, state, html5 ? Html5SymbolMarkup(symbolContent) : std::string(symbolContent),
            sample, ContentKind::Markup);
        break;
    default:
        if (auto field = MainTextField(page)) {
            AppendSelectedElements(out, state, state.*field, sample);
        } else {
            AppendSelectedElements(out, state, {}, sample);
        }
        break;
    }
}

std::string ComposeFragment(const ComposerState& state, TagPage page,
                            std::string_view symbolContent, std::optional<SampleFont>* sample) {
    std::string out;
    ComposeFragmentInto(out, state, page, symbolContent, sample);
    return out;
}

} // namespace quillet
