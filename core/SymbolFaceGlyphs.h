#pragma once

#include <string_view>

namespace quillet {

// The two symbol faces the built-in symbols are drawn in. Their glyph codes are not the
// characters they show, so a text in either face means nothing without the face.
enum class SymbolFace { None, Symbol, Wingdings };

// The face a Face attribute names, whatever its case; None for any other face.
SymbolFace SymbolFaceNamed(std::string_view face);

// The Unicode character that glyph `code` of `face` depicts; 0 when the table has none.
char32_t SymbolGlyph(SymbolFace face, unsigned char code);

} // namespace quillet
