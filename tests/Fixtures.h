#pragma once

#include "framework/Application.h"
#include "framework/FreeTypeFonts.h"
#include "framework/headless/HeadlessDesktop.h"
#include "layouts/HotSpot.h"
#include "screens/Guide.h"

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
    explicit FixtureProgram(std::span<const gv::ScreenDefinition> screens, gv::Size display = { 640, 480 })
        : desktop(display)
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
    gv::FreeTypeFonts fonts { embedded_fonts(), font_substitutes() };
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

} // namespace grimveil::testing
