#include "writers.h"

#include <gif_lib.h>
#include <stdexcept>
#include <string>

namespace artgen {
namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int len) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + len);
    return len;
}

} // namespace

Bytes encodeGif(const IndexedImage& img) {
    if (img.palette.empty() || img.palette.size() > 256)
        throw std::runtime_error("GIF palette must have 1..256 entries");
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    if (!gif) throw std::runtime_error("EGifOpen failed: " + std::to_string(error));
    // Always a full 256-entry table, unused entries black.
    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        const Rgb8 c = i < static_cast<int>(img.palette.size()) ? img.palette[i] : Rgb8 {};
        map->Colors[i] = { c.r, c.g, c.b };
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, img.width, img.height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, img.width, img.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<size_t>(img.width));
    for (int y = 0; ok && y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) line[x] = img.at(x, y);
        ok = EGifPutLine(gif, line.data(), img.width) == GIF_OK;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok) throw std::runtime_error("GIF encoding failed");
    return out;
}

} // namespace artgen
