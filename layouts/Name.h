#pragma once

#include <array>
#include <initializer_list>
#include <string_view>

namespace grimveil::layouts {

// A whole number written out, for joining into a name ("Label" + 12).
class Decimal {
public:
    constexpr explicit Decimal(int value) {
        if (value < 0) throw "names number from zero up";
        std::array<char, 10> reversed {};
        do {
            reversed[m_length++] = char('0' + value % 10);
            value /= 10;
        } while (value > 0);
        for (std::size_t i = 0; i < m_length; ++i) m_chars[i] = reversed[m_length - 1 - i];
    }
    constexpr operator std::string_view() const { return { m_chars.data(), m_length }; }

private:
    std::array<char, 10> m_chars {};
    std::size_t m_length { 0 };
};

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
    std::array<char, 96> m_chars {};
    std::size_t m_length { 0 };
};

static_assert(Name { "Label", Decimal(0) }.view() == "Label0");
static_assert(Name { "Label", Decimal(54), "x" }.view() == "Label54x");

} // namespace grimveil::layouts
