#pragma once

#include "Bitmap.h"
#include "WindowSystem.h"

#include <optional>
#include <span>
#include <vector>

namespace gv {

// Turns a picture file's bytes into pixels. The platform provides one; the
// core only caches what it makes.
class PictureDecoder {
public:
    virtual ~PictureDecoder() = default;
    // A GIF, JPEG or BMP picture as opaque pixels, or nothing when it does not decode.
    virtual std::optional<Bitmap> picture(std::span<const unsigned char> bytes) const = 0;
    // A window icon file: the image the decoder picks, with its mask; empty when it does not decode.
    virtual std::vector<IconImage> icon(std::span<const unsigned char> bytes) const = 0;
};

} // namespace gv
