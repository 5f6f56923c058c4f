// The generator's fonts, each pinned to one file of one Debian package, handed
// to cairo as FreeType faces.
#pragma once

#include <cairo.h>
#include <string_view>

namespace artgen {

struct Font {
    std::string_view file;    // absolute path
    std::string_view package; // the Debian package that installs it
};

// By path, not by name: a name lookup picks whichever matching file sorts or
// scores first, and another package with the same family (the older
// fonts-liberation beside fonts-liberation2) then changes the artwork.
namespace fonts {
inline constexpr Font blackletter { "/usr/share/fonts/truetype/blankenburg/Blankenburg_UNZ1A.ttf",
                                    "fonts-blankenburg" };
inline constexpr Font spartanBold { "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf",
                                    "fonts-league-spartan" };
inline constexpr Font spartanBlack { "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf",
                                     "fonts-league-spartan" };
inline constexpr Font sansBold { "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
                                 "fonts-liberation2" };
inline constexpr Font serifBold { "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
                                  "fonts-dejavu-core" };
inline constexpr Font sansCondensedBold { "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
                                          "fonts-dejavu-extra" };
inline constexpr Font all[] = {
    blackletter, spartanBold, spartanBlack, sansBold, serifBold, sansCondensedBold
};
} // namespace fonts

// Cached for the life of the process. Throws if the file is missing, naming
// its package, because a fallback would change the artwork unnoticed.
cairo_font_face_t* fontFace(const Font& font);

// One line each for the libraries whose versions shape the output's bytes.
void printLibraryVersions();

} // namespace artgen
