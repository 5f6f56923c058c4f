#pragma once

#include <algorithm>
#include <span>

namespace gv {

struct Point {
    int x { 0 };
    int y { 0 };
    friend bool operator==(Point, Point) = default;
};

struct Size {
    int width { 0 };
    int height { 0 };
    friend bool operator==(Size, Size) = default;
};

// Half-open everywhere: a point is inside when left <= x < left + width.
struct Rect {
    int x { 0 };
    int y { 0 };
    int width { 0 };
    int height { 0 };

    int left() const { return x; }
    int top() const { return y; }
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    Point origin() const { return { x, y }; }
    Size size() const { return { width, height }; }

    bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }

    Rect intersected(Rect o) const {
        int l = std::max(x, o.x), t = std::max(y, o.y);
        int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        if (r <= l || b <= t) return {};
        return { l, t, r - l, b - t };
    }
    bool intersects(Rect o) const { return !intersected(o).empty(); }

    Rect united(Rect o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        int l = std::min(x, o.x), t = std::min(y, o.y);
        int r = std::max(right(), o.right()), b = std::max(bottom(), o.bottom());
        return { l, t, r - l, b - t };
    }
    Rect translated(int dx, int dy) const { return { x + dx, y + dy, width, height }; }
    Rect shrunk(int by) const { return { x + by, y + by, width - 2 * by, height - 2 * by }; }

    friend bool operator==(Rect, Rect) = default;
};

// Calls `f` with rectangles that together cover exactly the part of `r`
// outside every one of `holes`, none of them overlapping: painting skips
// what opaque controls above will cover anyway.
template <typename F> void for_each_uncovered(Rect r, std::span<const Rect> holes, F&& f) {
    for (std::size_t i = 0; i < holes.size(); ++i) {
        const Rect h = r.intersected(holes[i]);
        if (h.empty()) continue;
        const auto rest = holes.subspan(i + 1);
        // Above and below the hole across the full width, then its two sides.
        if (h.y > r.y) for_each_uncovered(Rect { r.x, r.y, r.width, h.y - r.y }, rest, f);
        if (h.bottom() < r.bottom())
            for_each_uncovered(Rect { r.x, h.bottom(), r.width, r.bottom() - h.bottom() }, rest, f);
        if (h.x > r.x) for_each_uncovered(Rect { r.x, h.y, h.x - r.x, h.height }, rest, f);
        if (h.right() < r.right())
            for_each_uncovered(Rect { h.right(), h.y, r.right() - h.right(), h.height }, rest, f);
        return;
    }
    if (!r.empty()) f(r);
}

} // namespace gv
