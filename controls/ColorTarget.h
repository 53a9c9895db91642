#pragma once

#include "core/ColorChoice.h"
#include "core/ComposerState.h"
#include "core/TagPage.h"

#include <optional>

namespace quillet {

// What the colour popup is told about the colour it edits.
struct ColorRequest {
    Rgb current = 0;           // the chooser starts from it
    bool gradationEnd = false; // only meaningful on the gradation page
    // The value "標準" reports; none: the box does nothing.
    std::optional<Rgb> standard;

    bool operator==(const ColorRequest&) const = default;
};

// The slot a sample edits and the popup request for it.
struct ColorTarget {
    ColorChoice ComposerState::*slot = nullptr;
    ColorRequest request;
};

// The sample is ControlId::ColorSample, GradationStartSample or GradationEndSample.
// None when the sample edits nothing on that page (the samples are hidden there).
std::optional<ColorTarget> ColorTargetOf(int sampleId, TagPage page, const ComposerState& state,
                                         const SystemColors& colors);

} // namespace quillet
