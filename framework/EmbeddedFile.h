#pragma once

#include <span>
#include <string_view>

namespace gv {

// A file built into the program at build time: its file name and its bytes.
struct EmbeddedFile {
    std::string_view name;
    std::span<const unsigned char> bytes;
};

} // namespace gv
