#pragma once

#include "core/ComposerState.h"

#include <string>
#include <string_view>

namespace quillet {

inline constexpr int kMinMarqueeSpeed = 1;
inline constexpr int kMaxMarqueeSpeed = 99;
inline constexpr int kDefaultMarqueeSpeed = 6;

// The behaviour the state's list item writes ("Slide", "Alternate"); empty for scrolling.
std::string_view MarqueeBehaviorOf(const ComposerState& state);

// The scrolling-text element is written even at its defaults and around nothing:
// <Marquee></Marquee>. Attributes in the order BgColor, Behavior, ScrollAmount.
void AppendMarqueeOpenTag(std::string& out, const ComposerState& state);
void AppendMarqueeCloseTag(std::string& out);

std::string MarqueeOpenTag(const ComposerState& state);
std::string MarqueeCloseTag();

// The speed label's text, "6ドット/秒" for 6 (code page 932).
std::string SpeedLabelText(int speed);

} // namespace quillet
