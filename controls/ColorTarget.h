#pragma once

#include "core/ColorChoice.h"
#include "core/ComposerState.h"
#include "core/TagPage.h"

#include <optional>

namespace quillet {

// The main window's colour samples that open the colour popup.
namespace colorsample {
inline constexpr int FontOrMarquee = 1023;
inline constexpr int GradationStart = 1024;
inline constexpr int GradationEnd = 1025;
} // namespace colorsample

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

// None when the sample edits nothing on that page (the samples are hidden there).
std::optional<ColorTarget> ColorTargetOf(int sampleId, TagPage page, const ComposerState& state,
                                         const SystemColors& colors);

} // namespace quillet
