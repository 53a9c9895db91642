#include "core/MarqueeTag.h"

#include "core/ColorPalette.h"
#include "core/HtmlAttribute.h"

#include <algorithm>
#include <array>

namespace quillet {
namespace {

// One item of the behaviour list and the value it writes (empty: no attribute).
struct MarqueeBehaviorRow {
    std::string_view Item; // code page 932
    std::string_view Behavior;
};

// In the order of the behaviour list, "スクロール" first.
constexpr std::array<MarqueeBehaviorRow, 3> kBehaviors{{
    {"スクロール", ""},
    {"スライド", "Slide"},
    {"交互", "Alternate"},
}};

} // namespace

std::string_view MarqueeBehaviorOf(const ComposerState& state) {
    const auto found =
        std::ranges::find(kBehaviors, state.MarqueeBehavior, &MarqueeBehaviorRow::Item);
    return found == kBehaviors.end() ? std::string_view() : found->Behavior;
}

void AppendMarqueeOpenTag(std::string& out, const ComposerState& state) {
    out += "<Marquee";
    if (!IsStandard(state.MarqueeBgColor)) {
        AppendAttribute(out, "BgColor", HtmlColorText(state.MarqueeBgColor), state.Quote);
    }
    if (const std::string_view behavior = MarqueeBehaviorOf(state); !behavior.empty()) {
        AppendAttribute(out, "Behavior", behavior, state.Quote);
    }
    if (state.MarqueeSpeed != kDefaultMarqueeSpeed) {
        AppendAttribute(out, "ScrollAmount", std::to_string(state.MarqueeSpeed), state.Quote);
    }
    out += '>';
}

void AppendMarqueeCloseTag(std::string& out) {
    out += "</Marquee>";
}

std::string MarqueeOpenTag(const ComposerState& state) {
    std::string text;
    AppendMarqueeOpenTag(text, state);
    return text;
}

std::string MarqueeCloseTag() {
    return "</Marquee>";
}

std::string SpeedLabelText(int speed) {
    return std::to_string(speed) + "ドット/秒";
}

} // namespace quillet
