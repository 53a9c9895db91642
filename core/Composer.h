#pragma once

#include "core/ColorChoice.h"
#include "core/ComposerState.h"
#include "core/ComposerView.h"

#include <string>

namespace quillet {

// The main window's composer: the one state of every page, and every input event ending in
// a regeneration. Texts are code page 932 bytes. The view must outlive the composer.
class Composer {
public:
    // The initial state with the view's system colours.
    explicit Composer(ComposerView& view);
    Composer(ComposerView& view, ComposerState state);

    const ComposerState& State() const { return m_state; }
    // For the window's own bookkeeping (TypeIndex from the settings, MultiSelect); call
    // RebuildTag after changing what the fragment shows.
    ComposerState& State() { return m_state; }

    // Regenerates the whole fragment for the view's current page, updates the sample tips,
    // the speed label, the sample font, the source window and the output buttons, and
    // returns it. Nothing is composed before the window's controls exist. The text is kept
    // until the next regeneration, which reuses its memory: copy it to hold it longer.
    const std::string& RebuildTag();
    // The fragment RebuildTag would give in `style`, with no effect on the window.
    std::string FragmentInStyle(OutputStyle style) const;

    // ControlId::MainText: the whole text, into the current page's field (none on the
    // symbol page).
    void SetMainText(std::string text);
    // ControlId::LinkUrlText on any page.
    void SetLinkUrl(std::string url);
    // ControlId::FaceList on any page.
    void SetFontFace(std::string face);
    // ControlId::ChoiceList: the size, link target or behaviour of the current page, or the
    // symbol category, whose list is then rebuilt with no row selected. True when the
    // category is the user's, where CommandId::AddSymbol becomes enabled.
    bool SetChoice(std::string item);
    // ControlId::SpeedSlider at the end of a scroll action; clamped to 1 to 99.
    void SetMarqueeSpeed(int speed);
    // A colour picker choice, into the slot of the current page: the font colour, the
    // gradation's start or end, the scrolling text's background. Other pages keep nothing
    // but still regenerate.
    void SetPageColor(const ColorChoice& choice, bool gradationEnd = false);
    // A style tool-bar button; false for a command that is no style toggle.
    bool PressStyleButton(int commandId);

    void SelectOnly(int page);
    void ToggleSelected(int page);
    // Restores one page's inputs with its buttons released; does not regenerate.
    void ResetPageInputs(int page);

    ComposerView& View() const { return m_view; }

private:
    ComposerView& m_view;
    ComposerState m_state;
    std::string m_fragment;
};

} // namespace quillet
