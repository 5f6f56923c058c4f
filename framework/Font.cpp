#include "Font.h"

#include <algorithm>

namespace gv {

int Font::text_width(std::string_view text) const {
    int w = 0;
    for (unsigned char c : text) w += m_glyphs[c].advance;
    return w;
}

void Font::draw(Painter& painter, Point at, std::string_view text, Rgb color,
                std::span<const int> underlined) const {
    int pen = at.x;
    int baseline = at.y + m_metrics.ascent;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& g = m_glyphs[static_cast<unsigned char>(text[i])];
        if (!g.coverage.empty())
            painter.draw_coverage({ pen + g.left, baseline - g.top }, g.size, g.coverage, color);
        if (std::find(underlined.begin(), underlined.end(), int(i)) != underlined.end())
            painter.fill_rect(
                { pen, baseline + m_metrics.underline_offset, g.advance, m_metrics.underline_thickness },
                color);
        pen += g.advance;
    }
}

} // namespace gv
