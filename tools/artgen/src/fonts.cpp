#include "fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>
#include <map>
#include <pixman.h>
#include <stdexcept>
#include <string>
#include <zlib.h>

namespace artgen {
namespace {

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
    static std::map<std::string_view, cairo_font_face_t*> cache;
    if (auto it = cache.find(font.file); it != cache.end()) return it->second;
    const std::string file(font.file);
    FT_Face face = nullptr;
    if (FT_New_Face(library(), file.c_str(), 0, &face) != 0)
        throw std::runtime_error("cannot open font file " + file + " (Debian package " +
                                 std::string(font.package) + ")");
    cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
    cache[font.file] = cf;
    return cf;
}

void printLibraryVersions() {
    FT_Int major = 0, minor = 0, patch = 0;
    FT_Library_Version(library(), &major, &minor, &patch);
    std::printf("cairo %s\n", cairo_version_string());
    std::printf("pixman %s\n", pixman_version_string());
    std::printf("freetype %d.%d.%d\n", major, minor, patch);
    std::printf("libjpeg-turbo %d (built against), libjpeg API %d\n", LIBJPEG_TURBO_VERSION_NUMBER,
                JPEG_LIB_VERSION);
    std::printf("giflib %d.%d.%d (built against)\n", GIFLIB_MAJOR, GIFLIB_MINOR, GIFLIB_RELEASE);
    std::printf("zlib %s\n", zlibVersion());
    for (const Font& f : fonts::all) std::printf("font %s (%s)\n", f.file.data(), f.package.data());
}

} // namespace artgen
