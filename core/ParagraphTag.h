#pragma once

#include "core/ComposerState.h"

#include <string>

namespace quillet {

// The subscript or superscript element encloses the paragraph element:
// <Sub><P Align="Right"> ... </P></Sub>. No paragraph element without an alignment.
void AppendParagraphOpenTag(std::string& out, const ComposerState& state);
void AppendParagraphCloseTag(std::string& out, const ComposerState& state);

std::string ParagraphOpenTag(const ComposerState& state);
std::string ParagraphCloseTag(const ComposerState& state);

} // namespace quillet
