#pragma once

#include <string>
#include <string_view>

namespace gv {

// Captions and titles are code page 1252 text: ASCII, Latin-1 from 0xA0, and
// typographic characters from 0x80 to 0x9F.
constexpr char32_t cp1252_to_unicode(unsigned char c) {
    // 0 marks the five unassigned bytes.
    constexpr char32_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    if (c >= 0x80 && c < 0xA0) return high[c - 0x80];
    return c;
}

// The same text as UTF-8, for window systems that take that; an unassigned
// byte becomes U+FFFD.
inline std::string cp1252_to_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text) {
        char32_t c = cp1252_to_unicode(static_cast<unsigned char>(byte));
        if (c == 0 && byte != 0) c = 0xFFFD;
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace gv
