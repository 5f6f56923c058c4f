#include "X11SharedImages.h"

#include "X11Errors.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <algorithm>
#include <cstring>

#include <sys/ipc.h>
#include <sys/shm.h>

namespace gv {

struct SharedSegment {
    XShmSegmentInfo info {};
    std::size_t bytes { 0 };
    Display* display { nullptr };

    ~SharedSegment() {
        if (!info.shmaddr) return;
        XShmDetach(display, &info);
        XSync(display, False);
        shmdt(info.shmaddr);
    }
};

namespace {

// Two spares: the main menu's and the selection screen's, as the loading
// notice hands over from one to the other.
constexpr std::size_t kSpares = 2;

// A spare serves a request up to its size, when not much smaller.
bool serves(const SharedSegment& s, std::size_t bytes) {
    return bytes <= s.bytes && bytes * 2 >= s.bytes;
}

bool native_pixels(const Visual* visual, int depth) {
    return depth == 24 && visual && visual->red_mask == 0xff0000 && visual->green_mask == 0x00ff00 &&
           visual->blue_mask == 0x0000ff;
}

} // namespace

std::unique_ptr<SharedImages> SharedImages::open(Display* display) {
    if (!display || !XShmQueryExtension(display)) return nullptr;
    // Our pixels go out as they are, least significant byte first.
    if (ImageByteOrder(display) != LSBFirst) return nullptr;
    return std::make_unique<SharedImages>(display);
}

SharedImages::SharedImages(Display* display)
    : m_display(display) {}

SharedImages::~SharedImages() = default;

std::unique_ptr<SharedSegment> SharedImages::take(std::size_t bytes) {
    auto best = m_spare.end();
    for (auto it = m_spare.begin(); it != m_spare.end(); ++it)
        if (serves(**it, bytes) && (best == m_spare.end() || (*it)->bytes < (*best)->bytes)) best = it;
    if (best != m_spare.end()) {
        auto segment = std::move(*best);
        m_spare.erase(best);
        return segment;
    }
    if (m_refused) return nullptr;
    auto segment = std::make_unique<SharedSegment>();
    segment->display = m_display;
    // Readable by this user alone: the pictures are no business of other users.
    segment->info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (segment->info.shmid < 0) return nullptr;
    void* address = shmat(segment->info.shmid, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(segment->info.shmid, IPC_RMID, nullptr);
        return nullptr;
    }
    segment->info.readOnly = False;
    bool attached = false;
    {
        X11ErrorTrap trap;
        XSync(m_display, False); // errors still owed belong to others
        attached = XShmAttach(m_display, &segment->info) != 0;
        XSync(m_display, False);
        attached = attached && !trap.caught();
    }
    // Marked for removal now: it goes once both sides let go, even if we crash.
    shmctl(segment->info.shmid, IPC_RMID, nullptr);
    if (!attached) {
        shmdt(address);
        m_refused = true;
        return nullptr;
    }
    segment->info.shmaddr = static_cast<char*>(address);
    segment->bytes = bytes;
    return segment;
}

void SharedImages::give_back(std::unique_ptr<SharedSegment> segment) {
    m_spare.push_back(std::move(segment));
    // The largest are the costliest to make again.
    std::ranges::sort(m_spare, [](const auto& a, const auto& b) { return a->bytes > b->bytes; });
    if (m_spare.size() > kSpares) m_spare.resize(kSpares);
}

void SharedImages::prepare(Size size) {
    const std::size_t bytes =
        std::size_t(std::max(0, size.width)) * std::size_t(std::max(0, size.height)) * 4;
    if (bytes == 0) return;
    if (std::ranges::any_of(m_spare, [&](const auto& s) { return serves(*s, bytes); })) return;
    auto segment = take(bytes);
    if (!segment) return;
    std::memset(segment->info.shmaddr, 0, bytes);
    // The server touches its side by writing into it: a picture of the root
    // window as large as the window will be, which the root always covers.
    Screen* screen = DefaultScreenOfDisplay(m_display);
    const int width = std::min(size.width, WidthOfScreen(screen)),
              height = std::min(size.height, HeightOfScreen(screen));
    if (native_pixels(DefaultVisualOfScreen(screen), DefaultDepthOfScreen(screen))) {
        if (XImage* image =
                XShmCreateImage(m_display, DefaultVisualOfScreen(screen), 24, ZPixmap, segment->info.shmaddr,
                                &segment->info, unsigned(width), unsigned(height))) {
            XShmGetImage(m_display, RootWindowOfScreen(screen), image, 0, 0, AllPlanes);
            XSync(m_display, False);
            image->data = nullptr;
            image->obdata = nullptr;
            XDestroyImage(image);
        }
    }
    give_back(std::move(segment));
}

std::unique_ptr<SharedCanvas> SharedImages::canvas(unsigned long window, Size size) {
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(m_display, window, &attributes)) return nullptr;
    if (!native_pixels(attributes.visual, attributes.depth)) return nullptr;
    auto segment = take(std::size_t(size.width) * std::size_t(size.height) * 4);
    if (!segment) return nullptr;
    XImage* image =
        XShmCreateImage(m_display, attributes.visual, unsigned(attributes.depth), ZPixmap,
                        segment->info.shmaddr, &segment->info, unsigned(size.width), unsigned(size.height));
    if (!image || image->bits_per_pixel != 32 || image->bytes_per_line != size.width * 4) {
        if (image) {
            image->data = nullptr;
            image->obdata = nullptr;
            XDestroyImage(image);
        }
        give_back(std::move(segment));
        return nullptr;
    }
    GC gc = XCreateGC(m_display, window, 0, nullptr);
    return std::make_unique<SharedCanvas>(*this, m_display, window, size, image, gc, std::move(segment));
}

SharedCanvas::SharedCanvas(SharedImages& owner, Display* display, unsigned long window, Size size,
                           XImage* image, GC gc, std::unique_ptr<SharedSegment> segment)
    : m_owner(owner)
    , m_display(display)
    , m_window(window)
    , m_size(size)
    , m_image(image)
    , m_gc(gc)
    , m_segment(std::move(segment)) {}

SharedCanvas::~SharedCanvas() {
    XFreeGC(m_display, m_gc);
    // The memory is the segment's, not the image's.
    m_image->data = nullptr;
    m_image->obdata = nullptr;
    XDestroyImage(m_image);
    m_owner.give_back(std::move(m_segment));
}

unsigned char* SharedCanvas::pixels() const {
    return reinterpret_cast<unsigned char*>(m_segment->info.shmaddr);
}

int SharedCanvas::pitch() const {
    return m_image->bytes_per_line;
}

void SharedCanvas::put(std::span<const Rect> rects) {
    for (Rect r : rects) {
        const Rect d = r.intersected({ 0, 0, m_size.width, m_size.height });
        if (d.empty()) continue;
        XShmPutImage(m_display, m_window, m_gc, m_image, d.x, d.y, d.x, d.y, unsigned(d.width),
                     unsigned(d.height), False);
    }
    XSync(m_display, False);
}

} // namespace gv
