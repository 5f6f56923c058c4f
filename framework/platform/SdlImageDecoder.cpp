#include "SdlImageDecoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <array>
#include <memory>

namespace gv {

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

SurfacePtr load(std::span<const unsigned char> bytes, bool icon) {
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (!rw) return nullptr;
    SurfacePtr loaded(icon ? IMG_LoadICO_RW(rw) : IMG_Load_RW(rw, 0));
    SDL_RWclose(rw);
    return loaded;
}

SurfacePtr load_argb(std::span<const unsigned char> bytes, bool icon) {
    SurfacePtr loaded = load(bytes, icon);
    if (!loaded) return nullptr;
    return SurfacePtr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

const unsigned char* row_of(const SDL_Surface& s, int y) {
    return static_cast<const unsigned char*>(s.pixels) + std::ptrdiff_t(y) * s.pitch;
}

// The decoders give JPEGs as 24-bit RGB and GIFs as 8-bit palette indices.
// SDL's general converter takes 30 ns a pixel for those; these loops, a
// fraction of that, which is most of the splash's start.
bool convert_directly(const SDL_Surface& s, Bitmap& out) {
    const Uint32 format = s.format->format;
    if (format == SDL_PIXELFORMAT_RGB24 || format == SDL_PIXELFORMAT_BGR24) {
        const bool rgb_order = format == SDL_PIXELFORMAT_RGB24;
        for (int y = 0; y < s.h; ++y) {
            const unsigned char* src = row_of(s, y);
            Rgb* dst = out.row(y);
            for (int x = 0; x < s.w; ++x, src += 3)
                dst[x] = rgb_order ? rgb(src[0], src[1], src[2]) : rgb(src[2], src[1], src[0]);
        }
        return true;
    }
    if (format == SDL_PIXELFORMAT_INDEX8 && s.format->palette) {
        const SDL_Palette& palette = *s.format->palette;
        std::array<Rgb, 256> lookup {};
        for (int i = 0; i < palette.ncolors && i < 256; ++i)
            lookup[i] = rgb(palette.colors[i].r, palette.colors[i].g, palette.colors[i].b);
        for (int y = 0; y < s.h; ++y) {
            const unsigned char* src = row_of(s, y);
            Rgb* dst = out.row(y);
            for (int x = 0; x < s.w; ++x) dst[x] = lookup[src[x]];
        }
        return true;
    }
    return false;
}

} // namespace

std::optional<Bitmap> SdlImageDecoder::picture(std::span<const unsigned char> bytes) const {
    SurfacePtr loaded = load(bytes, false);
    if (!loaded) return std::nullopt;
    Bitmap bitmap(loaded->w, loaded->h);
    if (SDL_MUSTLOCK(loaded.get()) == 0 && convert_directly(*loaded, bitmap)) return bitmap;
    SurfacePtr s(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!s) return std::nullopt;
    for (int y = 0; y < s->h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(s->pixels) + y * s->pitch);
        Rgb* dst = bitmap.row(y);
        for (int x = 0; x < s->w; ++x) dst[x] = src[x] & 0x00ffffffu;
    }
    return bitmap;
}

std::vector<IconImage> SdlImageDecoder::icon(std::span<const unsigned char> bytes) const {
    SurfacePtr s = load_argb(bytes, true);
    if (!s) return {};
    IconImage image { s->w, s->h, std::vector<std::uint32_t>(std::size_t(s->w) * std::size_t(s->h)) };
    for (int y = 0; y < s->h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(s->pixels) + y * s->pitch);
        std::copy_n(src, s->w, image.argb.data() + std::size_t(y) * std::size_t(s->w));
    }
    return { std::move(image) };
}

} // namespace gv
