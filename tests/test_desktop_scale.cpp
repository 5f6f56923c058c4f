// The desktop's scale for real windows: which setting wins, rounding, and
// the artwork that must still fit.
#include "framework/sdl/DesktopScale.h"

#include <gtest/gtest.h>

namespace {

TEST(DesktopScale, FollowsGdkScaleThenXftDpiThenOne) {
    constexpr gv::Size big { 3840, 2160 }, artwork { 800, 600 };
    struct Case {
        std::string_view gdk;
        std::optional<double> dpi;
        gv::Size display;
        int scale;
    } cases[] = {
        { "", std::nullopt, big, 1 },
        { "", 96, big, 1 },
        { "", 192, big, 2 },
        { "", 144, big, 2 }, // 1.5 rounds to 2
        { "", 130, big, 1 }, // 1.35 rounds to 1
        { "", 288, big, 3 },
        { "", 40, big, 1 },  // never below 1
        { "2", 96, big, 2 }, // GDK_SCALE wins over the resource
        { "1", 192, big, 1 },
        { "1.5", 192, big, 2 }, // not a whole number: the resource decides
        { "x", std::nullopt, big, 1 },
        { "0", std::nullopt, big, 1 },
        { "-2", 192, big, 2 },
        { "", 192, { 1024, 768 }, 1 }, // 1600 x 1200 would not fit
        { "4", std::nullopt, big, 3 }, // 3200 x 2400 would not fit: 3 x 600 = 1800 does
        { "", 192, { 1600, 1199 }, 1 },
        { "", 192, { 1600, 1200 }, 2 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(gv::desktop_scale(c.gdk, c.dpi, c.display, artwork), c.scale)
            << "GDK_SCALE \"" << c.gdk << "\", dpi " << c.dpi.value_or(-1) << ", display " << c.display.width
            << " x " << c.display.height;
}

TEST(DesktopScale, ReadsXftDpiFromTheResourceText) {
    struct Case {
        std::string_view resources;
        std::optional<double> dpi;
    } cases[] = {
        { "Xft.dpi:\t192\n", 192 },
        { "Xcursor.size:\t24\nXft.dpi:\t144.5\nXft.antialias:\t1\n", 144.5 },
        { "Xft.dpi: 96", 96 },
        { "Xft.dpix:\t192\n", std::nullopt },
        { "*Xft.dpi:\t192\n", std::nullopt },
        { "Xft.dpi:\tlarge\n", std::nullopt },
        { "", std::nullopt },
    };
    for (const Case& c : cases) EXPECT_EQ(gv::xft_dpi(c.resources), c.dpi) << c.resources;
}

} // namespace
