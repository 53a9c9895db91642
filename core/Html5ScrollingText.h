#pragma once

#include "core/ComposerState.h"

#include <string>
#include <string_view>

namespace quillet {

// The scrolling text in HTML5 style. There is no conforming marquee element, an inline
// style cannot hold keyframes and a style element may not stand in a fragment, so the
// text moves in an inline SVG band by SMIL animation, which a fragment may carry. The band
// spans the line like a marquee; the content sits in a foreignObject, so that any markup
// (links, fonts, images) moves along. Positions are fractions of the band plus the
// content's estimated width, so the text enters and leaves at the edges whatever the
// width; the duration gives the present speed on a band of kReferenceBandPixels.
inline constexpr int kReferenceBandPixels = 800;

// `contentEm` is the font size the content is written in, in em of the surrounding text.
void AppendHtml5ScrollingTextOpenTag(std::string& out, const ComposerState& state,
                                     std::string_view content, double contentEm);
void AppendHtml5ScrollingTextCloseTag(std::string& out);

} // namespace quillet
