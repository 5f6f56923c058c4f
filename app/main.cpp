// Interactive Grimveil: starts the splash screen on real windows and runs
// until no screen is loaded.
#include "framework/Application.h"
#include "framework/AssetStore.h"
#include "framework/platform/FreeTypeFonts.h"
#include "framework/platform/SdlImageDecoder.h"
#include "framework/sdl/SdlWindowSystem.h"
#include "screens/Guide.h"

#include <cstdio>

int main() {
    if (std::string problem = grimveil::check_registry(); !problem.empty()) {
        std::fprintf(stderr, "grimveil-guide: %s\n", problem.c_str());
        return 1;
    }
    std::string error;
    auto windows = gv::SdlWindowSystem::open(error, grimveil::largest_artwork());
    if (!windows) {
        std::fprintf(
            stderr,
            "grimveil-guide: no display to open windows on (%s); 'make snapshots' renders the screens "
            "to PNG files without one\n",
            error.c_str());
        return 1;
    }
    gv::SdlImageDecoder decoder;
    gv::AssetStore assets(grimveil::embedded_assets(), decoder);
    gv::FreeTypeFonts fonts(grimveil::embedded_fonts(), grimveil::font_substitutes());
    gv::SteadyClock clock;
    gv::Application app(grimveil::registry(), { *windows, assets, fonts, clock });
    if (gv::Status started = app.start(grimveil::start_screen()); !started) {
        std::fprintf(stderr, "grimveil-guide: %s\n", started.error().c_str());
        return 1;
    }
    return app.run();
}
