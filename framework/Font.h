#pragma once

#include "Geometry.h"
#include "Painter.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace gv {

// A font as a layout names it: the face, the size in hundredths of a point and
// the weight (400 regular, 500 medium, 700 bold). An empty face is the
// platform's default font.
struct FontSpec {
    std::string_view face {};
    int centipoints { 825 };
    int weight { 400 };
    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct Glyph {
    int advance { 0 };
    int left { 0 }; // from the pen position to the first column of the mask
    int top { 0 };  // from the baseline up to the first row of the mask
    Size size;
    std::vector<std::uint8_t> coverage;
};

// Draws the glyphs of one face at one size, each when a font first needs it.
class GlyphRenderer {
public:
    virtual ~GlyphRenderer() = default;
    // The glyph of a code page 1252 character; an empty one where the face has none.
    virtual Glyph render(unsigned char) = 0;
};

// A rasterised face at one size: a glyph for each of the 256 code page 1252
// characters, each rendered once, when it is first measured or drawn. A
// splash with a few letters of a large face need not wait for the rest.
class Font {
public:
    struct Metrics {
        int ascent { 0 };
        int line_height { 0 };
        int underline_offset { 1 }; // rows below the baseline
        int underline_thickness { 1 };
    };

    Font(Metrics metrics, std::unique_ptr<GlyphRenderer> renderer)
        : m_metrics(metrics)
        , m_renderer(std::move(renderer)) {}

    int ascent() const { return m_metrics.ascent; }
    int line_height() const { return m_metrics.line_height; }
    const Glyph& glyph(unsigned char c) const {
        if (!m_rendered[c]) {
            m_glyphs[c] = m_renderer->render(c);
            m_rendered[c] = true;
        }
        return m_glyphs[c];
    }
    // Renders the glyphs of a text ahead of its first paint.
    void prepare(std::string_view text) const {
        for (unsigned char c : text) glyph(c);
    }

    int text_width(std::string_view text) const;
    // Draws one line with its top-left at `at`; characters whose index is in
    // `underlined` get the mnemonic underline.
    void draw(Painter&, Point at, std::string_view text, Rgb, std::span<const int> underlined = {}) const;

private:
    Metrics m_metrics;
    std::unique_ptr<GlyphRenderer> m_renderer;
    mutable std::array<Glyph, 256> m_glyphs;
    mutable std::bitset<256> m_rendered;
};

// A face the program carries in place of one that layouts name. A fixed
// cell, where given, overrides the face's own line height: the bitmap face
// for Fixedsys is one pixel shorter than Fixedsys's cell.
struct FontSubstitute {
    std::string_view face; // as layouts name it; empty for the default font
    std::string_view file; // the embedded font file
    int weight { 400 };    // the weight the file is drawn at
    int cell_height { 0 }; // pixels, or 0 for the face's own line height
};

// The substitute for a font: among the rows of its face, the one whose weight
// is nearest, the heavier of two as near; a face without rows takes the
// default font's, as a font mapper would. Null when neither has a row.
const FontSubstitute* choose_substitute(std::span<const FontSubstitute>, const FontSpec&);

// Finds or makes the font a layout asks for. Returns null when no face can stand in
// for it; callers report that as a failure of the step that needed the font.
class FontProvider {
public:
    virtual ~FontProvider() = default;
    virtual const Font* font(const FontSpec&) = 0;
};

} // namespace gv
