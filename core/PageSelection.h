#pragma once

#include "core/ComposerState.h"

namespace quillet {

// Whether page `other` may join the selection while `current` is the current page. An
// index outside 0 to 6 (no tab under the pointer: -1) on either side counts as combinable.
bool CanCombine(int current, int other);

// Selects `page` alone; an index outside 0 to 6 leaves every page unselected.
void SelectOnly(ComposerState& state, int page);
// Flips the flag of `page`; an index outside 0 to 6 changes nothing.
void ToggleSelected(ComposerState& state, int page);

} // namespace quillet
