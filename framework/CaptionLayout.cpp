#include "CaptionLayout.h"

namespace gv {

DisplayText apply_mnemonics(std::string_view caption) {
    DisplayText out;
    out.text.reserve(std::size_t(displayed_length(caption)));
    for_each_displayed(caption, [&out](char c, bool underlined) {
        if (underlined) out.underlined.push_back(int(out.text.size()));
        out.text.push_back(c);
    });
    return out;
}

namespace {

// Emits lines for one paragraph (no hard breaks inside) starting at `base`.
void wrap_paragraph(const Font& font, std::string_view text, int base, int max_width,
                    std::vector<TextLine>& out) {
    auto width_of = [&](int from, int to) { return font.text_width(text.substr(from, to - from)); };
    int n = int(text.size());
    int line_start = 0;
    int pos = 0;
    if (n == 0) {
        out.push_back({ base, 0, 0 });
        return;
    }
    while (pos < n) {
        int word_end = pos;
        while (word_end < n && text[word_end] != ' ') ++word_end;
        if (width_of(line_start, word_end) <= max_width) {
            pos = word_end;
            if (pos < n) ++pos; // keep the space for now; it is dropped if the line breaks here
            continue;
        }
        if (line_start < pos) {
            // The word does not fit after what the line holds: break before it,
            // dropping the spaces at the break.
            int line_end = pos;
            while (line_end > line_start && text[line_end - 1] == ' ') --line_end;
            out.push_back({ base + line_start, line_end - line_start, width_of(line_start, line_end) });
            line_start = pos;
            continue;
        }
        // A single word wider than the label: break it where it stops fitting,
        // keeping at least one character per line.
        int cut = line_start + 1;
        while (cut < word_end && width_of(line_start, cut + 1) <= max_width) ++cut;
        out.push_back({ base + line_start, cut - line_start, width_of(line_start, cut) });
        line_start = pos = cut;
    }
    int line_end = n;
    while (line_end > line_start && text[line_end - 1] == ' ') --line_end;
    if (line_start < n || out.empty())
        out.push_back({ base + line_start, line_end - line_start, width_of(line_start, line_end) });
}

} // namespace

std::vector<TextLine> wrap_text(const Font& font, std::string_view text, int max_width) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t nl = text.find('\n', start);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::size_t para_end = (end > start && text[end - 1] == '\r') ? end - 1 : end;
        wrap_paragraph(font, text.substr(start, para_end - start), int(start), max_width, lines);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

} // namespace gv
