// Encoders from in-memory images to complete file bytes.
#pragma once

#include "image.h"

#include <cstdint>
#include <vector>

namespace artgen {

using Bytes = std::vector<uint8_t>;

// Baseline JPEG, quality 95, no chroma subsampling. Alpha is ignored.
Bytes encodeJpeg(const Image& img);

// Decodes JPEG bytes to opaque pixels with the settings the program's own
// decoder uses, so a picture stored twice (JPEG and BMP) comes out identical.
Image decodeJpeg(const Bytes& jpeg);

// PNG, 8-bit RGBA, no ancillary chunks (no time, no gamma): the same pixels
// give the same bytes.
Bytes encodePng(const Image& img);

// GIF 89a, one frame, global colour table padded to 256 entries, no extensions.
Bytes encodeGif(const IndexedImage& img);

// Uncompressed 24-bit BMP file.
Bytes encodeBmp24(const Image& img);

// BITMAPINFOHEADER + palette + XOR bitmap + AND mask, as stored inside an ICO.
// bitsPerPixel is 4 or 8; transparent marks pixels whose AND-mask bit is set.
Bytes encodeIconDib(const IndexedImage& img, int bitsPerPixel, const std::vector<bool>& transparent);

struct IconEntry {
    IndexedImage image;
    int bitsPerPixel = 8;
    std::vector<bool> transparent; // empty means fully opaque
};

Bytes encodeIco(const std::vector<IconEntry>& entries);

} // namespace artgen
