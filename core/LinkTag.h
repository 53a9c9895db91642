#pragma once

#include "core/ComposerState.h"

#include <span>
#include <string>
#include <string_view>

namespace quillet {

// One item of the link target list and the target it writes (empty: no attribute).
struct LinkTargetRow {
    std::string_view Item; // code page 932
    std::string_view Target;
};

// In the order of the target list, "同じウィンドウ" first.
std::span<const LinkTargetRow> LinkTargetTable();

// <A Href="..." Target="...">: written when there is an address or a target other than the
// same window, so a link may have a target and no address.
void AppendLinkOpenTag(std::string& out, const ComposerState& state);
void AppendLinkCloseTag(std::string& out, const ComposerState& state);

std::string LinkOpenTag(const ComposerState& state);
std::string LinkCloseTag(const ComposerState& state);

} // namespace quillet
