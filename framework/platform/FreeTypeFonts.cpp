#include "FreeTypeFonts.h"

#include "framework/CodePage1252.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H

#include <cmath>

namespace gv {

namespace {

struct LibraryDeleter {
    void operator()(FT_Library l) const { FT_Done_FreeType(l); }
};
struct FaceDeleter {
    void operator()(FT_Face f) const { FT_Done_Face(f); }
};
using LibraryPtr = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;
using FacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;

int pixels_of_26_6(FT_Pos v) {
    return int((v + 32) >> 6);
}

struct SizeDeleter {
    void operator()(FT_Size s) const { FT_Done_Size(s); }
};
using SizePtr = std::unique_ptr<std::remove_pointer_t<FT_Size>, SizeDeleter>;

// The glyphs of one font: its face at its own size.
class FreeTypeGlyphs final : public GlyphRenderer {
public:
    FreeTypeGlyphs(FT_Face face, SizePtr size, bool fixed, bool embolden)
        : m_face(face)
        , m_size(std::move(size))
        , m_embolden(embolden)
        , m_load_flags((embolden ? 0 : FT_LOAD_RENDER) |
                       (fixed ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL)) {}

    Glyph render(unsigned char c) override {
        Glyph g;
        const char32_t code = c < 0x20 ? 0 : cp1252_to_unicode(c);
        if (code == 0) return g;
        FT_Activate_Size(m_size.get());
        const FT_UInt index = FT_Get_Char_Index(m_face, code);
        if (index == 0 || FT_Load_Glyph(m_face, index, m_load_flags) != 0) return g;
        const FT_GlyphSlot slot = m_face->glyph;
        if (m_embolden) {
            FT_GlyphSlot_Embolden(slot);
            if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
        }
        const FT_Bitmap& bm = slot->bitmap;
        g.advance = pixels_of_26_6(slot->advance.x);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.size = { int(bm.width), int(bm.rows) };
        g.coverage.assign(std::size_t(bm.width) * bm.rows, 0);
        for (unsigned y = 0; y < bm.rows; ++y) {
            const unsigned char* row = bm.buffer + std::ptrdiff_t(y) * bm.pitch;
            for (unsigned x = 0; x < bm.width; ++x) {
                unsigned char v =
                    bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
                g.coverage[std::size_t(y) * bm.width + x] = v;
            }
        }
        return g;
    }

private:
    FT_Face m_face;
    SizePtr m_size;
    bool m_embolden;
    FT_Int32 m_load_flags;
};

} // namespace

struct FreeTypeFonts::Impl {
    std::span<const EmbeddedFile> files;
    std::span<const FontSubstitute> substitutes;
    LibraryPtr library;
    std::map<std::string, FacePtr, std::less<>> faces;

    FT_Face face_for(std::string_view file, std::string& error) {
        if (auto it = faces.find(file); it != faces.end()) return it->second.get();
        for (const EmbeddedFile& f : files) {
            if (f.name != file) continue;
            FT_Face face = nullptr;
            if (FT_Error e =
                    FT_New_Memory_Face(library.get(), f.bytes.data(), FT_Long(f.bytes.size()), 0, &face)) {
                error = "FreeType cannot open " + std::string(file) + " (error " + std::to_string(e) + ")";
                return nullptr;
            }
            FT_Select_Charmap(face, FT_ENCODING_UNICODE);
            return (faces[std::string(file)] = FacePtr(face)).get();
        }
        error = "no embedded font file " + std::string(file);
        return nullptr;
    }
};

FreeTypeFonts::FreeTypeFonts(std::span<const EmbeddedFile> files, std::span<const FontSubstitute> substitutes)
    : m_impl(std::make_unique<Impl>()) {
    m_impl->files = files;
    m_impl->substitutes = substitutes;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0) m_impl->library.reset(library);
}

FreeTypeFonts::~FreeTypeFonts() = default;

std::string_view FreeTypeFonts::stand_in(const FontSpec& asked) const {
    const FontSubstitute* sub = choose_substitute(m_impl->substitutes, asked);
    return sub ? sub->file : std::string_view {};
}

const Font* FreeTypeFonts::font(const FontSpec& asked) {
    auto key = std::make_tuple(std::string(asked.face), asked.centipoints, asked.weight);
    if (auto it = m_fonts.find(key); it != m_fonts.end()) return it->second.get();
    if (!m_impl->library) {
        m_error = "FreeType did not start";
        return nullptr;
    }

    const FontSubstitute* sub = choose_substitute(m_impl->substitutes, asked);
    if (!sub) {
        m_error = "no font stands in for " + std::string(asked.face);
        return nullptr;
    }
    FT_Face face = m_impl->face_for(sub->file, m_error);
    if (!face) return nullptr;

    // Each font keeps a size object of its own on the shared face, since its
    // glyphs are rendered later, between other fonts' glyphs.
    FT_Size size = nullptr;
    if (FT_New_Size(face, &size) != 0) {
        m_error = "FreeType cannot make a size of " + std::string(sub->file);
        return nullptr;
    }
    SizePtr own_size(size);
    FT_Activate_Size(size);
    const bool fixed = !FT_IS_SCALABLE(face);
    FT_Error e = 0;
    if (fixed) {
        e = FT_Select_Size(face, 0);
    } else {
        // Points at 96 pixels per inch.
        const int pixels = int(std::lround(asked.centipoints * 96.0 / 7200.0));
        e = FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixels));
    }
    if (e) {
        m_error = "FreeType cannot size " + std::string(sub->file);
        return nullptr;
    }

    Font::Metrics metrics;
    metrics.ascent = pixels_of_26_6(face->size->metrics.ascender);
    const int descent = -pixels_of_26_6(face->size->metrics.descender);
    metrics.line_height = sub->cell_height > 0 ? sub->cell_height : metrics.ascent + descent;
    if (!fixed && face->units_per_EM > 0) {
        const double scale = double(face->size->metrics.y_ppem) / face->units_per_EM;
        metrics.underline_offset = std::max(1, int(std::lround(-face->underline_position * scale)));
        metrics.underline_thickness = std::max(1, int(std::lround(face->underline_thickness * scale)));
    } else {
        metrics.underline_offset = std::min(descent, 1);
        metrics.underline_thickness = 1;
    }

    // A face asked for well above the weight its stand-in is drawn at (bold
    // from a regular file) is thickened, as a font mapper synthesises bold.
    const bool embolden = !fixed && asked.weight - sub->weight >= 200;
    auto renderer = std::make_unique<FreeTypeGlyphs>(face, std::move(own_size), fixed, embolden);
    auto& slot = m_fonts[key];
    slot = std::make_unique<Font>(metrics, std::move(renderer));
    return slot.get();
}

} // namespace gv
