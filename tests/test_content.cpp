// The fighter pages' content: every caption read by the notation reader, the
// totals the notation's tables promise, each page's shape, the sizes that keep
// rows inside the window, and the rule behind Nocthar's impersonations.
//
// Sections: walking the rows; the reader itself; captions; totals; pages;
// sizes; impersonations.
#include "content/FighterMoves.h"
#include "content/Notation.h"
#include "layouts/Roster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace grimveil::content {
namespace {

namespace nt = notation;
using nt::Form;
using nt::Token;

// --- Walking the rows

// The layout generator builds the pages at compile time from these tables.
constexpr int rows_of_all_pages() {
    int n = 0;
    for (const MoveList& m : kMoveLists) n += int(m.special.size() + m.finishing.size());
    return n;
}
static_assert(rows_of_all_pages() == 227);
static_assert(nt::read_input("Down, Toward, High Punch").form == Form::DirectionsButton);

enum class Section { Special, Finishing };

struct RowAt {
    const MoveList* page;
    Section section;
    int number; // 1-based within its section
    const MoveRow* row;

    std::string where() const {
        return "Moves" + std::string(page->fighter) +
               (section == Section::Special ? " special row " : " finishing row ") + std::to_string(number);
    }
    bool is(std::string_view fighter, Section s, int n) const {
        return page->fighter == fighter && section == s && number == n;
    }
};

std::vector<RowAt> all_rows() {
    std::vector<RowAt> out;
    for (const MoveList& m : kMoveLists) {
        for (std::size_t i = 0; i < m.special.size(); ++i)
            out.push_back({ &m, Section::Special, int(i) + 1, &m.special[i] });
        for (std::size_t i = 0; i < m.finishing.size(); ++i)
            out.push_back({ &m, Section::Finishing, int(i) + 1, &m.finishing[i] });
    }
    return out;
}

// A white label that holds an input, not the word of the no-finishing-moves row.
bool holds_input(const MoveRow& r) {
    return !r.input.empty() && r.input != kFinishingWord;
}

const MoveList& page_of(std::string_view fighter) {
    for (const MoveList& m : kMoveLists)
        if (m.fighter == fighter) return m;
    throw std::runtime_error("no page for " + std::string(fighter));
}

bool is_nocthar_impersonation(const RowAt& r) {
    return r.page->fighter == "Nocthar" && r.section == Section::Special && r.number > 1;
}

constexpr std::string_view kDistanceNotes[] = { "[close]", "[outside sweep]", "[sweep]" };
bool is_distance_note(std::string_view note) {
    return std::find(std::begin(kDistanceNotes), std::end(kDistanceNotes), note) != std::end(kDistanceNotes);
}

// --- The reader itself: the checks below are only as good as it is.

TEST(ContentNotation, ReaderNamesEachFormAndRejectsSlips) {
    const struct {
        std::string_view caption;
        Form form;
    } cases[] = {
        { "Down, Toward, High Punch", Form::DirectionsButton },
        { "Back, Down, Toward, Up, Block", Form::DirectionsButton },
        { "Low Kick", Form::Button },
        { "hold Block, Down, Down, Toward, High Kick", Form::HoldDirectionsButton },
        { "Down + High Kick", Form::ChordDirectionButton },
        { "High Punch + Low Punch 5 times", Form::ChordButtons },
        { "Low Punch + High Punch + Block", Form::ChordButtons },
        { "Down, Up", Form::TwoDirections },
        { "Back, Back, Toward, hold Low Punch", Form::DirectionsHold },
        { "Down, Up, Low Kick + High Kick + Low Punch + High Punch", Form::DirectionsChord },
        { "Back + Low Punch + High Punch", Form::ChordDirectionTwoButtons },
        { "hold Low Punch 3 seconds, then release", Form::HoldForThenRelease },
        { "hold Low Kick 3 sec, Back, Toward, Down, Toward, rel. Low Kick", Form::HoldForDirectionsRelease },
        { "hold Low Punch 5 seconds, Down, Toward, Back, Up, release", Form::HoldForDirectionsRelease },
        { "Down, Toward, Low Kick, when close High Punch", Form::DirectionsWhenClose },
        { "hold Block", Form::Hold },
        { "hold Block, Low Punch, High Punch, Low Kick, Up", Form::HoldButtonsDirection },
        { "Low Kick/High Kick", Form::Alternative },
        { "HP, LP+LK+BLK, HP+HK+LK, LP+HP+RN+LK, BLK+HK+LP", Form::Abbreviated },
        { "None", Form::Special },
        { "Unknown", Form::Special },
        // Grammatical, but not one of the pages' forms.
        { "Down", Form::Unlisted },
        { "Down, Toward, Back, Up, Down, High Punch", Form::Unlisted },
        { "hold High Punch 2 seconds", Form::Unlisted },
        { "Down, Toward, HP", Form::Unlisted },
        { "Low Punch + High Punch + Low Kick + High Kick", Form::Unlisted },
        // Slips of the pen.
        { "down, Toward, High Punch", Form::Invalid },
        { "Down,Toward, High Punch", Form::Invalid },
        { "Down, Toward,  High Punch", Form::Invalid },
        { "Down, Toward, High punch", Form::Invalid },
        { "Down, Toward, High Punch, ", Form::Invalid },
        { "Down, Toward, release", Form::Invalid },
        { "hold Low Kick, Down, rel. High Kick", Form::Invalid },
        { "High Punch + Down", Form::Invalid },
        { "Down + Back + Low Kick", Form::Invalid },
        { "Down + Up", Form::Invalid },
        { "Down+High Kick", Form::Invalid },
        { "Low Punch + HK", Form::Invalid },
        { "High Punch 5 times", Form::Invalid },
        { "Hold Block", Form::Invalid },
        { "hold Down", Form::Invalid },
        { "hold Block 05 seconds, then release", Form::Invalid },
        { "Low Kick/Low Kick", Form::Invalid },
        { "Down, Back, Toward, Up, Down, Back, Block", Form::Invalid },
        { "", Form::Invalid },
    };
    for (const auto& c : cases) {
        const nt::Input in = nt::read_input(c.caption);
        EXPECT_EQ(int(in.form), int(c.form)) << '"' << c.caption << "\" " << in.error;
    }
}

TEST(ContentNotation, ReaderCountsWhatACaptionUses) {
    const nt::Input in = nt::read_input("hold High Kick 3 sec, Back, Toward, Toward, Up, rel. High Kick");
    ASSERT_EQ(in.form, Form::HoldForDirectionsRelease) << in.error;
    EXPECT_EQ(in.usage.tokens[int(Token::HighKick)], 2);
    EXPECT_EQ(in.usage.tokens[int(Token::Toward)], 2);
    EXPECT_EQ(in.usage.step_separators, 5);
    EXPECT_EQ(in.usage.holds, 1);
    EXPECT_EQ(in.usage.secs, 1);
    EXPECT_EQ(in.usage.seconds, 0);
    EXPECT_EQ(in.usage.rel_prefixes, 1);

    const nt::Input tight = nt::read_input("LK, HP+HP+RN, BLK+LP+LK+HK, LP+LP+LP, HK+LK+LK");
    ASSERT_EQ(tight.form, Form::Abbreviated) << tight.error;
    EXPECT_EQ(tight.usage.abbreviated[int(Token::LowPunch)], 4);
    EXPECT_EQ(tight.usage.tokens[int(Token::LowPunch)], 0) << "abbreviations are counted apart";
    EXPECT_EQ(tight.usage.tight_chord_separators, 9);
    EXPECT_EQ(tight.usage.chord_separators, 0);
}

TEST(ContentNotation, NameAndNoteFormats) {
    for (std::string_view good : { "Weapon:", "Murder of Crows:", "Kneel && Rise:", "-Root Sweep:",
                                   "Headsman's Due:", "Drop from a Height:" })
        EXPECT_EQ(nt::name_error(good), "") << good;
    for (std::string_view bad :
         { "Weapon", "Weapon :", "murder of Crows:", "of Crows:", "Murder Of Crows:", "Kneel & Rise:",
           "Kneel  Rise:", "&& Rise:", "Root Sweep-:", "Two: Parts:", "" })
        EXPECT_NE(nt::name_error(bad), "") << bad;
    EXPECT_EQ(nt::shown_length("Kneel && Rise:"), 13) << "\"&&\" shows as one character";

    const std::string_view sequel[] = { "Grimveil II: Hollow Crown" };
    for (std::string_view good :
         { "[close]", "[must be done in air, close]", "[press Block to slam]", "[hold High Punch first]" })
        EXPECT_EQ(nt::note_error(good), "") << good;
    EXPECT_EQ(nt::note_error("[as in Grimveil II: Hollow Crown]", sequel), "");
    for (std::string_view bad : { "close", "[Close]", "[close ]", "[must be done in air,close]",
                                  "[press Blocks]", "[as in Grimveil II: Hollow Crown]", "[]", "[close,]" })
        EXPECT_NE(nt::note_error(bad), "") << bad;
}

// --- Captions

TEST(ContentCaptions, EveryInputReadsAsOneOfTheForms) {
    for (const RowAt& r : all_rows()) {
        if (!holds_input(*r.row)) continue;
        const nt::Input in = nt::read_input(r.row->input);
        EXPECT_NE(in.form, Form::Invalid) << r.where() << " \"" << r.row->input << "\": " << in.error;
        EXPECT_NE(in.form, Form::Unlisted) << r.where() << " \"" << r.row->input << '"';
        EXPECT_EQ(in.form == Form::Abbreviated, r.is("Duvrin", Section::Special, 6))
            << r.where() << ": the abbreviated notation belongs to one row only";
        const bool special_place =
            r.is("Brannox", Section::Special, 1) || r.is("Brudd", Section::Finishing, 1);
        EXPECT_EQ(in.form == Form::Special, special_place) << r.where() << " \"" << r.row->input << '"';
    }
    EXPECT_EQ(page_of("Brannox").special[0].input, "None");
    EXPECT_EQ(page_of("Brudd").finishing[0].input, "Unknown");
}

TEST(ContentCaptions, NamesAreTitleCasedWithTheirColon) {
    int ampersands = 0;
    for (const RowAt& r : all_rows()) {
        const std::string_view name = r.row->name;
        EXPECT_EQ(name.find('\n'), std::string_view::npos) << r.where();
        EXPECT_EQ(r.row->input.find('\n'), std::string_view::npos) << r.where();
        if (name.empty()) {
            EXPECT_TRUE(r.is("Omberl", Section::Special, 7))
                << r.where() << ": only the continuation row is unnamed";
            continue;
        }
        if (name == "No") {
            EXPECT_TRUE(r.is("Brannox", Section::Finishing, 1)) << r.where();
            continue;
        }
        EXPECT_EQ(nt::name_error(name), "") << r.where() << " \"" << name << '"';
        EXPECT_EQ(name.starts_with('-'), r.page->fighter == "Wenlo" && r.section == Section::Special &&
                                             r.number >= 6 && r.number <= 8)
            << r.where() << ": sub-moves are Wenlo's rows 6 to 8";
        if (name.find("&&") != std::string_view::npos) ++ampersands;
    }
    EXPECT_EQ(ampersands, 3);
}

TEST(ContentCaptions, NotesAreFromTheVocabularyInTheirSections) {
    const std::string_view sequel[] = { kSequelTitle };
    EXPECT_TRUE(kSequelTitle.starts_with("Grimveil ")) << "a game of the series";
    EXPECT_EQ(kSeriesNote, "[as in " + std::string(kSequelTitle) + "]");
    EXPECT_EQ(page_of("Grellix").special[3].note, kSeriesNote);
    for (const RowAt& r : all_rows()) {
        const std::string_view note = r.row->note;
        if (!note.empty()) {
            EXPECT_EQ(nt::note_error(note, sequel), "") << r.where() << " \"" << note << '"';
        }
        if (r.section == Section::Finishing && r.page->fighter != "Brannox")
            EXPECT_TRUE(is_distance_note(note)) << r.where() << ": every finishing move says where to stand";
        else
            EXPECT_FALSE(is_distance_note(note)) << r.where() << ": distance notes belong to finishing moves";
    }
}

// --- Totals

struct Totals {
    std::array<int, nt::kForms> forms {};
    nt::Usage usage {};
    int inputs = 0, names = 0, whites = 0, notes = 0;
    std::map<std::string, int> by_note;
    int captions_with_chords = 0;
};

Totals count_all() {
    Totals t;
    for (const RowAt& r : all_rows()) {
        t.names += !r.row->name.empty();
        t.whites += !r.row->input.empty();
        if (!r.row->note.empty()) {
            ++t.notes;
            ++t.by_note[std::string(r.row->note == kSeriesNote ? "series note" : r.row->note)];
        }
        if (!holds_input(*r.row)) continue;
        const nt::Input in = nt::read_input(r.row->input);
        ++t.inputs;
        ++t.forms[int(in.form)];
        t.usage += in.usage;
        t.captions_with_chords += in.usage.chord_separators > 0;
    }
    return t;
}

TEST(ContentTotals, CountsMatchTheNotationTables) {
    const Totals t = count_all();
    const nt::Usage& u = t.usage;
    const auto token = [&](Token k) { return u.tokens[int(k)]; };
    const auto tight = [&](Token k) { return u.abbreviated[int(k)]; };
    const auto form = [&](Form f) { return t.forms[int(f)]; };
    const auto note = [&](const char* n) {
        const auto it = t.by_note.find(n);
        return it == t.by_note.end() ? 0 : it->second;
    };
    const struct {
        const char* what;
        int counted;
        int target;
    } table[] = {
        { "input captions", t.inputs, 224 },
        { "form: two to four D, then B", form(Form::DirectionsButton), 182 },
        { "form: B alone", form(Form::Button), 6 },
        { "form: hold B, D..., B", form(Form::HoldDirectionsButton), 5 },
        { "form: chord D + B", form(Form::ChordDirectionButton), 4 },
        { "form: chord of B", form(Form::ChordButtons), 5 },
        { "form: two D", form(Form::TwoDirections), 3 },
        { "form: D..., hold B", form(Form::DirectionsHold), 2 },
        { "form: D..., chord of B", form(Form::DirectionsChord), 4 },
        { "form: chord D + B + B", form(Form::ChordDirectionTwoButtons), 1 },
        { "form: hold for, then release", form(Form::HoldForThenRelease), 2 },
        { "form: hold for, four D, release", form(Form::HoldForDirectionsRelease), 2 },
        { "form: D, D, [B,] when close B", form(Form::DirectionsWhenClose), 2 },
        { "form: hold B alone", form(Form::Hold), 1 },
        { "form: hold B, B, B, B, D", form(Form::HoldButtonsDirection), 1 },
        { "form: B/B", form(Form::Alternative), 1 },
        { "form: abbreviated", form(Form::Abbreviated), 1 },
        { "form: special input", form(Form::Special), 2 },
        { "form: invalid or unlisted", form(Form::Invalid) + form(Form::Unlisted), 0 },
        { "Toward", token(Token::Toward), 225 },
        { "Down", token(Token::Down), 156 },
        { "Back", token(Token::Back), 149 },
        { "Up", token(Token::Up), 37 },
        { "High Punch", token(Token::HighPunch), 51 },
        { "Low Punch", token(Token::LowPunch), 51 },
        { "High Kick", token(Token::HighKick), 50 },
        { "Low Kick", token(Token::LowKick), 48 },
        { "Block", token(Token::Block), 39 },
        { "Run", token(Token::Run), 5 },
        { "LP", tight(Token::LowPunch), 3 },
        { "HP", tight(Token::HighPunch), 3 },
        { "LK", tight(Token::LowKick), 3 },
        { "HK", tight(Token::HighKick), 2 },
        { "BLK", tight(Token::Block), 2 },
        { "RN", tight(Token::Run), 1 },
        { "\", \"", u.step_separators, 576 },
        { "\" + \"", u.chord_separators, 20 },
        { "captions with \" + \"", t.captions_with_chords, 14 },
        { "\"+\"", u.tight_chord_separators, 9 },
        { "\"/\"", u.alternatives, 1 },
        { "hold", u.holds, 13 },
        { "duration in seconds", u.seconds, 3 },
        { "duration in sec", u.secs, 1 },
        { "then release", u.then_releases, 2 },
        { "release", u.releases, 1 },
        { "rel.", u.rel_prefixes, 1 },
        { "when close", u.when_close, 2 },
        { "repetition", u.repetitions, 1 },
        { "name captions", t.names, 226 },
        { "white captions", t.whites, 225 },
        { "notes", t.notes, 106 },
        { "[close]", note("[close]"), 67 },
        { "[outside sweep]", note("[outside sweep]"), 10 },
        { "[sweep]", note("[sweep]"), 9 },
        { "[also can be done in the air]", note("[also can be done in the air]"), 9 },
        { "[must be done in the air]", note("[must be done in the air]"), 3 },
        { "[must be done in the air, close]", note("[must be done in the air, close]"), 3 },
        { "[must be in the air, close]", note("[must be in the air, close]"), 1 },
        { "[must be done in air, close]", note("[must be done in air, close]"), 1 },
        { "[opponent must be in the air]", note("[opponent must be in the air]"), 1 },
        { "[press Block to slam]", note("[press Block to slam]"), 1 },
        { "series note", note("series note"), 1 },
    };
    int listed_notes = 0;
    for (const auto& row : table) {
        std::printf("  %-36s %4d / %d%s\n", row.what, row.counted, row.target,
                    row.counted == row.target ? "" : "  <<<");
        EXPECT_EQ(row.counted, row.target) << row.what;
        if (row.what[0] == '[' || row.what == std::string_view("series note")) listed_notes += row.counted;
    }
    EXPECT_EQ(listed_notes, t.notes) << "a note outside the vocabulary";
}

// --- Pages

// Where a page's special-moves notes stand.
struct NoteAt {
    int row = 0;
    std::string_view note;
};

struct Shape {
    std::string_view fighter;
    int special_rows;
    // The finishing rows' notes, one letter a row: c "[close]", s "[sweep]",
    // o "[outside sweep]", - none.
    std::string_view finishing;
    std::array<NoteAt, 4> special_notes {};
};

constexpr std::string_view kAir = "[also can be done in the air]";
constexpr std::string_view kMustAir = "[must be done in the air]";
constexpr std::string_view kMustAirClose = "[must be done in the air, close]";

// In page order.
const Shape kShapes[] = {
    { "Vorsk", 5, "sccc" },
    { "Tamsel", 6, "cccc" },
    { "Omberl", 7, "cscc", { { { 3, kAir }, { 7, "[opponent must be in the air]" } } } },
    { "Quenth", 5, "socc", { { { 5, kMustAir } } } },
    { "Brannox", 7, "-" },
    { "Selvo", 5, "cocc" },
    { "Duvrin", 6, "cccc", { { { 4, kMustAirClose } } } },
    { "Wenlo", 9, "cocc" },
    { "Pallira", 5, "cccc", { { { 2, kAir } } } },
    { "Tessmar", 5, "oocc", { { { 4, kMustAir } } } },
    { "Corvath", 5, "sccc", { { { 2, kAir } } } },
    { "Ashvane", 4, "sscc", { { { 2, kAir } } } },
    { "Grellix",
      5,
      "cc",
      { { { 2, "[press Block to slam]" },
          { 3, kAir },
          { 4, kSeriesNote },
          { 5, "[must be in the air, close]" } } } },
    { "Zavrek", 6, "cccc", { { { 2, "[must be done in air, close]" } } } },
    { "Thulmar", 4, "cccc", { { { 2, kAir } } } },
    { "Estrin", 5, "cocc", { { { 2, kAir } } } },
    { "Skelvin", 5, "cocc" },
    { "Drasque", 5, "sccc", { { { 3, kAir }, { 4, kMustAirClose } } } },
    { "Brudd", 5, "oscc" },
    { "Nocthar", 20, "cccc" },
    { "Ilvessa", 7, "socc", { { { 7, kMustAirClose } } } },
    { "Pelvane", 4, "cocc", { { { 4, kAir } } } },
    { "Roskar", 5, "cccc", { { { 3, kMustAir } } } },
};

std::string_view distance_note(char c) {
    switch (c) {
    case 'c':
        return "[close]";
    case 's':
        return "[sweep]";
    case 'o':
        return "[outside sweep]";
    default:
        return "";
    }
}

TEST(ContentPages, FollowPageOrder) {
    ASSERT_EQ(std::size(kShapes), kMoveLists.size());
    for (int n = 1; n <= layouts::kFighters; ++n) {
        EXPECT_EQ(kMoveLists[n - 1].fighter, layouts::fighter_on_page(n).name) << "page " << n;
        EXPECT_EQ(kShapes[n - 1].fighter, kMoveLists[n - 1].fighter) << "page " << n;
    }
}

TEST(ContentPages, EachPageHasItsRowsAndNotes) {
    for (std::size_t p = 0; p < kMoveLists.size(); ++p) {
        const MoveList& m = kMoveLists[p];
        const Shape& shape = kShapes[p];
        ASSERT_EQ(int(m.special.size()), shape.special_rows) << m.fighter;
        ASSERT_EQ(m.finishing.size(), shape.finishing.size()) << m.fighter;
        for (int row = 1; row <= shape.special_rows; ++row) {
            std::string_view expected;
            for (const NoteAt& n : shape.special_notes)
                if (n.row == row) expected = n.note;
            EXPECT_EQ(m.special[row - 1].note, expected) << m.fighter << " special row " << row;
        }
        for (std::size_t row = 0; row < m.finishing.size(); ++row)
            EXPECT_EQ(m.finishing[row].note, distance_note(shape.finishing[row]))
                << m.fighter << " finishing row " << row + 1;
    }
}

TEST(ContentPages, ParticularRows) {
    const std::set<std::string_view> stage(std::begin(kStageFinishing), std::end(kStageFinishing));
    EXPECT_EQ(stage.size(), 2u);
    for (std::string_view s : kStageFinishing) EXPECT_EQ(nt::name_error(s), "") << s;
    for (const MoveList& m : kMoveLists) {
        if (m.fighter == "Nocthar") {
            EXPECT_EQ(m.special[0].name, "Impersonations:");
            EXPECT_EQ(m.special[0].input, "");
        } else {
            EXPECT_EQ(m.special[0].name, "Weapon:") << m.fighter;
        }
        for (std::size_t i = 1; i < m.special.size(); ++i)
            EXPECT_NE(m.special[i].name, "Weapon:") << m.fighter << " special row " << i + 1;
        if (m.fighter == "Brannox") {
            ASSERT_EQ(m.finishing.size(), 1u);
            EXPECT_EQ(m.finishing[0].name, "No");
            EXPECT_EQ(m.finishing[0].input, kFinishingWord);
            EXPECT_EQ(m.finishing[0].note, "");
            continue;
        }
        ASSERT_GE(m.finishing.size(), 2u) << m.fighter;
        const std::size_t n = m.finishing.size();
        EXPECT_EQ(m.finishing[n - 2].name, kStageFinishing[0]) << m.fighter;
        EXPECT_EQ(m.finishing[n - 1].name, kStageFinishing[1]) << m.fighter;
        for (std::size_t i = 0; i + 2 < n; ++i)
            EXPECT_FALSE(stage.contains(m.finishing[i].name))
                << m.fighter << ": a stage move in the wrong place";
        for (const MoveRow& r : m.special) EXPECT_FALSE(stage.contains(r.name)) << m.fighter;
    }
    const MoveRow& continuation = page_of("Omberl").special[6];
    EXPECT_EQ(continuation.name, "");
    EXPECT_EQ(continuation.input, "");
    EXPECT_FALSE(page_of("Omberl").special[5].input.empty()) << "the note continues a move";
}

TEST(ContentPages, NoPageListsTheSameInputTwice) {
    for (const MoveList& m : kMoveLists) {
        std::map<std::string_view, int> seen;
        for (auto rows : { m.special, m.finishing })
            for (const MoveRow& r : rows)
                if (holds_input(r)) ++seen[r.input];
        for (const auto& [input, uses] : seen) EXPECT_EQ(uses, 1) << m.fighter << ": \"" << input << '"';
    }
}

// --- Sizes: a cell is 120 twips wide; the window is 10215 wide.

// Rows placed two cells, or no cell, after the name or the input instead of one.
int gap_after_name(const RowAt& r) {
    if (r.section != Section::Finishing || r.number != int(r.page->finishing.size())) return 1;
    const std::string_view f = r.page->fighter;
    return f == "Quenth" || f == "Tessmar" || f == "Corvath" ? 2 : f == "Thulmar" ? 0 : 1;
}
int gap_after_input(const RowAt& r) {
    if (r.section != Section::Finishing || r.number != 3) return 1;
    return r.page->fighter == "Pallira" ? 2 : r.page->fighter == "Duvrin" ? 0 : 1;
}

bool has_single_ampersand(std::string_view caption) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (i + 1 == caption.size() || caption[i + 1] != '&') return true;
        ++i;
    }
    return false;
}

TEST(ContentSizes, EveryRowFitsItsPage) {
    std::map<std::string_view, int> edge; // the right edge of the widest row, in cells
    for (const RowAt& r : all_rows()) {
        const int name = nt::shown_length(r.row->name);
        const int input = nt::shown_length(r.row->input);
        const int note = nt::shown_length(r.row->note);
        EXPECT_LE(name, 22) << r.where();
        EXPECT_LE(input, 64) << r.where();
        for (std::string_view caption : { r.row->name, r.row->input, r.row->note })
            EXPECT_FALSE(has_single_ampersand(caption)) << r.where() << " \"" << caption << '"';
        if (is_nocthar_impersonation(r)) {
            // Two columns: the left one ends a cell clear of the right one's
            // margin (5040); the right one stays short of the widest rows' edge (9960).
            EXPECT_LE(name + input, 39) << r.where();
            continue;
        }
        const int extra = gap_after_name(r) > 1 || gap_after_input(r) > 1;
        EXPECT_LE(name + input + note, (r.page->fighter == "Vorsk" ? 79 : 80) - extra) << r.where();
        if (name == 0) continue; // the continuation note sits under its row's input
        const int margin = r.page->fighter == "Vorsk" ? 2 : 1;
        const int right = margin + name + gap_after_name(r) + input + (note ? gap_after_input(r) + note : 0);
        edge[r.page->fighter] = std::max(edge[r.page->fighter], right);
    }
    // 83 cells is 9960 twips, the farthest edge of any row: reached on two pages only.
    std::set<std::string_view> at_limit;
    for (const auto& [fighter, cells] : edge) {
        EXPECT_LE(cells, 83) << fighter;
        if (cells == 83) at_limit.insert(fighter);
    }
    EXPECT_EQ(at_limit, (std::set<std::string_view> { "Zavrek", "Estrin" }));
}

// --- Impersonations

// Nocthar takes a fighter's shape by performing that fighter's weapon command
// backwards: the same directions in reverse order, then the same button.
std::string backwards(std::string_view weapon) {
    std::vector<std::string_view> steps;
    for (std::size_t at; (at = weapon.find(", ")) != std::string_view::npos; weapon.remove_prefix(at + 2))
        steps.push_back(weapon.substr(0, at));
    std::string out;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) out += std::string(*it) + ", ";
    return out + std::string(weapon);
}

TEST(ContentImpersonations, EachIsTheFightersWeaponCommandBackwards) {
    EXPECT_EQ(backwards("Down, Back, Toward, Low Kick"), "Toward, Back, Down, Low Kick");
    constexpr std::string_view order[] = { "Omberl",  "Drasque", "Ashvane", "Ilvessa", "Pallira",
                                           "Thulmar", "Tessmar", "Zavrek",  "Vorsk",   "Roskar",
                                           "Selvo",   "Skelvin", "Pelvane", "Duvrin",  "Corvath",
                                           "Tamsel",  "Wenlo",   "Estrin",  "Quenth" };
    const MoveList& nocthar = page_of("Nocthar");
    ASSERT_EQ(nocthar.special.size(), std::size(order) + 1);
    std::set<std::string_view> own_inputs;
    for (const MoveRow& r : nocthar.finishing) own_inputs.insert(r.input);
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < std::size(order); ++i) {
        const MoveRow& row = nocthar.special[i + 1];
        EXPECT_EQ(row.name, std::string(order[i]) + ":");
        EXPECT_EQ(row.note, "");
        const MoveRow& weapon = page_of(order[i]).special[0];
        EXPECT_EQ(nt::read_input(weapon.input).form, Form::DirectionsButton) << order[i] << "'s weapon";
        EXPECT_EQ(row.input, backwards(weapon.input)) << order[i];
        EXPECT_TRUE(seen.insert(row.input).second) << order[i] << ": two shapes, one command";
        EXPECT_FALSE(own_inputs.contains(row.input)) << order[i] << ": also one of Nocthar's own moves";
    }
}

} // namespace
} // namespace grimveil::content
