#pragma once

#include "core/ComposerState.h"
#include "core/ComposerView.h"

namespace quillet {

// A press of a style button (CommandId::Bold to CommandId::AlignRight, Superscript,
// Subscript). Bold, italic, underline and strike flip on their own; the three alignments
// and sub/superscript are each a group of which at most one is set, and pressing the set
// one again clears it. The buttons' pressed looks follow through the view. False, and
// nothing changed, for any other command.
bool ApplyStyleToggle(ComposerState& state, int commandId, ComposerView& view);

} // namespace quillet
