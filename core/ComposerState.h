#pragma once

#include "core/ColorChoice.h"
#include "core/OutputStyle.h"
#include "core/TagPage.h"

#include <array>
#include <string>

namespace quillet {

// Every input of every page, for the whole run. Texts are code page 932 bytes.
// Initial values hold Japanese texts, so they are made in Qt-free code: MakeInitialState.
struct ComposerState {
    int SampleHeight = 19;

    std::string FontText;
    std::string FontFace;
    std::string FontSize;
    ColorChoice FontColor;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;

    std::string GradationText;
    ColorChoice GradationStart;
    ColorChoice GradationEnd;

    std::string ParagraphText;
    std::string Align;
    std::string VerticalPosition;

    std::string LinkTitle;
    std::string LinkUrl;
    std::string LinkTarget;

    std::string MarqueeText;
    ColorChoice MarqueeBgColor;
    std::string MarqueeBehavior;
    int MarqueeSpeed = 6;

    std::string ImageSrc;

    std::string TypeIndex;
    int SymbolSelection = -1;

    std::string Quote = "\"";

    std::array<bool, kPageCount> PageSelected{};
    bool MultiSelect = false;

    // A setting rather than a page's input; no page reset changes it.
    OutputStyle Style = OutputStyle::Present;
};

// The platform's window-text and window colours; black and white where there is no window.
struct SystemColors {
    Rgb WindowText = MakeRgb(0, 0, 0);
    Rgb Window = MakeRgb(255, 255, 255);

    bool operator==(const SystemColors&) const = default;
};

// Every field at its initial value, no page selected.
ComposerState MakeInitialState(const SystemColors& colors);

// An index outside 0 to 6 is never selected.
bool IsSelected(const ComposerState& state, int page);

// The field that ControlId::MainText edits on a page; nullptr on the symbol page, which
// hides it.
std::string ComposerState::*MainTextField(TagPage page);
// The field that ControlId::ChoiceList selects on a page; nullptr where the list has no items
// that the state keeps.
std::string ComposerState::*ChoiceField(TagPage page);
// The colour a picker choice goes to on a page (the gradation has two ends); nullptr on
// pages without a colour.
ColorChoice* ColorSlot(ComposerState& state, TagPage page, bool gradationEnd);

} // namespace quillet
