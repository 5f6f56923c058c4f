#pragma once

#include <array>
#include <initializer_list>
#include <string_view>

namespace grimveil::layouts {

// A name joined from parts at compile time ("img" + "Vorsk" + "S"), kept in
// constant storage so layouts and handlers can point at it like at a literal.
class Name {
public:
    constexpr Name() = default;
    constexpr Name(std::initializer_list<std::string_view> parts) {
        for (std::string_view part : parts)
            for (char c : part) {
                if (m_length == m_chars.size()) throw "name too long";
                m_chars[m_length++] = c;
            }
    }
    constexpr std::string_view view() const { return { m_chars.data(), m_length }; }
    constexpr operator std::string_view() const { return view(); }

private:
    std::array<char, 64> m_chars {};
    std::size_t m_length { 0 };
};

} // namespace grimveil::layouts
