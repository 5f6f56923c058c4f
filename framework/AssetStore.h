#pragma once

#include "EmbeddedFile.h"
#include "PictureDecoder.h"
#include "WindowSystem.h"

#include <map>
#include <memory>
#include <span>
#include <string>

namespace gv {

// The pictures built into the program, found by asset name (the file name
// without its extension), each decoded once on first use and shared by every
// control that shows it.
class AssetStore final : public PictureSource {
public:
    AssetStore(std::span<const EmbeddedFile> files, const PictureDecoder& decoder)
        : m_files(files)
        , m_decoder(decoder) {}

    const Bitmap* picture(std::string_view name) override;
    const std::vector<IconImage>* icon(std::string_view name) override;

    // The embedded file holding an asset, or null.
    const EmbeddedFile* file(std::string_view name) const;
    std::span<const EmbeddedFile> files() const { return m_files; }

private:
    std::span<const EmbeddedFile> m_files;
    const PictureDecoder& m_decoder;
    std::map<std::string, std::unique_ptr<Bitmap>, std::less<>> m_pictures;
    std::map<std::string, std::vector<IconImage>, std::less<>> m_icons;
};

} // namespace gv
