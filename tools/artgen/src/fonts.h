// Font lookup through fontconfig, handed to cairo as FreeType faces.
#pragma once

#include <cairo.h>
#include <string>

namespace artgen {

struct Font {
    std::string family; // matched as a prefix, so "Blankenburg" finds "Blankenburg_UNZ1A"
    std::string style;  // e.g. "Regular", "Bold", "Black"
};

namespace fonts {
inline const Font blackletter { "Blankenburg", "Regular" };
inline const Font spartanBold { "League Spartan", "Bold" };
inline const Font spartanBlack { "League Spartan", "Black" };
inline const Font sansBold { "Liberation Sans", "Bold" };
inline const Font serifBold { "DejaVu Serif", "Bold" };
inline const Font sansCondensedBold { "DejaVu Sans Condensed", "Bold" };
} // namespace fonts

// Cached for the life of the process. Throws if nothing installed matches the
// family, because a silent fallback would change the artwork unnoticed.
cairo_font_face_t* fontFace(const Font& font);

} // namespace artgen
