#include "core/LinkTag.h"

#include "core/ComposerTexts.h"
#include "core/HtmlAttribute.h"

#include <algorithm>
#include <array>

namespace quillet {
namespace {

// One item of the link target list and the target it writes (empty: no attribute).
struct LinkTargetRow {
    std::string_view Item; // code page 932
    std::string_view Target;
};

// In the order of the target list, "同じウィンドウ" first.
constexpr std::array<LinkTargetRow, 3> kTargets{{
    {"同じウィンドウ", ""},
    {"新しいウィンドウ", "_blank"},
    {"ウィンドウをクリア", "_top"},
}};

bool HasLink(const ComposerState& state) {
    return !state.LinkUrl.empty() || state.LinkTarget != SameWindowTarget();
}

} // namespace

std::string_view LinkTargetOf(const ComposerState& state) {
    const auto found = std::ranges::find(kTargets, state.LinkTarget, &LinkTargetRow::Item);
    return found == kTargets.end() ? std::string_view() : found->Target;
}

void AppendLinkOpenTag(std::string& out, const ComposerState& state) {
    if (!HasLink(state)) {
        return;
    }
    out += "<A";
    if (!state.LinkUrl.empty()) {
        AppendAttribute(out, "Href", state.LinkUrl, state.Quote);
    }
    if (const std::string_view target = LinkTargetOf(state); !target.empty()) {
        AppendAttribute(out, "Target", target, state.Quote);
    }
    out += '>';
}

void AppendLinkCloseTag(std::string& out, const ComposerState& state) {
    if (HasLink(state)) {
        out += "</A>";
    }
}

std::string LinkOpenTag(const ComposerState& state) {
    std::string text;
    AppendLinkOpenTag(text, state);
    return text;
}

std::string LinkCloseTag(const ComposerState& state) {
    std::string text;
    AppendLinkCloseTag(text, state);
    return text;
}

} // namespace quillet
