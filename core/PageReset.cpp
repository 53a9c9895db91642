#include "core/PageReset.h"

#include "core/CommandIds.h"

#include <array>
#include <span>

namespace quillet {
namespace {

constexpr std::array<int, 4> kFontButtons{CommandId::Bold, CommandId::Italic, CommandId::Underline,
                                          CommandId::Strike};
constexpr std::array<int, 5> kParagraphButtons{CommandId::AlignLeft, CommandId::AlignCenter,
                                               CommandId::AlignRight, CommandId::Superscript,
                                               CommandId::Subscript};

void Release(ComposerView& view, std::span<const int> buttons) {
    for (const int button : buttons) {
        view.CheckButton(button, false);
    }
}

} // namespace

void ResetPageInputs(ComposerState& state, int page, ComposerView& view) {
    if (!IsValidPage(page)) {
        return;
    }
    // The initial state holds every page's reset values, with the current system colours.
    const ComposerState initial = MakeInitialState(view.Colors());
    switch (static_cast<TagPage>(page)) {
    case TagPage::Font:
        state.FontText = initial.FontText;
        state.FontFace = initial.FontFace;
        state.FontSize = initial.FontSize;
        state.FontColor = initial.FontColor;
        state.Bold = initial.Bold;
        state.Italic = initial.Italic;
        state.Underline = initial.Underline;
        state.Strike = initial.Strike;
        Release(view, kFontButtons);
        break;
    case TagPage::Gradation:
        state.GradationText = initial.GradationText;
        state.GradationStart = initial.GradationStart;
        state.GradationEnd = initial.GradationEnd;
        break;
    case TagPage::Paragraph:
        state.ParagraphText = initial.ParagraphText;
        state.Align = initial.Align;
        state.VerticalPosition = initial.VerticalPosition;
        Release(view, kParagraphButtons);
        break;
    case TagPage::Hyperlink:
        state.LinkTitle = initial.LinkTitle;
        state.LinkUrl = initial.LinkUrl;
        state.LinkTarget = initial.LinkTarget;
        break;
    case TagPage::Marquee:
        state.MarqueeText = initial.MarqueeText;
        state.MarqueeBgColor = initial.MarqueeBgColor;
        state.MarqueeBehavior = initial.MarqueeBehavior;
        state.MarqueeSpeed = initial.MarqueeSpeed;
        break;
    case TagPage::Image:
        state.ImageSrc = initial.ImageSrc;
        break;
    case TagPage::Symbol:
        state.TypeIndex = initial.TypeIndex;
        state.SymbolSelection = initial.SymbolSelection;
        break;
    }
}

} // namespace quillet
