#pragma once

#include "framework/EmbeddedFile.h"
#include "framework/Font.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <tuple>

namespace gv {

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
