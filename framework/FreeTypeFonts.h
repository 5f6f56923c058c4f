#pragma once

#include "EmbeddedFile.h"
#include "Font.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <tuple>

namespace gv {

// The faces layouts ask for and the embedded faces that stand in for them.
// A fixed cell, where given, overrides the face's own line height: the
// bitmap face for Fixedsys is one pixel shorter than Fixedsys's cell.
struct FontSubstitute {
    std::string_view face; // as layouts name it; empty for the default font
    std::string_view file; // the embedded font file
    int cell_height { 0 }; // pixels, or 0 for the face's own line height
};

// Renders the embedded faces with FreeType, once per face, size and weight.
class FreeTypeFonts final : public FontProvider {
public:
    FreeTypeFonts(std::span<const EmbeddedFile> files, std::span<const FontSubstitute> substitutes);
    ~FreeTypeFonts() override;

    const Font* font(const FontSpec&) override;
    // The embedded file that stands in for a font, or empty when none does.
    std::string_view stand_in(const FontSpec&) const;
    // Why the last font() returned null.
    const std::string& last_error() const { return m_error; }

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::map<std::tuple<std::string, int, int>, std::unique_ptr<Font>> m_fonts;
    std::string m_error;
};

} // namespace gv
