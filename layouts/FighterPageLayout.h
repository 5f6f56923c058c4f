#pragma once

#include "content/FighterMoves.h"
#include "layouts/Fonts.h"
#include "layouts/Name.h"
#include "layouts/PanelLayout.h"
#include "layouts/Roster.h"

#include "framework/CaptionLayout.h"
#include "framework/Layout.h"

#include <algorithm>
#include <array>
#include <span>

namespace grimveil::layouts {

// The fighter pages are laid out by one rule from their move rows: every row
// a gold name, a white input one cell after it and a gold note one cell after
// that, in Fixedsys cells of 120 x 225 twips, one row every 240 twips. What
// departs from the rule is listed below as data.

namespace fighter_page {

inline constexpr int kCell = 120;
inline constexpr int kLineHeight = 225;
inline constexpr int kPitch = 240;
inline constexpr int kFirstRowTop = 600;        // under the special-moves title
inline constexpr int kFinishingTitleGap = 360;  // from the last special row to the second title
inline constexpr int kFinishingRowsBelow = 600; // from the second title to the first finishing row
inline constexpr int kBorder = 30;              // a single-line border adds a pixel on each side

inline constexpr gv::OleColor kGold { 0x0002C0FF };
inline constexpr gv::OleColor kWhite { 0x00FFFFFF };
inline constexpr gv::OleColor kStoredLabelBack { 0x80000005 };

enum class Section { Special, Finishing };
enum class Gap { NameToInput, InputToNote };
inline constexpr int kLastRow = 0;

// Rows whose gap is not the usual one cell.
struct SpacingException {
    std::string_view fighter;
    Section section;
    int row; // from 1, or kLastRow
    Gap gap;
    int cells;
};
inline constexpr SpacingException kSpacingExceptions[] = {
    { "Quenth", Section::Finishing, kLastRow, Gap::NameToInput, 2 },
    { "Tessmar", Section::Finishing, kLastRow, Gap::NameToInput, 2 },
    { "Corvath", Section::Finishing, kLastRow, Gap::NameToInput, 2 },
    { "Thulmar", Section::Finishing, kLastRow, Gap::NameToInput, 0 },
    { "Pallira", Section::Finishing, 3, Gap::InputToNote, 2 },
    { "Duvrin", Section::Finishing, 3, Gap::InputToNote, 0 },
};

// Names drawn in a single-line border. Their input stays where the rule puts
// it for an unbordered name, so the gap after the border is 90 twips.
struct BorderedName {
    std::string_view fighter;
    Section section;
    int row;
};
inline constexpr BorderedName kBorderedNames[] = {
    { "Tessmar", Section::Finishing, 1 },
    { "Zavrek", Section::Finishing, 1 },
};

// What else a page does differently.
struct Particulars {
    std::string_view fighter;
    int margin { kCell };
    int finishing_title_gap { kFinishingTitleGap };
    bool special_title_first { false }; // Picture1 before Picture2 in layout order
    int leading_label { 0 };            // a label that comes first among the labels
    bool impersonation_block { false }; // a heading, then rows alternating between two columns
    std::string_view frame {};          // the frame picture, where the page stores its own copy
};
inline constexpr Particulars kParticulars[] = {
    { .fighter = "Vorsk", .margin = 240 },
    { .fighter = "Brannox", .finishing_title_gap = 480 },
    { .fighter = "Tessmar", .finishing_title_gap = 480 },
    { .fighter = "Ashvane", .finishing_title_gap = 480, .special_title_first = true },
    { .fighter = "Pelvane", .leading_label = 9 },
    { .fighter = "Nocthar", .impersonation_block = true },
    { .fighter = "Duvrin", .frame = "MovesDuvrin_Background" },
};

// The impersonation block: a left and a right column, the right one half a
// pitch lower, so the rows alternate from top to bottom.
inline constexpr int kBlockLeftMargin = 120;
inline constexpr int kBlockRightMargin = 5040;
inline constexpr int kBlockLeftTop = 840;
inline constexpr int kBlockRightTop = 960;

constexpr Particulars particulars_of(std::string_view fighter) {
    for (const Particulars& p : kParticulars)
        if (p.fighter == fighter) return p;
    return { .fighter = fighter };
}

constexpr int gap_cells(std::string_view fighter, Section section, int row, int rows, Gap gap) {
    for (const SpacingException& e : kSpacingExceptions)
        if (e.fighter == fighter && e.section == section && e.gap == gap &&
            (e.row == row || (e.row == kLastRow && row == rows)))
            return e.cells;
    return 1;
}

constexpr bool bordered(std::string_view fighter, Section section, int row) {
    for (const BorderedName& b : kBorderedNames)
        if (b.fighter == fighter && b.section == section && b.row == row) return true;
    return false;
}

inline constexpr int kMaxLabels = 64;
inline constexpr int kMaxControls = kMaxLabels + 3;

// Label names, shared by every page.
inline constexpr auto kLabelNames = [] {
    std::array<Name, kMaxLabels> out {};
    for (int n = 1; n <= kMaxLabels; ++n) out[n - 1] = Name { "Label", Decimal(n) };
    return out;
}();

enum class LabelKind { Name, Input, Note };

constexpr gv::ControlRecord row_label(LabelKind kind, int number, int left, int top, std::string_view caption,
                                      bool with_border) {
    const bool gold = kind != LabelKind::Input;
    const int border = with_border ? kBorder : 0;
    return { .kind = gv::ControlKind::Label,
             .name = kLabelNames[number - 1],
             .left = left,
             .top = top,
             .width = kCell * gv::displayed_length(caption) + border,
             .height = kLineHeight + border,
             .caption = caption,
             .font = kFixedsys9,
             .fore_color = gold ? kGold : kWhite,
             .back_color = gold ? kStoredLabelBack : gv::kDefaultBackColor,
             .border = with_border ? gv::Border::Single : gv::Border::None,
             .back_style = gv::BackStyle::Transparent,
             .auto_size = gv::AutoSize::On };
}

// One page's controls, in layout order.
struct PageControls {
    std::array<gv::ControlRecord, kMaxControls> controls {};
    int count { 0 };
    int finishing_title_top { 0 };
    constexpr std::span<const gv::ControlRecord> view() const {
        return { controls.data(), std::size_t(count) };
    }
};

constexpr PageControls lay_out(const content::MoveList& moves) {
    const Particulars p = particulars_of(moves.fighter);
    std::array<gv::ControlRecord, kMaxLabels> labels {}; // by number, from Label1
    int n = 0;
    auto add = [&](LabelKind kind, int left, int top, std::string_view caption, bool with_border = false) {
        if (n == kMaxLabels) throw "too many rows for one page";
        labels[n] = row_label(kind, n + 1, left, top, caption, with_border);
        ++n;
        return left + kCell * gv::displayed_length(caption);
    };

    // Places one row from its margin; returns its input's Left, where a
    // continuation note below it starts.
    auto place_row = [&](const content::MoveRow& row, Section section, int number, int rows, int margin,
                         int top, int previous_input_left) {
        if (row.name.empty()) {
            if (!row.input.empty()) throw "a row without a name continues the note above";
            add(LabelKind::Note, previous_input_left, top, row.note);
            return previous_input_left;
        }
        int end = add(LabelKind::Name, margin, top, row.name, bordered(moves.fighter, section, number));
        if (row.input.empty()) {
            if (!row.note.empty()) throw "a heading has no note";
            return margin;
        }
        const int input_left =
            end + kCell * gap_cells(moves.fighter, section, number, rows, Gap::NameToInput);
        end = add(LabelKind::Input, input_left, top, row.input);
        if (!row.note.empty())
            add(LabelKind::Note,
                end + kCell * gap_cells(moves.fighter, section, number, rows, Gap::InputToNote), top,
                row.note);
        return input_left;
    };

    const int specials = int(moves.special.size()), finishing = int(moves.finishing.size());
    if (specials == 0) throw "a page lists special moves";
    int last_special_top = kFirstRowTop, input_left = p.margin;
    for (int i = 0; i < specials; ++i) {
        int margin = p.margin, top = kFirstRowTop + kPitch * i;
        if (p.impersonation_block && i > 0) {
            const int k = (i - 1) / 2;
            const bool right = (i - 1) % 2 == 1;
            margin = right ? kBlockRightMargin : kBlockLeftMargin;
            top = (right ? kBlockRightTop : kBlockLeftTop) + kPitch * k;
        }
        input_left = place_row(moves.special[i], Section::Special, i + 1, specials, margin, top, input_left);
        last_special_top = std::max(last_special_top, top);
    }
    const int title_top = last_special_top + p.finishing_title_gap;
    for (int i = 0; i < finishing; ++i)
        input_left = place_row(moves.finishing[i], Section::Finishing, i + 1, finishing, p.margin,
                               title_top + kFinishingRowsBelow + kPitch * i, input_left);

    PageControls out;
    out.finishing_title_top = title_top;
    auto emit = [&out](const gv::ControlRecord& r) { out.controls[out.count++] = r; };
    const gv::ControlRecord special_title = kPanel.title("MovesVorsk_Picture1", 3315, 525);
    gv::ControlRecord finishing_title = special_title;
    finishing_title.name = "Picture2";
    finishing_title.top = title_top;
    finishing_title.width = 2400;
    finishing_title.height = 570;
    finishing_title.picture = "MovesVorsk_Picture2";
    if (p.special_title_first) {
        emit(special_title);
        emit(finishing_title);
    } else {
        emit(finishing_title);
        emit(special_title);
    }
    emit(kPanel.close());
    if (p.leading_label) {
        if (p.leading_label > n) throw "the leading label is not on the page";
        emit(labels[p.leading_label - 1]);
    }
    for (int number = n; number >= 1; --number)
        if (number != p.leading_label) emit(labels[number - 1]);
    return out;
}

} // namespace fighter_page

// The 23 pages' controls and screens, in page order.
inline constexpr auto kFighterPageControls = [] {
    std::array<fighter_page::PageControls, kFighters> out {};
    for (int page = 1; page <= kFighters; ++page) {
        const content::MoveList& moves = content::kMoveLists[page - 1];
        if (moves.fighter != fighter_on_page(page).name) throw "move lists are in page order";
        out[page - 1] = fighter_page::lay_out(moves);
    }
    return out;
}();

inline constexpr auto kFighterPageLayouts = [] {
    std::array<gv::ScreenLayout, kFighters> out {};
    for (int page = 1; page <= kFighters; ++page) {
        const Fighter& f = fighter_on_page(page);
        out[page - 1] = kPanel.screen({ .name = names_of(f).page_screen,
                                        .caption = names_of(f).page_caption,
                                        .controls = kFighterPageControls[page - 1].view(),
                                        .frame = fighter_page::particulars_of(f.name).frame });
    }
    return out;
}();

} // namespace grimveil::layouts
