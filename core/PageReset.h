#pragma once

#include "core/ComposerState.h"
#include "core/ComposerView.h"

namespace quillet {

// Restores the inputs of one page to their initial values (the symbol category to
// "トランプ", whatever the settings said) and shows the page's style buttons released.
// The sample height and the page selection stay. An index outside 0 to 6 changes nothing.
void ResetPageInputs(ComposerState& state, int page, ComposerView& view);

} // namespace quillet
