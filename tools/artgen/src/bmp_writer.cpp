#include "writers.h"

#include <stdexcept>

namespace artgen {
namespace {

void put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void putInfoHeader(Bytes& b, int width, int height, int bits, uint32_t imageSize, uint32_t coloursUsed) {
    put32(b, 40);
    put32(b, static_cast<uint32_t>(width));
    put32(b, static_cast<uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<unsigned>(bits));
    put32(b, 0); // BI_RGB
    put32(b, imageSize);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, coloursUsed);
    put32(b, 0);
}

size_t rowBytes(int width, int bits) {
    return ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
}

} // namespace

Bytes encodeBmp24(const Image& src) {
    const Image img = flattenOnBlack(src);
    const size_t stride = rowBytes(img.width, 24);
    const uint32_t pixelBytes = static_cast<uint32_t>(stride * img.height);
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    put32(b, 14 + 40 + pixelBytes);
    put32(b, 0);
    put32(b, 14 + 40);
    putInfoHeader(b, img.width, img.height, 24, pixelBytes, 0);
    for (int y = img.height - 1; y >= 0; --y) { // bottom-up
        const size_t start = b.size();
        for (int x = 0; x < img.width; ++x) {
            const uint8_t* p = img.at(x, y);
            b.push_back(p[2]);
            b.push_back(p[1]);
            b.push_back(p[0]);
        }
        b.resize(start + stride, 0);
    }
    return b;
}

Bytes encodeIconDib(const IndexedImage& img, int bits, const std::vector<bool>& transparent) {
    if (bits != 4 && bits != 8) throw std::runtime_error("icon DIB supports 4 or 8 bits per pixel");
    const size_t paletteSize = size_t(1) << bits;
    if (img.palette.size() > paletteSize) throw std::runtime_error("icon palette too large for bit depth");
    const size_t xorStride = rowBytes(img.width, bits), andStride = rowBytes(img.width, 1);
    const uint32_t imageSize = static_cast<uint32_t>((xorStride + andStride) * img.height);
    Bytes b;
    // Icon DIBs state twice the height: the colour bitmap followed by the mask.
    putInfoHeader(b, img.width, img.height * 2, bits, imageSize, 0);
    for (size_t i = 0; i < paletteSize; ++i) {
        const Rgb8 c = i < img.palette.size() ? img.palette[i] : Rgb8 {};
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        b.push_back(0);
    }
    auto isClear = [&](int x, int y) {
        return !transparent.empty() && transparent[static_cast<size_t>(y) * img.width + x];
    };
    for (int y = img.height - 1; y >= 0; --y) {
        const size_t start = b.size();
        b.resize(start + xorStride, 0);
        for (int x = 0; x < img.width; ++x) {
            const uint8_t v = img.at(x, y);
            if (bits == 8)
                b[start + x] = v;
            else
                b[start + x / 2] |= static_cast<uint8_t>(x % 2 == 0 ? (v & 0xF) << 4 : (v & 0xF));
        }
    }
    for (int y = img.height - 1; y >= 0; --y) {
        const size_t start = b.size();
        b.resize(start + andStride, 0);
        for (int x = 0; x < img.width; ++x)
            if (isClear(x, y)) b[start + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    return b;
}

} // namespace artgen
