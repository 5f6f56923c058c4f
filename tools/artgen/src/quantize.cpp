#include "quantize.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace artgen {
namespace {

struct Entry {
    uint32_t key; // 0xRRGGBB
    uint32_t count;
    int channel(int c) const { return (key >> (16 - 8 * c)) & 0xFF; }
};

struct Box {
    size_t begin, end; // range into the entry array
    int widestChannel = 0;
    int spread = 0;
    uint64_t pixels = 0;
};

void measure(Box& b, const std::vector<Entry>& e) {
    int lo[3] = { 255, 255, 255 }, hi[3] = { 0, 0, 0 };
    b.pixels = 0;
    for (size_t i = b.begin; i < b.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], e[i].channel(c));
            hi[c] = std::max(hi[c], e[i].channel(c));
        }
        b.pixels += e[i].count;
    }
    b.spread = -1;
    for (int c = 0; c < 3; ++c)
        if (hi[c] - lo[c] > b.spread) {
            b.spread = hi[c] - lo[c];
            b.widestChannel = c;
        }
}

Rgb8 average(const Box& b, const std::vector<Entry>& e) {
    uint64_t sum[3] = { 0, 0, 0 };
    for (size_t i = b.begin; i < b.end; ++i)
        for (int c = 0; c < 3; ++c) sum[c] += static_cast<uint64_t>(e[i].channel(c)) * e[i].count;
    auto avg = [&](int c) { return static_cast<uint8_t>((sum[c] + b.pixels / 2) / b.pixels); };
    return { avg(0), avg(1), avg(2) };
}

} // namespace

IndexedImage quantize(const Image& img, const QuantizeOptions& options) {
    const int freeSlots = options.paletteSize - static_cast<int>(options.reserved.size());
    if (freeSlots < 1 || options.paletteSize > 256) throw std::runtime_error("quantize: bad palette size");

    std::map<uint32_t, uint32_t> histogram; // ordered, so the entry list is the same every run
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const Rgb8 c = img.rgb(x, y);
            ++histogram[(uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b];
        }
    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (const auto& [key, count] : histogram) entries.push_back({ key, count });

    std::vector<Rgb8> colours;
    if (static_cast<int>(entries.size()) <= freeSlots) {
        // Few enough colours to keep them all exactly.
        for (const Entry& e : entries)
            colours.push_back({ uint8_t(e.key >> 16), uint8_t(e.key >> 8), uint8_t(e.key) });
    } else {
        std::vector<Box> boxes { { 0, entries.size() } };
        measure(boxes[0], entries);
        while (static_cast<int>(boxes.size()) < freeSlots) {
            // Split the box with the largest spread weighted by how many pixels it covers;
            // ties go to the earliest box.
            int pick = -1;
            double bestScore = -1;
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].end - boxes[i].begin < 2) continue;
                const double score =
                    static_cast<double>(boxes[i].spread) * std::sqrt(static_cast<double>(boxes[i].pixels));
                if (score > bestScore) {
                    bestScore = score;
                    pick = static_cast<int>(i);
                }
            }
            if (pick < 0) break;
            Box& b = boxes[pick];
            const int ch = b.widestChannel;
            std::sort(
                entries.begin() + b.begin, entries.begin() + b.end, [ch](const Entry& l, const Entry& r) {
                    return l.channel(ch) != r.channel(ch) ? l.channel(ch) < r.channel(ch) : l.key < r.key;
                });
            uint64_t half = b.pixels / 2, acc = 0;
            size_t cut = b.begin + 1;
            for (size_t i = b.begin; i < b.end - 1; ++i) {
                acc += entries[i].count;
                cut = i + 1;
                if (acc >= half) break;
            }
            Box second { cut, b.end };
            b.end = cut;
            measure(b, entries);
            measure(second, entries);
            boxes.push_back(second);
        }
        for (const Box& b : boxes) colours.push_back(average(b, entries));
    }

    IndexedImage out;
    out.width = img.width;
    out.height = img.height;
    out.palette = colours;
    out.palette.resize(freeSlots, Rgb8 {});
    for (const Rgb8& r : options.reserved) out.palette.push_back(r);

    std::map<uint32_t, uint8_t> nearest;
    out.index.resize(static_cast<size_t>(img.width) * img.height);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const Rgb8 c = img.rgb(x, y);
            const uint32_t key = (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
            auto it = nearest.find(key);
            if (it == nearest.end()) {
                int best = 0;
                long bestDist = -1;
                for (size_t i = 0; i < colours.size(); ++i) {
                    const long dr = c.r - colours[i].r, dg = c.g - colours[i].g, db = c.b - colours[i].b;
                    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db; // rough perceptual weights
                    if (bestDist < 0 || d < bestDist) {
                        bestDist = d;
                        best = static_cast<int>(i);
                    }
                }
                it = nearest.emplace(key, static_cast<uint8_t>(best)).first;
            }
            out.at(x, y) = it->second;
        }
    return out;
}

uint8_t paletteIndexOf(const IndexedImage& img, Rgb8 c) {
    for (size_t i = 0; i < img.palette.size(); ++i)
        if (img.palette[i] == c) return static_cast<uint8_t>(i);
    throw std::runtime_error("colour not in palette");
}

} // namespace artgen
