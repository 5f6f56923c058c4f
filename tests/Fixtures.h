#pragma once

#include "framework/Application.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/platform/FreeTypeFonts.h"
#include "layouts/Records.h"
#include "screens/Guide.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <ostream>
#include <string>

namespace gv {
inline std::ostream& operator<<(std::ostream& o, Rect r) {
    return o << "(" << r.x << ", " << r.y << ") " << r.width << " x " << r.height;
}
inline std::ostream& operator<<(std::ostream& o, Point p) {
    return o << "(" << p.x << ", " << p.y << ")";
}
} // namespace gv

namespace grimveil::testing {

// Pictures made in the test: each row of a "rows" picture has its own colour,
// so a test can tell which row landed where.
class FixturePictures final : public gv::PictureSource {
public:
    FixturePictures() {
        add("blue16", gv::Bitmap(16, 16, gv::rgb(0, 0, 255)));
        add("yellow8", gv::Bitmap(8, 8, gv::rgb(255, 255, 0)));
        add("big100", gv::Bitmap(100, 100, gv::rgb(0, 128, 0)));
        gv::Bitmap rows(10, 10);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) rows.set_pixel(x, y, gv::rgb(10 * y, 0, 0));
        add("rows", std::move(rows));
    }
    void add(std::string name, gv::Bitmap b) {
        m_pictures[std::move(name)] = std::make_unique<gv::Bitmap>(std::move(b));
    }
    const gv::Bitmap* picture(std::string_view name) override {
        auto it = m_pictures.find(std::string(name));
        return it == m_pictures.end() ? nullptr : it->second.get();
    }
    const std::vector<gv::IconImage>* icon(std::string_view) override { return nullptr; }

private:
    std::map<std::string, std::unique_ptr<gv::Bitmap>> m_pictures;
};

// A small program of the test's own screens on the headless desktop.
struct FixtureProgram {
    explicit FixtureProgram(std::span<const gv::ScreenDefinition> screens, gv::Size display = { 640, 480 },
                            std::span<const gv::FontSubstitute> substitutes = font_substitutes())
        : desktop(display)
        , fonts(embedded_fonts(), substitutes)
        , app(screens, { desktop, pictures, fonts, clock }) {
        app.set_reporter([this](std::string_view line) { errors.emplace_back(line); });
    }
    void advance(std::int64_t ms) { gv::advance_virtual_time(app, clock, ms); }
    gv::Rgb pixel(gv::ScreenIndex screen, int x, int y) const {
        return app.loaded(screen)->surface().pixel(x, y);
    }

    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop;
    FixturePictures pictures;
    gv::FreeTypeFonts fonts;
    gv::Application app;
    std::vector<std::string> errors;
};

constexpr gv::ControlRecord picture_box(std::string_view name, std::string_view parent, int left, int top,
                                        int width, int height, std::string_view picture = {},
                                        gv::OleColor back = { 0x00FFFFFF },
                                        gv::Border border = gv::Border::None, bool visible = true,
                                        gv::AutoSize auto_size = gv::AutoSize::Off) {
    return { .kind = gv::ControlKind::PictureBox,
             .name = name,
             .parent = parent,
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .visible = visible,
             .picture = picture,
             .back_color = back,
             .border = border,
             .auto_size = auto_size };
}

using layouts::hot_spot;

// Whether the pixels a screen's window was given are those of a paint of the
// whole screen from its model now: a changed rectangle left off a present
// shows as a difference. The fresh paint goes into `scratch`, kept by a
// caller that checks often.
inline ::testing::AssertionResult presented_is_fresh_paint(const gv::HeadlessDesktop& desktop,
                                                           const gv::Screen& screen, int tag,
                                                           gv::Bitmap& scratch) {
    const gv::Bitmap* presented = desktop.presented(tag);
    if (!presented) return ::testing::AssertionFailure() << screen.name() << " has no window";
    if (scratch.size() != screen.surface().size())
        scratch = gv::Bitmap(screen.surface().width(), screen.surface().height());
    const gv::Bitmap& fresh = scratch;
    {
        // The paint covers every pixel: it starts by filling the whole surface.
        gv::Painter painter(scratch);
        screen.paint(painter, scratch.rect());
    }
    if (presented->size() != fresh.size())
        return ::testing::AssertionFailure()
               << screen.name() << ": the window holds " << presented->width() << " x " << presented->height()
               << " pixels, the screen paints " << fresh.width() << " x " << fresh.height();
    int differing = 0;
    gv::Point first;
    for (int y = 0; y < fresh.height(); ++y) {
        const gv::Rgb* a = presented->row(y);
        const gv::Rgb* b = fresh.row(y);
        if (std::equal(a, a + fresh.width(), b)) continue;
        for (int x = 0; x < fresh.width(); ++x)
            if (a[x] != b[x] && differing++ == 0) first = { x, y };
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << screen.name() << ": " << differing
                                         << " presented pixels differ from a fresh paint, the first at "
                                         << first << std::hex << ": 0x" << presented->pixel(first.x, first.y)
                                         << " shown, 0x" << fresh.pixel(first.x, first.y) << " painted";
}

inline ::testing::AssertionResult presented_is_fresh_paint(const gv::HeadlessDesktop& desktop,
                                                           const gv::Screen& screen, int tag) {
    gv::Bitmap scratch;
    return presented_is_fresh_paint(desktop, screen, tag, scratch);
}

} // namespace grimveil::testing
