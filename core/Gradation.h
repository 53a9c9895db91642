#pragma once

#include "core/ComposerState.h"

#include <string>
#include <string_view>

namespace quillet {

// Wraps every character of `text` (a double-byte character counts as one) in its own
// <Font Color="rrggbb"> element, running from `start` at the first character to exactly
// `end` at the last in equal steps truncated toward zero. Appends nothing for a text of
// fewer than two characters.
void AppendGradation(std::string& out, std::string_view text, Rgb start, Rgb end,
                     std::string_view quote);

} // namespace quillet
