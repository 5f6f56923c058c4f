#include "PictureDecoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>

namespace gv {

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

SurfacePtr load_argb(std::span<const unsigned char> bytes, bool icon) {
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (!rw) return nullptr;
    SurfacePtr loaded(icon ? IMG_LoadICO_RW(rw) : IMG_Load_RW(rw, 0));
    SDL_RWclose(rw);
    if (!loaded) return nullptr;
    return SurfacePtr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

} // namespace

std::optional<Bitmap> decode_picture(std::span<const unsigned char> bytes) {
    SurfacePtr s = load_argb(bytes, false);
    if (!s) return std::nullopt;
    Bitmap bitmap(s->w, s->h);
    for (int y = 0; y < s->h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(s->pixels) + y * s->pitch);
        Rgb* dst = bitmap.row(y);
        for (int x = 0; x < s->w; ++x) dst[x] = src[x] & 0x00ffffffu;
    }
    return bitmap;
}

std::vector<IconImage> decode_icon(std::span<const unsigned char> bytes) {
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
