// Prints, for every fighter page in page order, what the real-window test
// needs to open it from the grid and check it:
//   <fighter> <version> <cell x> <cell y> <a gold pixel x y> <a white pixel x y>
// The cell is the centre of the fighter's portrait relative to the grid
// window; the pixels are relative to the page window, the first gold pixel of
// its first row's name and the first white pixel of its input, found by
// drawing the page on the headless desktop.
#include "framework/Application.h"
#include "framework/AssetStore.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/platform/FreeTypeFonts.h"
#include "framework/platform/SdlImageDecoder.h"
#include "layouts/FighterPageLayout.h"
#include "screens/Guide.h"
#include "screens/ScreenId.h"

#include <cstdio>
#include <optional>

namespace {

std::optional<gv::Point> first_pixel(const gv::Screen& s, std::string_view label, gv::Rgb colour) {
    const gv::Control* c = s.find(label);
    if (!c) return std::nullopt;
    for (int y = c->rect.y; y < c->rect.bottom(); ++y)
        for (int x = c->rect.x; x < c->rect.right(); ++x)
            if (s.surface().pixel(x, y) == colour) return gv::Point { x, y };
    return std::nullopt;
}

} // namespace

int main() {
    using namespace grimveil;
    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop({ 1024, 768 });
    gv::SdlImageDecoder decoder;
    gv::AssetStore assets(embedded_assets(), decoder);
    gv::FreeTypeFonts fonts(embedded_fonts(), font_substitutes());
    gv::Application app(registry(), { desktop, assets, fonts, clock });
    if (!app.show(index_of(ScreenId::Moves001))) return 1;
    const gv::Screen& grid = *app.loaded(index_of(ScreenId::Moves001));
    for (int page = 1; page <= layouts::kFighters; ++page) {
        const layouts::Fighter& f = layouts::fighter_on_page(page);
        const gv::Rect cell = grid.find(layouts::names_of(f).portrait_tile)->visible_rect;
        if (!app.show(page_of(f))) return 1;
        app.loaded(page_of(f))->repaint();
        const gv::Screen& s = *app.loaded(page_of(f));
        // The first row's labels are the lowest-numbered: Label1 the name,
        // Label2 its input (Nocthar's first row is a heading alone, so its
        // white pixel comes from the first impersonation's input, Label3).
        const auto gold = first_pixel(s, "Label1", gv::rgb(255, 192, 2));
        const auto white = first_pixel(s, f.name == "Nocthar" ? "Label3" : "Label2", gv::rgb(255, 255, 255));
        if (!gold || !white) {
            std::fprintf(stderr, "page_facts: no gold or white pixel on %s\n", std::string(s.name()).c_str());
            return 1;
        }
        std::printf("%s %s %d %d %d %d %d %d\n", std::string(f.name).c_str(),
                    std::string(f.page_version).c_str(), cell.x + cell.width / 2, cell.y + cell.height / 2,
                    gold->x, gold->y, white->x, white->y);
        app.unload(page_of(f));
    }
    return 0;
}
