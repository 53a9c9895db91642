#pragma once

#include "core/SymbolFaceGlyphs.h"
#include "preview/PreviewDocument.h"

#include <gumbo.h>

#include <string>
#include <string_view>

namespace quillet {

inline constexpr double kPageTextPixels = 16;
inline constexpr std::string_view kTextColor = "#000000";
inline constexpr std::string_view kLinkColor = "#0000ee";

// The computed style of a text as the browser's default style sheet and the presentational
// attributes make it. Decorations keep the colour of the element that draws them.
struct TextStyle {
    std::string family; // an installed face, code page 932; empty for the default face
    SymbolFace glyphs = SymbolFace::None;
    bool glyphCodes = false; // an installed symbol face takes byte values as glyph codes
    double size = kPageTextPixels;
    std::string color{kTextColor};
    bool bold = false;
    bool italic = false;
    std::string underline; // colour; empty for none
    std::string strike;
    double shift = 0; // pixels the baseline is raised (negative: lowered)
    std::string href; // UTF-8
    bool link = false;
};

// What a block passes on to the blocks and lines inside it.
struct BlockStyle {
    std::string align;
};

enum class Display { Inline, Block, Hidden };

// How the browser's default style sheet shows an element.
Display DisplayOf(GumboTag tag);

// What an element changes in the style of the text inside it, as the browser's default
// style sheet and the element's presentational attributes say.
void ApplyElementStyle(const GumboElement& element, const FaceInstalled& installed,
                       TextStyle& style, BlockStyle& block);

// Six hex digits without "#", as the colour choices write them, get their "#"; names and
// "#" colours stay; anything else is no colour.
std::string CssColor(std::string_view value);

std::string Trimmed(std::string_view text);
std::string_view AttributeOf(const GumboElement& element, const char* name);
bool HasAttribute(const GumboElement& element, const char* name);

} // namespace quillet
