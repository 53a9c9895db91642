#pragma once

#include <string_view>

namespace quillet {

// How a scrolling text moves, as a browser moves it: leftwards by its scroll amount in
// pixels at every step of kMarqueeStepMilliseconds.
enum class MarqueeBehavior { Scroll, Slide, Alternate };

inline constexpr int kMarqueeStepMilliseconds = 85;
inline constexpr int kDefaultScrollAmount = 6;

// "slide" and "alternate" in any case; anything else scrolls.
MarqueeBehavior MarqueeBehaviorNamed(std::string_view value);
// A ScrollAmount value: its leading decimal digits; the default when there are none.
int ScrollAmountFrom(std::string_view value);

struct MarqueeTrack {
    MarqueeBehavior behavior = MarqueeBehavior::Scroll;
    int amount = kDefaultScrollAmount; // pixels per step
    int contentWidth = 0;
    int viewWidth = 0;
};

// Where the content's left edge is, in view coordinates, after `steps` steps:
// - scroll: enters at the right edge, leaves at the left, and enters again;
// - slide: enters at the right edge and stops when its left edge reaches the left;
// - alternate: starts at the right and bounces between the two edges.
int MarqueeOffset(const MarqueeTrack& track, long long steps);

// True once the content no longer moves (a slide at rest, or nothing to move), so that a
// view can stop its timer.
bool MarqueeAtRest(const MarqueeTrack& track, long long steps);

} // namespace quillet
