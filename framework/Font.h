#pragma once

#include "Geometry.h"
#include "Painter.h"

#include <array>
#include <cstdint>
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

// A rasterised face at one size: a glyph for each of the 256 code page 1252
// characters, rendered once when the font is made.
class Font {
public:
    struct Metrics {
        int ascent { 0 };
        int line_height { 0 };
        int underline_offset { 1 }; // rows below the baseline
        int underline_thickness { 1 };
    };

    Font(Metrics metrics, std::array<Glyph, 256> glyphs)
        : m_metrics(metrics)
        , m_glyphs(std::move(glyphs)) {}

    int ascent() const { return m_metrics.ascent; }
    int line_height() const { return m_metrics.line_height; }
    const Glyph& glyph(unsigned char c) const { return m_glyphs[c]; }

    int text_width(std::string_view text) const;
    // Draws one line with its top-left at `at`; characters whose index is in
    // `underlined` get the mnemonic underline.
    void draw(Painter&, Point at, std::string_view text, Rgb, std::span<const int> underlined = {}) const;

private:
    Metrics m_metrics;
    std::array<Glyph, 256> m_glyphs;
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
