#pragma once

#include "core/ComposerState.h"

#include <string>

namespace quillet {

// <A Href="..." Target="...">: written when there is an address or a target other than the
// same window, so a link may have a target and no address.
void AppendLinkOpenTag(std::string& out, const ComposerState& state);
void AppendLinkCloseTag(std::string& out, const ComposerState& state);

std::string LinkOpenTag(const ComposerState& state);
std::string LinkCloseTag(const ComposerState& state);

} // namespace quillet
