#include "Font.h"

#include <algorithm>
#include <cstdlib>

namespace gv {

int Font::text_width(std::string_view text) const {
    int w = 0;
    for (unsigned char c : text) w += glyph(c).advance;
    return w;
}

void Font::draw(Painter& painter, Point at, std::string_view text, Rgb color,
                std::span<const int> underlined) const {
    int pen = at.x;
    int baseline = at.y + m_metrics.ascent;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& g = glyph(static_cast<unsigned char>(text[i]));
        if (!g.coverage.empty())
            painter.draw_coverage({ pen + g.left, baseline - g.top }, g.size, g.coverage, color);
        if (std::find(underlined.begin(), underlined.end(), int(i)) != underlined.end())
            painter.fill_rect(
                { pen, baseline + m_metrics.underline_offset, g.advance, m_metrics.underline_thickness },
                color);
        pen += g.advance;
    }
}

const FontSubstitute* choose_substitute(std::span<const FontSubstitute> substitutes, const FontSpec& asked) {
    auto nearest = [&](std::string_view face) -> const FontSubstitute* {
        const FontSubstitute* best = nullptr;
        for (const FontSubstitute& s : substitutes) {
            if (s.face != face) continue;
            const int distance = std::abs(s.weight - asked.weight);
            const int best_distance = best ? std::abs(best->weight - asked.weight) : 0;
            if (!best || distance < best_distance || (distance == best_distance && s.weight > best->weight))
                best = &s;
        }
        return best;
    };
    if (const FontSubstitute* own = nearest(asked.face)) return own;
    return nearest({});
}

} // namespace gv
