#include "controls/ToolWindowPlacement.h"

#include <algorithm>
#include <vector>

namespace quillet {
namespace {

using geom::Rect;
using geom::Size;

// Far beyond any screen; keeps every sum below from overflowing.
constexpr int kCoordinateLimit = 1 << 24;

bool Sound(const Rect& r) {
    const auto inRange = [](int v) { return v > -kCoordinateLimit && v < kCoordinateLimit; };
    return inRange(r.left) && inRange(r.top) && inRange(r.right) && inRange(r.bottom) &&
           r.left < r.right && r.top < r.bottom;
}

bool Overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& r, const Rect& screen) {
    return r.left >= screen.left && r.top >= screen.top && r.right <= screen.right &&
           r.bottom <= screen.bottom;
}

// At least half of its width and half of its height on the screen, counting no more of
// it than the screen can hold.
bool MostlyOn(const Rect& r, const Rect& screen) {
    const int shownWidth = std::min(r.right, screen.right) - std::max(r.left, screen.left);
    const int shownHeight = std::min(r.bottom, screen.bottom) - std::max(r.top, screen.top);
    return shownWidth * 2 >= std::min(r.Width(), screen.Width()) &&
           shownHeight * 2 >= std::min(r.Height(), screen.Height());
}

Rect Clamped(const Rect& r, const Rect& screen) {
    const int width = std::min(r.Width(), screen.Width());
    const int height = std::min(r.Height(), screen.Height());
    const int left = std::clamp(r.left, screen.left, screen.right - width);
    const int top = std::clamp(r.top, screen.top, screen.bottom - height);
    return Rect::OfSize(left, top, width, height);
}

Rect RightOf(const Rect& r, int top, Size size) {
    return Rect::OfSize(r.right, top, size.width, size.height);
}
Rect LeftOf(const Rect& r, int top, Size size) {
    return Rect::OfSize(r.left - size.width, top, size.width, size.height);
}
Rect Below(const Rect& r, int left, Size size) {
    return Rect::OfSize(left, r.bottom, size.width, size.height);
}
Rect Above(const Rect& r, int left, Size size) {
    return Rect::OfSize(left, r.top - size.height, size.width, size.height);
}

// The user's own place, moved off the other window to the nearest side with room.
Rect KeptPlace(const Rect& kept, const std::optional<Rect>& other, const Rect& screen) {
    if (!other || !Overlaps(kept, *other)) {
        return kept;
    }
    const Size size{kept.Width(), kept.Height()};
    for (const Rect& spot : {RightOf(*other, kept.top, size), LeftOf(*other, kept.top, size),
                             Below(*other, kept.left, size), Above(*other, kept.left, size)}) {
        if (Inside(spot, screen)) {
            return spot;
        }
    }
    // No room anywhere without moving the other window.
    return kept;
}

} // namespace

Rect PlaceToolWindow(const ToolWindowPlacement& placement) {
    const Rect& screen = placement.screen;
    if (!Sound(screen)) {
        return Rect::OfSize(0, 0, std::max(placement.size.width, 1),
                            std::max(placement.size.height, 1));
    }
    const Rect owner = Sound(placement.owner) ? placement.owner : Rect{};
    std::optional<Rect> other;
    if (placement.other && Sound(*placement.other)) {
        other = placement.other;
    }
    const bool keptSound = placement.kept && Sound(*placement.kept);
    if (keptSound && MostlyOn(*placement.kept, screen)) {
        return KeptPlace(Clamped(*placement.kept, screen), other, screen);
    }

    // A kept size stays even where its place is gone, as on a screen no longer there.
    Size size =
        keptSound ? Size{placement.kept->Width(), placement.kept->Height()} : placement.size;
    if (size.width <= 0 || size.height <= 0 || size.width >= kCoordinateLimit ||
        size.height >= kCoordinateLimit) {
        size = {1, 1};
    }
    size = {std::min(size.width, screen.Width()), std::min(size.height, screen.Height())};

    std::vector<Rect> spots;
    if (!placement.second) {
        spots.push_back(RightOf(owner, owner.top, size));
    }
    if (other) {
        spots.push_back(Below(*other, other->left, size));
        spots.push_back(RightOf(*other, other->top, size));
    }
    if (placement.second) {
        spots.push_back(RightOf(owner, owner.top, size));
    }
    spots.push_back(LeftOf(owner, owner.top, size));
    spots.push_back(Below(owner, owner.left, size));
    spots.push_back(Above(owner, owner.left, size));

    for (const Rect& spot : spots) {
        if (Inside(spot, screen) && !Overlaps(spot, owner) && (!other || !Overlaps(spot, *other))) {
            return spot;
        }
    }
    // A crowded screen: over the owner rather than over the other tool window.
    for (const Rect& spot : spots) {
        const Rect onScreen = Clamped(spot, screen);
        if (!other || !Overlaps(onScreen, *other)) {
            return onScreen;
        }
    }
    return Clamped(Below(owner, owner.left, size), screen);
}

} // namespace quillet
