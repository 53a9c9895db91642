#pragma once

#include <string>
#include <string_view>

namespace quillet {

// A symbol's content in HTML5 style. Its font elements, the program's own markup, become
// spans with CSS, and the text inside a Symbol or Wingdings face becomes the characters
// its glyphs depict, without the face; every other piece of markup passes unchanged.
// Code page 932 in and out: a character outside it is a numeric character reference.
std::string Html5SymbolMarkup(std::string_view content);

} // namespace quillet
