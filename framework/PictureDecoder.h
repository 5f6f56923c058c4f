#pragma once

#include "Bitmap.h"
#include "WindowSystem.h"

#include <optional>
#include <span>
#include <vector>

namespace gv {

// Decodes a GIF, JPEG or BMP picture from memory into opaque pixels.
std::optional<Bitmap> decode_picture(std::span<const unsigned char> bytes);
// Decodes a window icon file from memory: the image the decoder picks, with its mask.
std::vector<IconImage> decode_icon(std::span<const unsigned char> bytes);

} // namespace gv
