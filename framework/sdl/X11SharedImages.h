#pragma once

#include "framework/Geometry.h"

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// Xlib's own names, declared here so that its macros stay out of the headers.
struct _XDisplay;
struct _XGC;
struct _XImage;

namespace gv {

struct SharedSegment;
class SharedImages;

// A window's picture in memory shared with the X server, as 0x00RRGGBB
// pixels in rows of pitch() bytes; the server reads the rectangles put.
class SharedCanvas {
public:
    SharedCanvas(SharedImages&, _XDisplay*, unsigned long window, Size, _XImage*, _XGC*,
                 std::unique_ptr<SharedSegment>);
    ~SharedCanvas();
    SharedCanvas(const SharedCanvas&) = delete;
    SharedCanvas& operator=(const SharedCanvas&) = delete;

    unsigned char* pixels() const;
    int pitch() const;
    Size size() const { return m_size; }
    // Puts the rectangles on the window and waits for the server to have
    // read them, so the next picture may be written straight away.
    void put(std::span<const Rect>);

private:
    SharedImages& m_owner;
    _XDisplay* m_display;
    unsigned long m_window;
    Size m_size;
    _XImage* m_image;
    _XGC* m_gc;
    std::unique_ptr<SharedSegment> m_segment;
};

// Segments of memory shared with the X server, kept for reuse. The first
// time either side touches a page of a fresh segment it traps into the
// kernel: a maximised window's first picture took 15 ms that way under a
// hypervisor. A segment that served one window serves the next, and one can
// be made ready, touched by both sides, before a window needs it.
class SharedImages {
public:
    // Null when the server has no shared memory to offer.
    static std::unique_ptr<SharedImages> open(_XDisplay*);
    explicit SharedImages(_XDisplay*);
    ~SharedImages();
    SharedImages(const SharedImages&) = delete;
    SharedImages& operator=(const SharedImages&) = delete;

    // A segment for a window of this many pixels, written by us and by the server.
    void prepare(Size);
    // Null when the window's pixels are not 32-bit 0x00RRGGBB, or the server
    // will not attach our memory (a server on another machine): the caller
    // then presents another way.
    std::unique_ptr<SharedCanvas> canvas(unsigned long window, Size);

private:
    friend class SharedCanvas;
    std::unique_ptr<SharedSegment> take(std::size_t bytes);
    void give_back(std::unique_ptr<SharedSegment>);

    _XDisplay* m_display;
    std::vector<std::unique_ptr<SharedSegment>> m_spare; // attached, unused
    bool m_refused { false };                            // the server would not attach one
};

} // namespace gv
