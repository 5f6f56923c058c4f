#pragma once

#include "framework/PictureDecoder.h"

namespace gv {

// Decodes pictures and icons with SDL_image.
class SdlImageDecoder final : public PictureDecoder {
public:
    std::optional<Bitmap> picture(std::span<const unsigned char> bytes) const override;
    std::vector<IconImage> icon(std::span<const unsigned char> bytes) const override;
};

} // namespace gv
