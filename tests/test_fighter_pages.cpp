// The fighter pages: their layouts, placed by rule from the move rows, and
// what they do when open.
#include "Fixtures.h"
#include "Harness.h"

#include "layouts/FighterPageLayout.h"

#include "framework/Twips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace grimveil::testing {
namespace {

using gv::ControlRecord;
using layouts::kFighters;
namespace fp = layouts::fighter_page;

const gv::ScreenLayout& page_layout(std::string_view fighter) {
    for (const gv::ScreenLayout& l : layouts::kFighterPageLayouts)
        if (l.name.substr(5) == fighter) return l;
    throw std::runtime_error("no page for " + std::string(fighter));
}

const ControlRecord& record(const gv::ScreenLayout& l, std::string_view name) {
    for (const ControlRecord& c : l.controls)
        if (c.name == name) return c;
    throw std::runtime_error("no control " + std::string(name) + " on " + std::string(l.name));
}

bool is_row_label(const ControlRecord& c) {
    return c.name.starts_with("Label");
}
int label_number(const ControlRecord& c) {
    return std::stoi(std::string(c.name.substr(5)));
}
bool is_note(const ControlRecord& c) {
    return c.caption.starts_with("[");
}

// The rows of one section of a page as the layout places them: labels grouped
// by Top, in Top order, each row's labels from left to right.
using Row = std::vector<const ControlRecord*>;
std::vector<Row> rows_between(const gv::ScreenLayout& l, int from_top, int to_top) {
    std::map<int, Row> by_top;
    for (const ControlRecord& c : l.controls)
        if (is_row_label(c) && c.top >= from_top && c.top < to_top) by_top[c.top].push_back(&c);
    std::vector<Row> out;
    for (auto& [top, row] : by_top) {
        std::sort(row.begin(), row.end(), [](auto* a, auto* b) { return a->left < b->left; });
        out.push_back(row);
    }
    return out;
}

struct PageRows {
    std::vector<Row> special, finishing;
};
PageRows rows_of(const gv::ScreenLayout& l) {
    const int title = record(l, "Picture2").top;
    return { rows_between(l, 0, title), rows_between(l, title, 1 << 20) };
}

std::string note_of(const Row& row) {
    return is_note(*row.back()) ? std::string(row.back()->caption) : std::string();
}

// The pages as the guide describes them, in page order.
struct PageCase {
    std::string_view fighter, version;
    int special_rows;
    std::map<int, std::string_view> special_notes; // by row; Grellix's row 4 is our own text, checked apart
    std::vector<std::string_view> finishing_notes;
    int finishing_title_top;
    int controls;
};

const std::vector<PageCase>& page_cases() {
    static const std::string_view C = "[close]", S = "[sweep]", O = "[outside sweep]", N = "";
    static const std::string_view air = "[also can be done in the air]", must = "[must be done in the air]",
                                  must_close = "[must be done in the air, close]";
    static const std::vector<PageCase> cases = {
        { "Vorsk", "2.0.0", 5, {}, { S, C, C, C }, 1920, 25 },
        { "Tamsel", "2.0.0", 6, {}, { C, C, C, C }, 2160, 27 },
        { "Omberl",
          "1.0.0",
          7,
          { { 3, air }, { 7, "[opponent must be in the air]" } },
          { C, S, C, C },
          2400,
          29 },
        { "Quenth", "1.0.0", 5, { { 5, must } }, { S, O, C, C }, 1920, 26 },
        { "Brannox", "1.0.0", 7, {}, { N }, 2520, 19 },
        { "Selvo", "1.0.0", 5, {}, { C, O, C, C }, 1920, 25 },
        { "Duvrin", "1.0.0", 6, { { 4, must_close } }, { C, C, C, C }, 2160, 28 },
        { "Wenlo", "1.0.0", 9, {}, { C, O, C, C }, 2880, 33 },
        { "Pallira", "1.0.0", 5, { { 2, air } }, { C, C, C, C }, 1920, 26 },
        { "Tessmar", "1.0.0", 5, { { 4, must } }, { O, O, C, C }, 2040, 26 },
        { "Corvath", "1.0.0", 5, { { 2, air } }, { S, C, C, C }, 1920, 26 },
        { "Ashvane", "1.0.0", 4, { { 2, air } }, { S, S, C, C }, 1800, 24 },
        { "Grellix",
          "1.0.0",
          5,
          { { 2, "[press Block to slam]" }, { 3, air }, { 5, "[must be in the air, close]" } },
          { C, C },
          1920,
          23 },
        { "Zavrek", "1.0.0", 6, { { 2, "[must be done in air, close]" } }, { C, C, C, C }, 2160, 28 },
        { "Thulmar", "1.0.0", 4, { { 2, air } }, { C, C, C, C }, 1680, 24 },
        { "Estrin", "1.0.0", 5, { { 2, air } }, { C, O, C, C }, 1920, 26 },
        { "Skelvin", "1.0.0", 5, {}, { C, O, C, C }, 1920, 25 },
        { "Drasque", "1.0.0", 5, { { 3, air }, { 4, must_close } }, { S, C, C, C }, 1920, 27 },
        { "Brudd", "1.0.0", 5, {}, { O, S, C, C }, 1920, 25 },
        { "Nocthar", "1.0.0", 20, {}, { C, C, C, C }, 3360, 54 },
        { "Ilvessa", "1.0.0", 7, { { 7, must_close } }, { S, O, C, C }, 2400, 30 },
        { "Pelvane", "1.0.0", 4, { { 4, air } }, { C, O, C, C }, 1680, 24 },
        { "Roskar", "1.0.0", 5, { { 3, must } }, { C, C, C, C }, 1920, 26 },
    };
    return cases;
}

TEST(FighterPageLayouts, EveryPageHasItsRowsNotesTitleAndControls) {
    ASSERT_EQ(int(page_cases().size()), kFighters);
    for (int page = 1; page <= kFighters; ++page) {
        const PageCase& c = page_cases()[page - 1];
        SCOPED_TRACE(std::string(c.fighter));
        const gv::ScreenLayout& l = layouts::kFighterPageLayouts[page - 1];
        EXPECT_EQ(l.name, "Moves" + std::string(c.fighter)) << "page order";
        EXPECT_EQ(l.caption, "[ Interactive Grimveil ] - [ " + std::string(c.fighter) + " ] - [ version " +
                                 std::string(c.version) + " ]");
        EXPECT_EQ(int(l.controls.size()), c.controls);
        EXPECT_EQ(record(l, "Picture2").top, c.finishing_title_top);

        const PageRows rows = rows_of(l);
        ASSERT_EQ(int(rows.special.size()), c.special_rows);
        for (int r = 1; r <= c.special_rows; ++r) {
            const std::string note = note_of(rows.special[r - 1]);
            auto expected = c.special_notes.find(r);
            if (c.fighter == "Grellix" && r == 4) {
                EXPECT_TRUE(note.starts_with("[") && note.ends_with("]")) << "row 4 points to another game";
            } else {
                EXPECT_EQ(note, expected == c.special_notes.end() ? "" : expected->second)
                    << "special row " << r;
            }
        }
        ASSERT_EQ(rows.finishing.size(), c.finishing_notes.size());
        for (std::size_t r = 0; r < rows.finishing.size(); ++r)
            EXPECT_EQ(note_of(rows.finishing[r]), c.finishing_notes[r]) << "finishing row " << r + 1;
        EXPECT_EQ(rows.special.front().front()->top, 600) << "the first row sits under the title";
        EXPECT_EQ(rows.finishing.front().front()->top, c.finishing_title_top + 600);
    }
}

TEST(FighterPageLayouts, TemplatePartsAndLayoutOrder) {
    for (const gv::ScreenLayout& l : layouts::kFighterPageLayouts) {
        SCOPED_TRACE(std::string(l.name));
        EXPECT_EQ(l.client_width, 10215);
        EXPECT_EQ(l.client_height, 5460);
        EXPECT_EQ(l.back_color.value, 0x00000000u);
        EXPECT_EQ(l.picture, l.name == "MovesDuvrin" ? "MovesDuvrin_Background" : "Credits001_Background");
        EXPECT_FALSE(l.show_in_taskbar);
        EXPECT_TRUE(l.icon.empty());
        EXPECT_EQ(l.start_position, gv::StartPosition::CenterScreen);
        const ControlRecord& close = record(l, "ClickClose");
        EXPECT_EQ((std::array { close.left, close.top, close.width, close.height }),
                  (std::array { 9720, 0, 495, 495 }));
        EXPECT_TRUE(close.caption.empty());
        EXPECT_EQ(close.back_style, gv::BackStyle::Transparent);
        const ControlRecord& special = record(l, "Picture1");
        EXPECT_EQ((std::array { special.left, special.top, special.width, special.height }),
                  (std::array { 30, 30, 3315, 525 }));
        EXPECT_EQ(special.picture, "MovesVorsk_Picture1");
        EXPECT_EQ(record(l, "Picture2").picture, "MovesVorsk_Picture2");
        EXPECT_EQ(record(l, "Picture2").left, 30);

        // Picture2, Picture1, ClickClose, then the labels from the highest
        // number down; Ashvane swaps the titles, Pelvane leads with Label9.
        std::vector<std::string_view> order;
        for (const ControlRecord& c : l.controls) order.push_back(c.name);
        const bool swapped = l.name == "MovesAshvane";
        EXPECT_EQ(order[0], swapped ? "Picture1" : "Picture2");
        EXPECT_EQ(order[1], swapped ? "Picture2" : "Picture1");
        EXPECT_EQ(order[2], "ClickClose");
        std::vector<int> numbers;
        for (std::size_t i = 3; i < order.size(); ++i) numbers.push_back(label_number(l.controls[i]));
        if (l.name == "MovesPelvane") {
            ASSERT_EQ(numbers.front(), 9);
            EXPECT_TRUE(is_note(record(l, "Label9"))) << "the note of special row 4";
            numbers.erase(numbers.begin());
            numbers.insert(numbers.end() - 8, 9);
        }
        for (std::size_t i = 0; i < numbers.size(); ++i)
            EXPECT_EQ(numbers[i], int(numbers.size() - i)) << "label at layout position " << i + 3;
    }
}

// Labels are numbered in reading order (row by row, name, input, note) and
// come in three kinds told apart by colour and caption.
TEST(FighterPageLayouts, LabelsAreNumberedInReadingOrderWithTheirKinds) {
    int names = 0, inputs = 0, notes = 0;
    for (const gv::ScreenLayout& l : layouts::kFighterPageLayouts) {
        SCOPED_TRACE(std::string(l.name));
        const PageRows rows = rows_of(l);
        int expected = 1;
        for (const auto* section : { &rows.special, &rows.finishing })
            for (const Row& row : *section) {
                // Reading order: name, input, note; Nocthar's rows alternate
                // columns but still read top to bottom.
                for (const ControlRecord* c : row) EXPECT_EQ(label_number(*c), expected++) << c->caption;
                for (std::size_t i = 0; i < row.size(); ++i) {
                    const ControlRecord& c = *row[i];
                    const bool input = i == 1 && !is_note(c);
                    EXPECT_EQ(c.fore_color.value, input ? 0x00FFFFFFu : 0x0002C0FFu) << c.caption;
                    EXPECT_EQ(c.back_color.value, input ? gv::kDefaultBackColor.value : 0x80000005u);
                    EXPECT_EQ(c.back_style, gv::BackStyle::Transparent);
                    EXPECT_EQ(c.auto_size, gv::AutoSize::On);
                    EXPECT_EQ(c.font, layouts::kFixedsys9);
                    EXPECT_EQ(c.width, 120 * gv::displayed_length(c.caption) + (c.has_border() ? 30 : 0));
                    EXPECT_EQ(c.height, c.has_border() ? 255 : 225);
                    (is_note(c) ? notes : input ? inputs : names) += 1;
                }
            }
    }
    EXPECT_EQ(names, 226);
    EXPECT_EQ(inputs, 225);
    EXPECT_EQ(notes, 106);
}

// The horizontal rule: one cell between name, input and note, from the
// page's margin, with the exceptions the pages make.
TEST(FighterPageLayouts, RowsKeepOneCellBetweenLabelsExceptWhereListed) {
    struct Gap {
        std::string_view fighter;
        int finishing_row; // 0: the last
        int name_to_input, input_to_note;
    };
    const Gap exceptions[] = {
        { "Quenth", 0, 240, 120 },  { "Tessmar", 0, 240, 120 }, { "Corvath", 0, 240, 120 },
        { "Thulmar", 0, 0, 120 },   { "Pallira", 3, 120, 240 }, { "Duvrin", 3, 120, 0 },
        { "Tessmar", 1, 120, 120 }, { "Zavrek", 1, 120, 120 },
    };
    for (const gv::ScreenLayout& l : layouts::kFighterPageLayouts) {
        const std::string_view fighter = l.name.substr(5);
        const int margin = fighter == "Vorsk" ? 240 : 120;
        const PageRows rows = rows_of(l);
        for (const auto* section : { &rows.special, &rows.finishing })
            for (std::size_t r = 0; r < section->size(); ++r) {
                const Row& row = (*section)[r];
                SCOPED_TRACE(std::string(l.name) + " " + std::string(row.front()->caption));
                int name_gap = 120, note_gap = 120;
                if (section == &rows.finishing)
                    for (const Gap& e : exceptions)
                        if (e.fighter == fighter &&
                            int(r + 1) == (e.finishing_row ? e.finishing_row : int(section->size()))) {
                            name_gap = e.name_to_input;
                            note_gap = e.input_to_note;
                        }
                if (is_note(*row.front())) continue; // the continuation row, checked apart
                if (fighter != "Nocthar" || section == &rows.finishing || r == 0) {
                    EXPECT_EQ(row.front()->left, margin);
                }
                if (row.size() < 2) continue;
                // The bordered names count as their text: the border's 30 twips
                // come out of the gap.
                const int name_end = row[0]->left + 120 * gv::displayed_length(row[0]->caption);
                EXPECT_EQ(row[1]->left - name_end, name_gap);
                if (row.size() == 3) {
                    EXPECT_EQ(row[2]->left - (row[1]->left + row[1]->width), note_gap);
                }
            }
    }
    for (std::string_view fighter : { "Tessmar", "Zavrek" }) {
        const Row first = rows_of(page_layout(fighter)).finishing.front();
        EXPECT_TRUE(first[0]->has_border()) << fighter;
        EXPECT_EQ(first[1]->left - (first[0]->left + first[0]->width), 90)
            << "the visible gap on " << fighter;
    }
    int bordered = 0;
    for (const gv::ScreenLayout& l : layouts::kFighterPageLayouts)
        for (const ControlRecord& c : l.controls) bordered += is_row_label(c) && c.has_border();
    EXPECT_EQ(bordered, 2);
}

TEST(FighterPageLayouts, ParticularRows) {
    // Omberl's row 7 only continues row 6's note, under row 6's input.
    const auto omberl = rows_of(page_layout("Omberl")).special;
    ASSERT_EQ(omberl[6].size(), 1u);
    EXPECT_EQ(omberl[6][0]->caption, "[opponent must be in the air]");
    EXPECT_EQ(omberl[6][0]->left, omberl[5][1]->left);
    EXPECT_EQ(omberl[6][0]->top, 600 + 6 * 240);

    // Nocthar: a heading, then nineteen rows alternating between two columns.
    const auto& nocthar = page_layout("Nocthar");
    const auto block = rows_of(nocthar).special;
    ASSERT_EQ(block.size(), 20u);
    ASSERT_EQ(block[0].size(), 1u);
    EXPECT_EQ(block[0][0]->caption, "Impersonations:");
    EXPECT_EQ((std::pair { block[0][0]->left, block[0][0]->top }), (std::pair { 120, 600 }));
    const std::string_view impersonated[] = { "Omberl",  "Drasque", "Ashvane", "Ilvessa", "Pallira",
                                              "Thulmar", "Tessmar", "Zavrek",  "Vorsk",   "Roskar",
                                              "Selvo",   "Skelvin", "Pelvane", "Duvrin",  "Corvath",
                                              "Tamsel",  "Wenlo",   "Estrin",  "Quenth" };
    for (int i = 0; i < 19; ++i) {
        const Row& row = block[i + 1];
        SCOPED_TRACE(std::string(impersonated[i]));
        ASSERT_EQ(row.size(), 2u) << "a name and an input, no note";
        EXPECT_EQ(row[0]->caption, std::string(impersonated[i]) + ":");
        const bool right = i % 2 == 1;
        EXPECT_EQ(row[0]->left, right ? 5040 : 120);
        EXPECT_EQ(row[0]->top, right ? 960 + 240 * (i / 2) : 840 + 240 * (i / 2));
        EXPECT_EQ(row[1]->left, row[0]->left + row[0]->width + 120);
        if (!right) {
            EXPECT_LE(row[1]->left + row[1]->width, 5040 - 120) << "a cell clear of the right column";
        }
    }
    EXPECT_EQ(record(nocthar, "Picture2").top, 3360);

    // Brannox has no finishing moves: "No" and the word for them, one cell apart.
    const auto brannox = rows_of(page_layout("Brannox"));
    ASSERT_EQ(brannox.finishing.size(), 1u);
    ASSERT_EQ(brannox.finishing[0].size(), 2u);
    EXPECT_EQ(brannox.finishing[0][0]->caption, "No");
    EXPECT_EQ(brannox.finishing[0][1]->caption, content::kFinishingWord);
    EXPECT_EQ(brannox.finishing[0][1]->left, 120 + 240 + 120);
    EXPECT_EQ(brannox.special[0][1]->caption, "None");

    // Every other page but Nocthar opens with its weapon.
    for (const gv::ScreenLayout& l : layouts::kFighterPageLayouts)
        if (l.name != "MovesNocthar") {
            EXPECT_EQ(rows_of(l).special[0][0]->caption, "Weapon:") << l.name;
        }
}

// Loaded on the desktop: real text widths, nothing reaching past the window,
// nothing wrapping, and the first row drawn in gold and white where the rule
// puts it.
TEST(FighterPagesOnScreen, EveryRowFitsAndTheFirstRowIsDrawnWhereTheRulePutsIt) {
    Guide g;
    g.start_at_main_menu();
    int farthest = 0, lowest = 0;
    for (int page = 1; page <= kFighters; ++page) {
        const ScreenId id = page_screen(layouts::fighter_on_page(page));
        ASSERT_TRUE(g.app.show(index_of(id))) << page;
        g.app.loaded(index_of(id))->repaint();
        const gv::Screen& s = *g.app.loaded(index_of(id));
        SCOPED_TRACE(std::string(s.name()));
        for (const gv::Control& c : s.controls()) {
            if (!is_row_label(*c.record)) continue;
            EXPECT_EQ(c.lines.size(), 1u) << "one line: " << c.record->caption;
            EXPECT_EQ(c.rect.width, gv::twips_to_pixels(c.record->width)) << c.record->caption;
            EXPECT_EQ(c.rect.height, gv::twips_to_pixels(c.record->height));
            EXPECT_LE(c.record->left + c.record->width, 10215 - 120) << c.record->caption;
            EXPECT_LE(c.record->top + c.record->height, 5460 - 225);
            EXPECT_GE(c.record->top, 495) << "below the close hot-spot";
            farthest = std::max(farthest, c.record->left + c.record->width);
            lowest = std::max(lowest, c.record->top + c.record->height);
        }
        // The first row's first letters: gold name, white input.
        const gv::Bitmap& surface = s.surface();
        auto has_colour = [&](const gv::Control& c, gv::Rgb colour) {
            for (int y = c.rect.y; y < c.rect.bottom(); ++y)
                for (int x = c.rect.x; x < c.rect.right(); ++x)
                    if (surface.pixel(x, y) == colour) return true;
            return false;
        };
        const PageRows rows = rows_of(s.layout());
        const gv::Control& name = *s.find(rows.special[0][0]->name);
        EXPECT_TRUE(has_colour(name, gv::rgb(255, 192, 2))) << "gold name";
        if (rows.special[0].size() > 1) {
            EXPECT_TRUE(has_colour(*s.find(rows.special[0][1]->name), gv::rgb(255, 255, 255)))
                << "white input";
        }
        g.app.unload(index_of(id));
    }
    EXPECT_TRUE(g.errors.empty()) << g.errors.front();
    EXPECT_LE(farthest, 10215);
    EXPECT_EQ(lowest, 4905) << "Nocthar's last row";
}

// Opening pages from the grid, closing them by their close mark.
struct FighterPages : ::testing::Test {
    Guide g;
    void SetUp() override {
        g.start_at_main_menu();
        g.click_control(ScreenId::Main001, "ClickMoves");
        g.advance(1000);
        ASSERT_TRUE(g.shown(ScreenId::Moves001));
    }
    // Delivers a click to the grid's window even when a page covers it.
    void open(std::string_view fighter) {
        for (const auto& f : layouts::kRoster)
            if (f.name == fighter) {
                const auto& names = layouts::names_of(f);
                const gv::ScreenIndex grid = index_of(ScreenId::Moves001);
                for (std::string_view tile : { names.portrait_tile.view(), names.highlight_tile.view() }) {
                    const gv::Rect r = g.control(ScreenId::Moves001, tile).visible_rect;
                    const gv::Point p { r.x + r.width / 2, r.y + r.height / 2 };
                    g.app.window_mouse_move(grid, p);
                    g.app.window_mouse_button(grid, p, gv::MouseButton::Primary, true);
                    g.app.window_mouse_button(grid, p, gv::MouseButton::Primary, false);
                }
                return;
            }
        FAIL() << "no fighter " << fighter;
    }
    static ScreenId page(std::string_view fighter) {
        for (const auto& f : layouts::kRoster)
            if (f.name == fighter) return page_screen(f);
        throw std::runtime_error("no fighter");
    }
};

TEST_F(FighterPages, CloseMarkClosesOnlyItsOwnPage) {
    for (std::string_view f : { "Vorsk", "Nocthar", "Brannox" }) open(f);
    for (std::string_view f : { "Vorsk", "Nocthar", "Brannox" }) ASSERT_TRUE(g.shown(page(f))) << f;
    const gv::Rect frame = g.window(page("Nocthar"))->frame;
    EXPECT_EQ(frame, (gv::Rect { 171, 202, 681, 364 })) << "centred";
    // The three pages lie on one another, Brannox on top: close Brannox, then
    // Nocthar shows and its close mark takes the next click.
    for (gv::Point miss : { gv::Point { 647, 5 }, { 660, 33 }, { 20, 20 }, { 200, 50 } }) {
        g.click(frame.x + miss.x, frame.y + miss.y);
        EXPECT_TRUE(g.shown(page("Brannox"))) << "a click at " << miss << " does nothing";
    }
    g.click(frame.x + 648, frame.y + 32);
    EXPECT_FALSE(g.loaded(page("Brannox")));
    EXPECT_TRUE(g.shown(page("Nocthar")));
    EXPECT_TRUE(g.shown(page("Vorsk")));
    EXPECT_TRUE(g.shown(ScreenId::Moves001));
    g.click(frame.x + 680, frame.y);
    EXPECT_FALSE(g.loaded(page("Nocthar")));
    EXPECT_TRUE(g.shown(page("Vorsk")));
    EXPECT_TRUE(g.errors.empty());
}

TEST_F(FighterPages, ReopeningGivesAFreshCentredCopyEvenWhenMinimised) {
    open("Wenlo");
    const ScreenId wenlo = page("Wenlo");
    ASSERT_TRUE(g.app.minimize(index_of(wenlo)));
    ASSERT_EQ(g.state(wenlo), gv::WindowState::Minimized);
    // A change to the open copy (no handler makes one; the test does) must
    // not survive the reopening.
    gv::Screen* before = g.app.loaded(index_of(wenlo));
    before->set_control_visible(gv::control_index(before->layout().controls, "Label1"), false);
    open("Wenlo");
    ASSERT_TRUE(g.shown(wenlo));
    EXPECT_TRUE(g.control(wenlo, "Label1").visible) << "built again from the layout";
    EXPECT_EQ(g.state(wenlo), gv::WindowState::Normal);
    EXPECT_EQ(g.window(wenlo)->frame, (gv::Rect { 171, 202, 681, 364 }));
    EXPECT_EQ(g.desktop.windows().back().tag, index_of(wenlo)) << "in front";
}

TEST_F(FighterPages, BorderedNameReachesOnePixelIntoTheRowBelow) {
    open("Tessmar");
    const gv::Screen& s = *g.app.loaded(index_of(page("Tessmar")));
    const auto rows = rows_of(s.layout());
    const gv::Control& name = *s.find(rows.finishing[0][0]->name);
    EXPECT_EQ(name.rect.height, 17);
    EXPECT_EQ(name.rect.bottom() - 1, gv::twips_to_pixels(rows.finishing[1][0]->top))
        << "its bottom edge lies on the next row's first line";
    const gv::Rect frame = g.window(page("Tessmar"))->frame;
    g.click(frame.x + name.rect.x + 2, frame.y + name.rect.bottom() - 1);
    EXPECT_TRUE(g.shown(page("Tessmar"))) << "a click on a row does nothing";
}

} // namespace
} // namespace grimveil::testing
