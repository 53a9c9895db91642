#pragma once

#include "core/ColorChoice.h"

#include <string>
#include <string_view>

namespace quillet {

// The gradation over a text that holds markup, such as a symbol's content: tags pass through
// whole and uncoloured, a character reference ("&copy;", "&#9731;") is coloured as one
// character, and every other character gets its own coloured element, the colours running
// as on the gradation page. With fewer than two characters to colour the content is
// appended unchanged, since colouring would break it or drop it.
void AppendGradationOverMarkup(std::string& out, std::string_view content, Rgb start, Rgb end,
                               std::string_view quote);

} // namespace quillet
