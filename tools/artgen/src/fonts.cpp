#include "fonts.h"

#include <algorithm>
#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cctype>
#include <map>
#include <stdexcept>

namespace artgen {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

struct Candidate {
    std::string file;
    int index = 0;
    int score = 0;
};

// Some fonts register odd family names (a version suffix, for instance), and
// fontconfig's matcher then silently substitutes DejaVu. Scanning the installed
// list by prefix finds them and lets us fail loudly when a font is missing.
Candidate findFontFile(const Font& font) {
    FcInit();
    FcPattern* pat = FcPatternCreate();
    FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, nullptr);
    FcFontSet* set = FcFontList(nullptr, pat, os);
    const std::string wantFamily = lower(font.family);
    const std::string wantStyle = lower(font.style);
    Candidate best;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* p = set->fonts[i];
        int familyScore = 0;
        FcChar8* s = nullptr;
        for (int k = 0; FcPatternGetString(p, FC_FAMILY, k, &s) == FcResultMatch; ++k) {
            const std::string fam = lower(reinterpret_cast<const char*>(s));
            if (fam == wantFamily)
                familyScore = std::max(familyScore, 2);
            else if (fam.rfind(wantFamily, 0) == 0)
                familyScore = std::max(familyScore, 1);
        }
        if (familyScore == 0) continue;
        int styleScore = 0;
        for (int k = 0; FcPatternGetString(p, FC_STYLE, k, &s) == FcResultMatch; ++k)
            if (lower(reinterpret_cast<const char*>(s)) == wantStyle) styleScore = 4;
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(p, FC_FILE, 0, &file) != FcResultMatch) continue;
        FcPatternGetInteger(p, FC_INDEX, 0, &index);
        const int score = familyScore + styleScore;
        const std::string path = reinterpret_cast<const char*>(file);
        // Ties go to the lexically smallest path so the choice never depends on list order.
        if (score > best.score || (score == best.score && path < best.file)) best = { path, index, score };
    }
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(os);
    FcPatternDestroy(pat);
    if (best.score == 0) throw std::runtime_error("font not installed: " + font.family + " " + font.style);
    return best;
}

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) throw std::runtime_error("FreeType init failed");
        return l;
    }();
    return lib;
}

} // namespace

cairo_font_face_t* fontFace(const Font& font) {
    static std::map<std::string, cairo_font_face_t*> cache;
    const std::string key = font.family + "\n" + font.style;
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    const Candidate c = findFontFile(font);
    FT_Face face = nullptr;
    if (FT_New_Face(library(), c.file.c_str(), c.index, &face) != 0)
        throw std::runtime_error("cannot open font file " + c.file);
    cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
    cache[key] = cf;
    return cf;
}

} // namespace artgen
