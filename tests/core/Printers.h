#pragma once

#include "core/ColorChoice.h"
#include "core/ComposerView.h"

#include <ostream>

namespace quillet {

// Readable failure messages for the records the tests compare.
inline void PrintTo(const ColorChoice& choice, std::ostream* out) {
    *out << '{' << choice.Name << ", " << std::hex << choice.Value << std::dec << '}';
}
inline void PrintTo(const SampleFont& font, std::ostream* out) {
    *out << '{' << font.Face << ", " << font.PixelHeight << (font.Bold ? " bold" : "")
         << (font.Italic ? " italic" : "") << (font.Underline ? " underline" : "")
         << (font.Strike ? " strike" : "") << '}';
}

} // namespace quillet
