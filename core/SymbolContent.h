#pragma once

#include "core/ComposerState.h"
#include "core/ComposerView.h"

#include <string>

namespace quillet {

// The content column of the selected symbol row, byte for byte; empty with no selection.
std::string SymbolContent(const ComposerState& state, const ComposerView& view);

} // namespace quillet
