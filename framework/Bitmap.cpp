#include "Bitmap.h"

#include "Verify.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>

#include <sys/mman.h>

namespace gv {

namespace {

// Smaller buffers come from the heap, whose pages are mostly in use already.
constexpr std::size_t kMappedFrom = std::size_t(1) << 20;

// The address sanitizer watches heap blocks only: keep them there under it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMapLargeBuffers = false;
#else
constexpr bool kMapLargeBuffers = true;
#endif

// Large buffers are mappings of their own. One that is let go, or made
// ready ahead, is kept as the spare, its pages touched, for the next
// window-sized bitmap: a screen that comes up at a tick then finds its
// memory warm. One spare at most, so the memory held stays one window's.
struct Mapping {
    void* address { nullptr };
    std::size_t bytes { 0 };
};

struct Mappings {
    std::mutex lock;
    std::vector<Mapping> live; // handed out, with their mapped sizes
    Mapping spare;

    static Mappings& get() {
        static Mappings m;
        return m;
    }
    // A spare serves a request of up to its size, when not much smaller.
    bool spare_fits(std::size_t bytes) const {
        return spare.address && bytes <= spare.bytes && bytes * 2 >= spare.bytes;
    }
    void drop_spare() {
        if (spare.address) munmap(spare.address, spare.bytes);
        spare = {};
    }
};

Mapping map_touched(std::size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return { p, bytes };
}

} // namespace

template <typename T> void* PixelAllocator<T>::allocate_pixels(std::size_t bytes) {
    if (!kMapLargeBuffers || bytes < kMappedFrom) return ::operator new(bytes);
    Mappings& m = Mappings::get();
    std::lock_guard guard(m.lock);
    Mapping taken;
    if (m.spare_fits(bytes)) {
        taken = m.spare;
        m.spare = {};
    } else {
        taken = map_touched(bytes);
    }
    m.live.push_back(taken);
    return taken.address;
}

template <typename T> void PixelAllocator<T>::release_pixels(void* p, std::size_t bytes) {
    if (!kMapLargeBuffers || bytes < kMappedFrom) {
        ::operator delete(p);
        return;
    }
    Mappings& m = Mappings::get();
    std::lock_guard guard(m.lock);
    const auto it =
        std::find_if(m.live.begin(), m.live.end(), [p](const Mapping& l) { return l.address == p; });
    VERIFY(it != m.live.end()); // every large buffer was handed out above
    const Mapping released = *it;
    m.live.erase(it);
    if (m.spare.bytes <= released.bytes) {
        m.drop_spare();
        m.spare = released;
    } else {
        munmap(released.address, released.bytes);
    }
}

template struct PixelAllocator<Rgb>;

void Bitmap::prepare_memory(Size size) {
    const std::size_t bytes =
        std::size_t(std::max(0, size.width)) * std::size_t(std::max(0, size.height)) * sizeof(Rgb);
    if (!kMapLargeBuffers || bytes < kMappedFrom) return;
    Mappings& m = Mappings::get();
    std::lock_guard guard(m.lock);
    if (m.spare_fits(bytes)) return;
    m.drop_spare();
    m.spare = map_touched(bytes);
    // Mapped populated, the pages exist, but the first write to each still
    // traps under a hypervisor: write them all now.
    std::memset(m.spare.address, 0, bytes);
}

} // namespace gv
