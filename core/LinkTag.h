#pragma once

#include "core/ComposerState.h"

#include <string>
#include <string_view>

namespace quillet {

// <A Href="..." Target="...">: written when there is an address or a target other than the
// same window, so a link may have a target and no address.
// The target the state's list item writes ("_blank", "_top"); empty for the same window.
std::string_view LinkTargetOf(const ComposerState& state);

void AppendLinkOpenTag(std::string& out, const ComposerState& state);
void AppendLinkCloseTag(std::string& out, const ComposerState& state);

std::string LinkOpenTag(const ComposerState& state);
std::string LinkCloseTag(const ComposerState& state);

} // namespace quillet
