#include "writers.h"

#include <stdexcept>

namespace artgen {

Bytes encodeIco(const std::vector<IconEntry>& entries) {
    std::vector<Bytes> dibs;
    for (const IconEntry& e : entries) {
        if (e.image.width > 256 || e.image.height > 256) throw std::runtime_error("icon image too large");
        dibs.push_back(encodeIconDib(e.image, e.bitsPerPixel, e.transparent));
    }
    Bytes b;
    auto put16 = [&](unsigned v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put16(0);
    put16(1); // type: icon
    put16(static_cast<unsigned>(entries.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        b.push_back(static_cast<uint8_t>(e.image.width & 0xFF)); // 256 is stored as 0
        b.push_back(static_cast<uint8_t>(e.image.height & 0xFF));
        b.push_back(static_cast<uint8_t>(e.bitsPerPixel >= 8 ? 0 : 1 << e.bitsPerPixel));
        b.push_back(0);
        put16(1);
        put16(static_cast<unsigned>(e.bitsPerPixel));
        put32(static_cast<uint32_t>(dibs[i].size()));
        put32(offset);
        offset += static_cast<uint32_t>(dibs[i].size());
    }
    for (const Bytes& d : dibs) b.insert(b.end(), d.begin(), d.end());
    return b;
}

} // namespace artgen
