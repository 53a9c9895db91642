#pragma once

#include "core/ComposerState.h"
#include "core/ComposerView.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The selected pages' elements around `content` in HTML5 style, nested as in the present
// style: gradation innermost, then font and styles, link, scrolling text, paragraph.
// `markup` content (a symbol) keeps its tags whole under a gradation.
void AppendHtml5SelectedElements(std::string& out, const ComposerState& state,
                                 std::string_view content, std::optional<SampleFont>* sample,
                                 bool markup);

} // namespace quillet
