#include "writers.h"

#include <stdexcept>
#include <string_view>
#include <zlib.h>

namespace artgen {
namespace {

void put32be(Bytes& b, uint32_t v) {
    for (int i = 3; i >= 0; --i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void chunk(Bytes& out, std::string_view type, const Bytes& data) {
    put32be(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    put32be(out, static_cast<uint32_t>(crc));
}

} // namespace

Bytes encodePng(const Image& img) {
    // Each row: filter byte 0 (none), then the row's RGBA bytes.
    const size_t rowBytes = static_cast<size_t>(img.width) * 4;
    Bytes raw;
    raw.reserve((rowBytes + 1) * img.height);
    for (int y = 0; y < img.height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), img.at(0, y), img.at(0, y) + rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw std::runtime_error("PNG: zlib failed");
    packed.resize(packedSize);

    Bytes out { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' };
    Bytes header;
    put32be(header, static_cast<uint32_t>(img.width));
    put32be(header, static_cast<uint32_t>(img.height));
    header.insert(header.end(), { 8, 6, 0, 0, 0 }); // 8 bits, RGBA, deflate, no filter choice, no interlace
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", packed);
    chunk(out, "IEND", {});
    return out;
}

} // namespace artgen
