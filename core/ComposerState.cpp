#include "core/ComposerState.h"

#include "core/ComposerTexts.h"

namespace quillet {
namespace {

constexpr std::array<std::string ComposerState::*, kPageCount> kMainTextFields{
    &ComposerState::FontText,
    &ComposerState::GradationText,
    &ComposerState::ParagraphText,
    &ComposerState::LinkTitle,
    &ComposerState::MarqueeText,
    &ComposerState::ImageSrc,
    nullptr,
};

constexpr std::array<std::string ComposerState::*, kPageCount> kChoiceFields{
    &ComposerState::FontSize,
    nullptr,
    nullptr,
    &ComposerState::LinkTarget,
    &ComposerState::MarqueeBehavior,
    nullptr,
    &ComposerState::TypeIndex,
};

} // namespace

ComposerState MakeInitialState(const SystemColors& colors) {
    ComposerState state;
    state.FontFace = StandardFontFace();
    state.FontSize = StandardFontSize();
    state.FontColor = StandardColor(colors.WindowText);
    state.GradationStart = StandardColor(colors.WindowText);
    state.GradationEnd = StandardColor(colors.WindowText);
    state.LinkTarget = SameWindowTarget();
    state.MarqueeBgColor = StandardColor(colors.Window);
    state.MarqueeBehavior = ScrollBehavior();
    state.TypeIndex = DefaultSymbolCategory();
    return state;
}

bool IsSelected(const ComposerState& state, int page) {
    return IsValidPage(page) && state.PageSelected[static_cast<std::size_t>(page)];
}

std::string ComposerState::*MainTextField(TagPage page) {
    if (!IsValidPage(static_cast<int>(page))) {
        return nullptr;
    }
    return kMainTextFields[static_cast<std::size_t>(page)];
}

std::string ComposerState::*ChoiceField(TagPage page) {
    if (!IsValidPage(static_cast<int>(page))) {
        return nullptr;
    }
    return kChoiceFields[static_cast<std::size_t>(page)];
}

ColorChoice* ColorSlot(ComposerState& state, TagPage page, bool gradationEnd) {
    switch (page) {
    case TagPage::Font:
        return &state.FontColor;
    case TagPage::Gradation:
        return gradationEnd ? &state.GradationEnd : &state.GradationStart;
    case TagPage::Marquee:
        return &state.MarqueeBgColor;
    default:
        return nullptr;
    }
}

} // namespace quillet
