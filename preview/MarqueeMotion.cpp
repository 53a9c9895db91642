#include "preview/MarqueeMotion.h"

#include "platform/AsciiText.h"

#include <algorithm>

namespace quillet {

MarqueeBehavior MarqueeBehaviorNamed(std::string_view value) {
    const std::string lower = AsciiLower(value);
    if (lower == "slide") {
        return MarqueeBehavior::Slide;
    }
    if (lower == "alternate") {
        return MarqueeBehavior::Alternate;
    }
    return MarqueeBehavior::Scroll;
}

int ScrollAmountFrom(std::string_view value) {
    std::size_t pos = value.find_first_not_of(" \t");
    if (pos == std::string_view::npos || value[pos] < '0' || value[pos] > '9') {
        return kDefaultScrollAmount;
    }
    long long amount = 0;
    for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos) {
        // A huge amount only jumps; keep it where the arithmetic stays exact.
        amount = std::min(amount * 10 + (value[pos] - '0'), 100000LL);
    }
    return static_cast<int>(amount);
}

int MarqueeOffset(const MarqueeTrack& track, long long steps) {
    const long long travelled = std::max(0LL, steps) * std::max(0, track.amount);
    const long long view = std::max(0, track.viewWidth);
    const long long content = std::max(0, track.contentWidth);
    switch (track.behavior) {
    case MarqueeBehavior::Scroll: {
        const long long cycle = view + content;
        return cycle == 0 ? 0 : static_cast<int>(view - travelled % cycle);
    }
    case MarqueeBehavior::Slide:
        return static_cast<int>(std::max(0LL, view - travelled));
    case MarqueeBehavior::Alternate: {
        const long long right = std::max(0LL, view - content);
        const long long left = std::min(0LL, view - content);
        const long long span = right - left;
        if (span == 0) {
            return static_cast<int>(right);
        }
        const long long at = travelled % (2 * span);
        return static_cast<int>(at <= span ? right - at : left + (at - span));
    }
    }
    return 0;
}

bool MarqueeAtRest(const MarqueeTrack& track, long long steps) {
    if (track.amount <= 0) {
        return true;
    }
    switch (track.behavior) {
    case MarqueeBehavior::Slide:
        return MarqueeOffset(track, steps) == 0;
    case MarqueeBehavior::Alternate:
        return track.viewWidth == track.contentWidth;
    case MarqueeBehavior::Scroll:
        break;
    }
    return false;
}

} // namespace quillet
