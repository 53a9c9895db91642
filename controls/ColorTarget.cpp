#include "controls/ColorTarget.h"

#include "core/CommandIds.h"

#include <array>

namespace quillet {
namespace {

struct SampleRow {
    int sampleId;
    TagPage page;
    ColorChoice ComposerState::*slot;
    bool gradationEnd;
    bool windowDefault; // "標準" is the window colour, not the window-text colour
};

// The gradation's "標準" is the window-text colour, its ends' default, like the font's.
constexpr std::array<SampleRow, 4> kSamples{{
    {ControlId::ColorSample, TagPage::Font, &ComposerState::FontColor, false, false},
    {ControlId::ColorSample, TagPage::Marquee, &ComposerState::MarqueeBgColor, false, true},
    {ControlId::GradationStartSample, TagPage::Gradation, &ComposerState::GradationStart, false,
     false},
    {ControlId::GradationEndSample, TagPage::Gradation, &ComposerState::GradationEnd, true, false},
}};

} // namespace

std::optional<ColorTarget> ColorTargetOf(int sampleId, TagPage page, const ComposerState& state,
                                         const SystemColors& colors) {
    for (const SampleRow& row : kSamples) {
        if (row.sampleId == sampleId && row.page == page) {
            return ColorTarget{row.slot,
                               {(state.*row.slot).Value, row.gradationEnd,
                                row.windowDefault ? colors.Window : colors.WindowText}};
        }
    }
    return std::nullopt;
}

} // namespace quillet
