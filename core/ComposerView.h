#pragma once

#include "core/ComposerState.h"

#include <string>

namespace quillet {

// The font the sample on the font page is to be drawn in.
struct SampleFont {
    std::string Face; // code page 932
    int PixelHeight = 19;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;

    bool operator==(const SampleFont&) const = default;
};

// Everything regeneration does to the window, and the little it reads from it. The
// composer never depends on a window: NullComposerView lets it run without one.
// Texts passed either way are code page 932 bytes.
class ComposerView {
public:
    virtual ~ComposerView() = default;

    // Nothing is composed before the window's controls exist.
    virtual bool HasControls() const = 0;
    // The selected tab, 0 to 6; anything else composes an empty content.
    virtual int CurrentPage() const = 0;
    // The colour samples (ControlId::ColorSample, GradationStartSample, GradationEndSample)
    // show their colour's name as a tip.
    virtual void SetSampleTip(int sampleId, const std::string& text) = 0;
    // ControlId::SpeedLabel under the speed slider.
    virtual void SetSpeedLabel(const std::string& text) = 0;
    // The fragment for the source window; ignored while that window is closed.
    virtual void ShowInSourceWindow(const std::string& fragment) = 0;
    // CommandId::Copy, Drag and Save are enabled exactly when there is a fragment.
    virtual void EnableOutputButtons(bool enabled) = 0;
    // Pressed or released look of a style button (CommandId::Bold to CommandId::Subscript).
    virtual void CheckButton(int commandId, bool pressed) = 0;
    // Content column of a symbol list row; empty when there is no such row.
    virtual std::string SymbolContentAt(int row) const = 0;
    // Replaces the sample's font; the window also sets its text (SampleText) and repaints.
    virtual void SetSampleFont(const SampleFont& font) = 0;
    // Asked when the state is made and when a page is reset. The composer may ask it while
    // the window is still being constructed, so it must not rely on the window's members.
    virtual SystemColors Colors() const = 0;
};

// No window: the composition runs on page Font with nothing to show.
class NullComposerView : public ComposerView {
public:
    bool HasControls() const override { return true; }
    int CurrentPage() const override { return m_page; }
    void SetSampleTip(int, const std::string&) override {}
    void SetSpeedLabel(const std::string&) override {}
    void ShowInSourceWindow(const std::string&) override {}
    void EnableOutputButtons(bool) override {}
    void CheckButton(int, bool) override {}
    std::string SymbolContentAt(int) const override { return {}; }
    void SetSampleFont(const SampleFont&) override {}
    SystemColors Colors() const override { return {}; }

    void SetCurrentPage(int page) { m_page = page; }

private:
    int m_page = 0;
};

} // namespace quillet
