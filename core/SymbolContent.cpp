#include "core/SymbolContent.h"

namespace quillet {

std::string SymbolContent(const ComposerState& state, const ComposerView& view) {
    if (state.SymbolSelection < 0) {
        return {};
    }
    return view.SymbolContentAt(state.SymbolSelection);
}

} // namespace quillet
