#pragma once

#include "Bitmap.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gv {

// Paints into a Bitmap through a stack of states (clip and origin). Every
// coordinate given to it is relative to the current origin; the clip is kept
// in bitmap coordinates so nested controls only ever narrow it.
class Painter {
public:
    explicit Painter(Bitmap& target);
    ~Painter();

    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void fill_rect(Rect, Rgb);
    void draw_bitmap(Point, const Bitmap&);
    // Blends a colour through an 8-bit coverage mask (a glyph) of the given size.
    void draw_coverage(Point, Size, std::span<const std::uint8_t> coverage, Rgb);
    // A one-pixel black line just inside the rectangle's edge.
    void draw_border(Rect, Rgb = 0);

    // Narrows the clip to a rectangle given in current coordinates.
    void clip_to(Rect);
    void translate(int dx, int dy);
    Rect clip_in_local() const;
    bool clip_is_empty() const { return m_state.back().clip.empty(); }
    std::size_t depth() const { return m_state.size(); }

    void save() { m_state.push_back(m_state.back()); }
    void restore();

private:
    struct State {
        Rect clip;
        Point origin;
    };
    Bitmap& m_target;
    std::vector<State> m_state;
};

class PainterStateSaver {
public:
    explicit PainterStateSaver(Painter& p)
        : m_painter(p) {
        m_painter.save();
    }
    ~PainterStateSaver() { m_painter.restore(); }
    PainterStateSaver(const PainterStateSaver&) = delete;
    PainterStateSaver& operator=(const PainterStateSaver&) = delete;

private:
    Painter& m_painter;
};

} // namespace gv
