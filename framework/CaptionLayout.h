#pragma once

#include "Font.h"

#include <string>
#include <string_view>
#include <vector>

namespace gv {

// A caption after the mnemonic rule: "&&" became "&", every other "&" was
// dropped and the character after it is underlined.
struct DisplayText {
    std::string text;
    std::vector<int> underlined;
};

DisplayText apply_mnemonics(std::string_view caption);

struct TextLine {
    int start { 0 }; // index into DisplayText::text
    int length { 0 };
    int width { 0 };
};

// Breaks text into lines no wider than max_width: at spaces, at hard line
// breaks, and inside a word that alone is too wide.
std::vector<TextLine> wrap_text(const Font&, std::string_view text, int max_width);

} // namespace gv
