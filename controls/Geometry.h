#pragma once

#include <algorithm>

// Plain geometry for the drawing rules of the controls and the window's template, so that
// they can be tested without a window. Rectangles exclude their right and bottom edges.
namespace quillet::geom {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect OfSize(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    Rect Inset(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    bool operator==(const Rect&) const = default;
};

} // namespace quillet::geom
