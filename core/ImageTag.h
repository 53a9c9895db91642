#pragma once

#include "core/ComposerState.h"

#include <string>

namespace quillet {

// <Img Src="..."> for a non-empty source, otherwise nothing. No closing tag.
void AppendImageTag(std::string& out, const ComposerState& state);
std::string ImageTag(const ComposerState& state);

} // namespace quillet
