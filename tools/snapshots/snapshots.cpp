// Renders every screen of the guide through the headless window layer into
// <dir>/<Screen>.png, as each looks when opened; the start-up screen once it
// has written its whole word.
//   grimveil-snapshots [--scale N] [dir]
// --scale writes each picture N times its size, every pixel an N x N block,
// as a desktop that scales by N shows it.
#include "framework/Application.h"
#include "framework/AssetStore.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/platform/FreeTypeFonts.h"
#include "framework/platform/SdlImageDecoder.h"
#include "screens/Guide.h"

#include <SDL.h>
#include <SDL_image.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

bool save_png(const gv::Bitmap& picture, const std::string& path) {
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<gv::Rgb*>(picture.data()), picture.width(),
                                           picture.height(), 32, picture.width() * 4, SDL_PIXELFORMAT_RGB888);
    if (!s) return false;
    bool ok = IMG_SavePNG(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

gv::Bitmap enlarged(const gv::Bitmap& picture, int f) {
    gv::Bitmap out(picture.width() * f, picture.height() * f);
    for (int y = 0; y < out.height(); ++y) {
        const gv::Rgb* src = picture.row(y / f);
        gv::Rgb* dst = out.row(y);
        for (int x = 0; x < out.width(); ++x) dst[x] = src[x / f];
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path dir = "build/snapshots";
    int scale = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--scale" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), scale);
            if (error != std::errc {} || end != value.data() + value.size() || scale < 1 || scale > 8) {
                std::fprintf(stderr, "snapshots: --scale takes a whole number from 1 to 8, not %s\n",
                             argv[i]);
                return 2;
            }
        } else if (!arg.starts_with("-")) {
            dir = arg;
        } else {
            std::fprintf(stderr, "usage: grimveil-snapshots [--scale N] [dir]\n");
            return 2;
        }
    }
    std::filesystem::create_directories(dir);
    if (std::string problem = grimveil::check_registry(); !problem.empty()) {
        std::fprintf(stderr, "snapshots: %s\n", problem.c_str());
        return 1;
    }
    gv::SdlImageDecoder decoder;
    gv::AssetStore assets(grimveil::embedded_assets(), decoder);
    gv::FreeTypeFonts fonts(grimveil::embedded_fonts(), grimveil::font_substitutes());
    int failures = 0;
    const auto screens = grimveil::registry();
    for (std::size_t i = 0; i < screens.size(); ++i) {
        gv::VirtualClock clock;
        gv::HeadlessDesktop desktop({ 1024, 768 });
        gv::Application app(screens, { desktop, assets, fonts, clock });
        const auto index = gv::ScreenIndex(i);
        if (gv::Status s = app.start(index); !s) {
            std::fprintf(stderr, "snapshots: %s\n", s.error().c_str());
            ++failures;
            continue;
        }
        // Long enough for the splash to write its whole word, short of its hand-over.
        if (index == grimveil::start_screen()) gv::advance_virtual_time(app, clock, 4000);
        const gv::Screen* screen = app.loaded(index);
        const std::string name(screens[i].layout->name);
        if (!screen) {
            std::fprintf(stderr, "snapshots: %s closed itself\n", name.c_str());
            ++failures;
            continue;
        }
        const std::string path = (dir / (name + ".png")).string();
        if (!save_png(scale == 1 ? screen->surface() : enlarged(screen->surface(), scale), path)) {
            std::fprintf(stderr, "snapshots: cannot write %s: %s\n", path.c_str(), SDL_GetError());
            ++failures;
            continue;
        }
        std::printf("%s\n", path.c_str());
    }
    return failures == 0 ? 0 : 1;
}
