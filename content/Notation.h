#pragma once

// A reader of the move notation, for checking content: it splits an input
// caption into steps, counts the tokens, separators and qualifiers it uses and
// names its form; it also checks the format of names and notes. The pages
// themselves show captions exactly as written and never parse them.
//
// Sections: tokens and results; reading an input; forms; names and notes.

#include <array>
#include <span>
#include <string_view>

namespace grimveil::content::notation {

// --- Tokens and results

enum class Token { Toward, Down, Back, Up, HighPunch, LowPunch, HighKick, LowKick, Block, Run };
inline constexpr int kTokens = 10;
inline constexpr std::array<std::string_view, kTokens> kTokenText {
    "Toward", "Down", "Back", "Up", "High Punch", "Low Punch", "High Kick", "Low Kick", "Block", "Run"
};
// Only buttons have an abbreviation.
inline constexpr std::array<std::string_view, kTokens> kAbbreviation { "",   "",   "",   "",    "HP",
                                                                       "LP", "HK", "LK", "BLK", "RN" };

constexpr bool is_direction(Token t) {
    return int(t) <= int(Token::Up);
}

enum class Prefix { None, Hold, Release, WhenClose }; // "hold ", "rel. ", "when close "
enum class StepKind { Direction, Button, Chord, Alternative, Release };

struct Step {
    StepKind kind { StepKind::Direction };
    Token token { Token::Toward }; // of a direction or a single button
    Prefix prefix { Prefix::None };
    int duration { 0 };   // seconds a held button is held, 0 when not given
    int directions { 0 }; // in a chord
    int buttons { 0 };    // in a chord or an alternative
    int repetition { 0 }; // "5 times" after a chord
    bool then_release { false };
};

// What a caption uses, counted as the notation's tables count it.
struct Usage {
    std::array<int, kTokens> tokens {};
    std::array<int, kTokens> abbreviated {};
    int step_separators { 0 };        // ", "
    int chord_separators { 0 };       // " + "
    int tight_chord_separators { 0 }; // "+" in the abbreviated form
    int alternatives { 0 };           // "/"
    int holds { 0 };
    int seconds { 0 };
    int secs { 0 };
    int then_releases { 0 };
    int releases { 0 };
    int rel_prefixes { 0 };
    int when_close { 0 };
    int repetitions { 0 };

    constexpr Usage& operator+=(const Usage& o) {
        for (int i = 0; i < kTokens; ++i) {
            tokens[i] += o.tokens[i];
            abbreviated[i] += o.abbreviated[i];
        }
        step_separators += o.step_separators;
        chord_separators += o.chord_separators;
        tight_chord_separators += o.tight_chord_separators;
        alternatives += o.alternatives;
        holds += o.holds;
        seconds += o.seconds;
        secs += o.secs;
        then_releases += o.then_releases;
        releases += o.releases;
        rel_prefixes += o.rel_prefixes;
        when_close += o.when_close;
        repetitions += o.repetitions;
        return *this;
    }
};

// The forms an input caption may take on the pages (D a direction, B a button).
enum class Form {
    Invalid,                  // breaks the grammar; Input::error says where
    Unlisted,                 // grammatical, but none of the forms below
    DirectionsButton,         // two to four D, then one B
    Button,                   // one B alone
    HoldDirectionsButton,     // "hold " B, two to four D, one B
    ChordDirectionButton,     // D + B
    ChordButtons,             // two or three B chorded, perhaps repeated
    TwoDirections,            // D, D
    DirectionsHold,           // two or three D, then "hold " B
    DirectionsChord,          // two to four D, then a chord of two to four B
    ChordDirectionTwoButtons, // D + B + B
    HoldForThenRelease,       // "hold " B with a duration, "then release"
    HoldForDirectionsRelease, // "hold " B with a duration, four D, "release" or "rel. " B
    DirectionsWhenClose,      // two D, perhaps one B, then "when close " B
    Hold,                     // "hold " B alone
    HoldButtonsDirection,     // "hold " B, three more B, one D
    Alternative,              // B/B
    Abbreviated,              // B, then four chords of three or four B, abbreviated
    Special,                  // "None" or "Unknown"
};
inline constexpr int kForms = int(Form::Special) + 1;

inline constexpr std::size_t kMaxSteps = 6;

struct Input {
    Form form { Form::Invalid };
    std::string_view error {};
    bool abbreviated { false };
    int steps { 0 };
    std::array<Step, kMaxSteps> step {};
    Usage usage {};
};

// --- Reading an input

namespace detail {

constexpr bool starts_with(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}
constexpr bool ends_with(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

// A whole number without a leading zero, or -1.
constexpr int number(std::string_view s) {
    if (s.empty() || s.size() > 3 || s[0] == '0') return -1;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// Matches a whole token, written in full or (for buttons) abbreviated.
constexpr bool token(std::string_view s, bool abbreviated, Token& out) {
    for (int i = 0; i < kTokens; ++i) {
        const bool direction = i <= int(Token::Up);
        const std::string_view text = abbreviated && !direction ? kAbbreviation[i] : kTokenText[i];
        if (s == text) {
            out = Token(i);
            return true;
        }
    }
    return false;
}

class Reader {
public:
    constexpr explicit Reader(bool abbreviated) { m_in.abbreviated = abbreviated; }

    constexpr Input read(std::string_view caption) {
        if (caption.empty()) return fail("empty input");
        while (true) {
            const std::size_t comma = caption.find(", ");
            const std::string_view text = caption.substr(0, comma);
            if (m_in.steps == int(kMaxSteps)) return fail("more than six steps");
            if (!step(text, m_in.step[m_in.steps])) return m_in;
            ++m_in.steps;
            if (comma == std::string_view::npos) break;
            ++m_in.usage.step_separators;
            caption.remove_prefix(comma + 2);
        }
        m_in.form = Form::Unlisted; // the caller names the form
        return m_in;
    }

private:
    Input m_in {};
    bool m_holding { false };
    Token m_held { Token::Block };

    constexpr Input fail(std::string_view why) {
        m_in.form = Form::Invalid;
        m_in.error = why;
        return m_in;
    }
    constexpr bool failed(std::string_view why) {
        fail(why);
        return false;
    }
    constexpr void count(Token t) {
        if (m_in.abbreviated && !is_direction(t))
            ++m_in.usage.abbreviated[int(t)];
        else
            ++m_in.usage.tokens[int(t)];
    }

    constexpr bool step(std::string_view s, Step& out) {
        if (s.empty()) return failed("empty step");
        if (s == "release" || s == "then release") {
            if (!m_holding) return failed("release without a hold");
            m_holding = false;
            out.kind = StepKind::Release;
            out.then_release = s == "then release";
            ++(out.then_release ? m_in.usage.then_releases : m_in.usage.releases);
            return true;
        }
        if (token(s, m_in.abbreviated, out.token)) {
            out.kind = is_direction(out.token) ? StepKind::Direction : StepKind::Button;
            count(out.token);
            return true;
        }
        if (const std::size_t slash = s.find('/'); slash != std::string_view::npos)
            return alternative(s, slash, out);
        const std::string_view plus = m_in.abbreviated ? "+" : " + ";
        if (s.find(plus) != std::string_view::npos) return chord(s, plus, out);
        return button(s, out);
    }

    constexpr bool alternative(std::string_view s, std::size_t slash, Step& out) {
        Token a {}, b {};
        if (m_in.abbreviated || !token(s.substr(0, slash), false, a) ||
            !token(s.substr(slash + 1), false, b) || is_direction(a) || is_direction(b) || a == b)
            return failed("an alternative is two different buttons joined by \"/\"");
        out.kind = StepKind::Alternative;
        out.buttons = 2;
        count(a);
        count(b);
        ++m_in.usage.alternatives;
        return true;
    }

    constexpr bool chord(std::string_view s, std::string_view plus, Step& out) {
        out.kind = StepKind::Chord;
        if (ends_with(s, " times")) {
            const std::string_view rest = s.substr(0, s.size() - 6);
            const std::size_t space = rest.rfind(' ');
            out.repetition = space == std::string_view::npos ? -1 : number(rest.substr(space + 1));
            if (out.repetition < 2)
                return failed("a repetition is a space, a number of two or more and \" times\"");
            s = rest.substr(0, space);
            ++m_in.usage.repetitions;
        }
        int parts = 0;
        while (true) {
            const std::size_t at = s.find(plus);
            Token t {};
            if (!token(s.substr(0, at), m_in.abbreviated, t)) return failed("a chord joins tokens only");
            if (is_direction(t)) {
                if (parts > 0) return failed("a direction in a chord comes first");
                ++out.directions;
            } else {
                ++out.buttons;
            }
            count(t);
            ++parts;
            if (at == std::string_view::npos) break;
            ++(m_in.abbreviated ? m_in.usage.tight_chord_separators : m_in.usage.chord_separators);
            s.remove_prefix(at + plus.size());
        }
        if (parts < 2 || parts > 4 || out.buttons == 0)
            return failed("a chord is two to four tokens with a button");
        return true;
    }

    constexpr bool button(std::string_view s, Step& out) {
        out.kind = StepKind::Button;
        if (starts_with(s, "hold ")) {
            out.prefix = Prefix::Hold;
            s.remove_prefix(5);
        } else if (starts_with(s, "rel. ")) {
            out.prefix = Prefix::Release;
            s.remove_prefix(5);
        } else if (starts_with(s, "when close ")) {
            out.prefix = Prefix::WhenClose;
            s.remove_prefix(11);
        }
        bool short_unit = false;
        if (out.prefix == Prefix::Hold && (ends_with(s, " seconds") || ends_with(s, " sec"))) {
            short_unit = ends_with(s, " sec");
            const std::string_view rest = s.substr(0, s.size() - (short_unit ? 4 : 8));
            const std::size_t space = rest.rfind(' ');
            out.duration = space == std::string_view::npos ? -1 : number(rest.substr(space + 1));
            if (out.duration < 1) return failed("a duration is a space, a number, a space and the unit");
            s = rest.substr(0, space);
        }
        if (!token(s, m_in.abbreviated, out.token) || is_direction(out.token))
            return failed(out.prefix == Prefix::None ? "not a token" : "a qualifier goes with a button");
        count(out.token);
        switch (out.prefix) {
        case Prefix::Hold:
            if (m_holding) return failed("a second hold before a release");
            m_holding = true;
            m_held = out.token;
            ++m_in.usage.holds;
            if (out.duration) ++(short_unit ? m_in.usage.secs : m_in.usage.seconds);
            break;
        case Prefix::Release:
            if (!m_holding || m_held != out.token)
                return failed("\"rel. \" lets go of a button that is held");
            m_holding = false;
            ++m_in.usage.rel_prefixes;
            break;
        case Prefix::WhenClose:
            ++m_in.usage.when_close;
            break;
        case Prefix::None:
            break;
        }
        return true;
    }
};

} // namespace detail

constexpr Form form_of(const Input& in);

// Reads one input caption: its steps, its usage and its form.
constexpr Input read_input(std::string_view caption) {
    if (caption == "None" || caption == "Unknown") return Input { .form = Form::Special };
    Input in = detail::Reader(false).read(caption);
    if (in.form == Form::Invalid) {
        // The abbreviated form, written with the buttons' short names.
        Input tight = detail::Reader(true).read(caption);
        if (tight.form == Form::Invalid) return in;
        in = tight;
    }
    in.form = form_of(in);
    return in;
}

// --- Forms

namespace detail {

constexpr bool plain_button(const Step& s) {
    return s.kind == StepKind::Button && s.prefix == Prefix::None;
}
constexpr bool hold(const Step& s, bool timed) {
    return s.kind == StepKind::Button && s.prefix == Prefix::Hold && (s.duration > 0) == timed;
}
// Steps [from, to) are all directions.
constexpr bool directions(const Input& in, int from, int to) {
    for (int i = from; i < to; ++i)
        if (in.step[i].kind != StepKind::Direction) return false;
    return from < to;
}

} // namespace detail

constexpr Form form_of(const Input& in) {
    using namespace detail;
    const int n = in.steps;
    if (n == 0) return in.form;
    const Step& first = in.step[0];
    const Step& last = in.step[n - 1];
    const auto only = [&](StepKind kind) { return n == 1 && first.kind == kind; };
    if (in.abbreviated) {
        bool chords = n == 5 && plain_button(first);
        for (int i = 1; chords && i < n; ++i)
            chords = in.step[i].kind == StepKind::Chord && in.step[i].directions == 0 &&
                     in.step[i].buttons >= 3 && in.step[i].repetition == 0;
        return chords ? Form::Abbreviated : Form::Unlisted;
    }
    if (n >= 3 && n <= 5 && directions(in, 0, n - 1) && plain_button(last)) return Form::DirectionsButton;
    if (only(StepKind::Button) && first.prefix == Prefix::None) return Form::Button;
    if (n >= 4 && n <= 6 && hold(first, false) && directions(in, 1, n - 1) && plain_button(last))
        return Form::HoldDirectionsButton;
    if (only(StepKind::Chord) && first.repetition == 0 && first.directions == 1 && first.buttons == 1)
        return Form::ChordDirectionButton;
    if (only(StepKind::Chord) && first.directions == 0 && first.buttons <= 3) return Form::ChordButtons;
    if (n == 2 && directions(in, 0, 2)) return Form::TwoDirections;
    if ((n == 3 || n == 4) && directions(in, 0, n - 1) && hold(last, false)) return Form::DirectionsHold;
    if (n >= 3 && n <= 5 && directions(in, 0, n - 1) && last.kind == StepKind::Chord &&
        last.directions == 0 && last.repetition == 0)
        return Form::DirectionsChord;
    if (only(StepKind::Chord) && first.repetition == 0 && first.directions == 1 && first.buttons == 2)
        return Form::ChordDirectionTwoButtons;
    if (n == 2 && hold(first, true) && last.kind == StepKind::Release && last.then_release)
        return Form::HoldForThenRelease;
    if (n == 6 && hold(first, true) && directions(in, 1, 5) &&
        ((last.kind == StepKind::Release && !last.then_release) ||
         (last.kind == StepKind::Button && last.prefix == Prefix::Release)))
        return Form::HoldForDirectionsRelease;
    if ((n == 3 || n == 4) && directions(in, 0, 2) && (n == 3 || plain_button(in.step[2])) &&
        last.kind == StepKind::Button && last.prefix == Prefix::WhenClose)
        return Form::DirectionsWhenClose;
    if (n == 1 && hold(first, false)) return Form::Hold;
    if (n == 5 && hold(first, false) && plain_button(in.step[1]) && plain_button(in.step[2]) &&
        plain_button(in.step[3]) && last.kind == StepKind::Direction)
        return Form::HoldButtonsDirection;
    if (only(StepKind::Alternative)) return Form::Alternative;
    return Form::Unlisted;
}

// --- Names and notes

// Characters as shown: a stored "&&" shows as one "&".
constexpr int shown_length(std::string_view caption) {
    int n = 0;
    for (std::size_t i = 0; i < caption.size(); ++i, ++n)
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') ++i;
    return n;
}

inline constexpr std::array<std::string_view, 6> kJoiningWords { "of", "from", "and", "to", "a", "then" };

constexpr bool is_upper(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr bool is_lower(char c) {
    return c >= 'a' && c <= 'z';
}

// Why a move name breaks the format, or empty: title case, a colon straight
// after the last word, "&&" for an ampersand, a leading "-" for a sub-move.
constexpr std::string_view name_error(std::string_view name) {
    if (name.size() < 2 || name.back() != ':') return "a name ends in \":\"";
    name.remove_suffix(1);
    if (name.front() == '-') name.remove_prefix(1);
    bool first = true;
    while (true) {
        const std::size_t space = name.find(' ');
        const std::string_view word = name.substr(0, space);
        if (word.empty()) return "words are joined by single spaces";
        if (word == "&&") {
            if (first || space == std::string_view::npos) return "\"&&\" stands between words";
        } else {
            bool joining = false;
            for (std::string_view j : kJoiningWords) joining = joining || word == j;
            if ((!joining || first) && !is_upper(word[0])) return "each word begins with a capital";
            for (std::string_view j : kJoiningWords)
                if (!first && word.size() == j.size() && is_upper(word[0]) && word.substr(1) == j.substr(1) &&
                    word[0] - 'A' == j[0] - 'a')
                    return "a joining word inside a name is lower case";
            for (char c : word)
                if (!is_upper(c) && !is_lower(c) && c != '\'') return "a word is letters only";
        }
        first = false;
        if (space == std::string_view::npos) break;
        name.remove_prefix(space + 1);
    }
    return {};
}

// Why a note breaks the format, or empty: a bracketed lower-case phrase,
// conditions joined by ", ", where only tokens and the given proper names
// keep their capitals.
constexpr std::string_view note_error(std::string_view note,
                                      std::span<const std::string_view> proper_names = {}) {
    if (note.size() < 3 || note.front() != '[' || note.back() != ']') return "a note is in square brackets";
    std::string_view s = note.substr(1, note.size() - 2);
    bool word_start = true;
    while (!s.empty()) {
        if (word_start && is_upper(s[0])) {
            std::size_t len = 0;
            for (std::string_view t : kTokenText)
                if (detail::starts_with(s, t) &&
                    (s.size() == t.size() || s[t.size()] == ' ' || s[t.size()] == ','))
                    len = t.size();
            for (std::string_view p : proper_names)
                if (detail::starts_with(s, p)) len = p.size();
            if (len == 0) return "only tokens and proper names have capitals";
            s.remove_prefix(len);
            word_start = false;
            continue;
        }
        if (detail::starts_with(s, ", ")) {
            s.remove_prefix(2);
            word_start = true;
        } else if (s[0] == ' ') {
            if (word_start) return "words are joined by single spaces";
            s.remove_prefix(1);
            word_start = true;
        } else if (is_lower(s[0])) {
            s.remove_prefix(1);
            word_start = false;
        } else {
            return "a note is a phrase of lower-case words";
        }
    }
    return word_start ? "a note ends with a word" : std::string_view {};
}

} // namespace grimveil::content::notation
