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

// The mnemonic rule, once: calls `emit(character, underlined)` for each
// character a caption shows. A trailing single "&" shows nothing.
template <typename Emit> constexpr void for_each_displayed(std::string_view caption, Emit&& emit) {
    bool underline_next = false;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            emit(caption[i], underline_next);
            underline_next = false;
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            emit('&', underline_next);
            underline_next = false;
            ++i;
        } else {
            underline_next = true;
        }
    }
}

// How many characters a caption shows: "&&" counts as one, a single "&" as none.
constexpr int displayed_length(std::string_view caption) {
    int n = 0;
    for_each_displayed(caption, [&n](char, bool) { ++n; });
    return n;
}

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
