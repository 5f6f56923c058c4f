#include "tools/movesdoc/MovesDocument.h"

#include "content/FighterMoves.h"
#include "content/Notation.h"
#include "content/Secrets.h"
#include "layouts/Roster.h"
#include "layouts/SecretsLayout.h"

#include "framework/CaptionLayout.h"
#include "framework/CodePage1252.h"
#include "framework/Verify.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <initializer_list>

namespace grimveil::movesdoc {

// Sections: text; move tables; the document; the file.

// --- Text

std::string shown_text(std::string_view caption) {
    std::string shown;
    gv::for_each_displayed(caption, [&shown](char c, bool) { shown.push_back(c); });
    return gv::cp1252_to_utf8(shown);
}

namespace {

bool is_ascii_alnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// "&name;" or "&#123;" from `at`: what Markdown would read as one character.
bool starts_reference(std::string_view text, std::size_t at) {
    std::size_t i = at + 1;
    if (i < text.size() && text[i] == '#') ++i;
    const std::size_t first = i;
    while (i < text.size() && is_ascii_alnum(text[i])) ++i;
    return i > first && i < text.size() && text[i] == ';';
}

// Text joined from parts: one buffer, no temporaries in between.
std::string cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts) out += part;
    return out;
}

} // namespace

std::string markdown_text(std::string_view caption) {
    const std::string shown = shown_text(caption);
    std::string out;
    out.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const char c = shown[i];
        switch (c) {
        case '\n':
        case '\r':
            // A line break would end the table row or the paragraph.
            out.push_back(' ');
            continue;
        case '|': // ends a table cell
        case '\\':
        case '*':
        case '_':
        case '`':
        case '~':
        case '<': // would open an HTML tag
            out.push_back('\\');
            break;
        case '&': // only where it would start a character reference
            if (starts_reference(shown, i)) out.push_back('\\');
            break;
        default:
            break;
        }
        out.push_back(c);
    }
    return out;
}

std::string anchor_of(std::string_view heading) {
    std::string out;
    for (char c : heading) {
        if (c >= 'A' && c <= 'Z')
            out.push_back(char(c - 'A' + 'a'));
        else if (is_ascii_alnum(c) || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80)
            out.push_back(c);
        else if (c == ' ')
            out.push_back('-');
        // Other punctuation is dropped.
    }
    return out;
}

// --- Move tables

namespace {

struct TableRow {
    std::string name;
    std::string input;
    std::string note;
};

std::string_view without_colon(std::string_view name) {
    if (!name.empty() && name.back() == ':') name.remove_suffix(1);
    return name;
}

// The page's rows as table rows: a continuation note joins the row it
// qualifies, a heading row (a name alone) is set in bold, a sub-move keeps its
// leading dash.
std::vector<TableRow> table_rows(std::span<const content::MoveRow> rows) {
    std::vector<TableRow> out;
    for (const content::MoveRow& row : rows) {
        if (row.name.empty() && row.input.empty() && !out.empty()) {
            std::string& note = out.back().note;
            if (!note.empty()) note += ' ';
            note += markdown_text(row.note);
            continue;
        }
        std::string_view name = without_colon(row.name);
        std::string shown_name;
        if (!name.empty() && name.front() == '-') {
            name.remove_prefix(1);
            shown_name = cat({ "- ", markdown_text(name) });
        } else if (row.input.empty() && !name.empty()) {
            shown_name = cat({ "**", markdown_text(name), "**" });
        } else {
            shown_name = markdown_text(name);
        }
        out.push_back({ shown_name, markdown_text(row.input), markdown_text(row.note) });
    }
    return out;
}

// " text |", or " |" for an empty cell.
std::string cell(std::string_view text) {
    return text.empty() ? std::string(" |") : cat({ " ", text, " |" });
}

std::string table_row(std::initializer_list<std::string_view> cells) {
    std::string out = "|";
    for (std::string_view text : cells) out += cell(text);
    out += '\n';
    return out;
}

// A table of name, input and note; the note column only where a row has one.
std::string move_table(std::span<const content::MoveRow> rows) {
    const std::vector<TableRow> table = table_rows(rows);
    bool notes = false;
    for (const TableRow& r : table) notes = notes || !r.note.empty();
    std::string out = notes ? "| Move | Input | Note |\n|---|---|---|\n" : "| Move | Input |\n|---|---|\n";
    for (const TableRow& r : table)
        out += notes ? table_row({ r.name, r.input, r.note }) : table_row({ r.name, r.input });
    return out;
}

// The page of a fighter without finishing moves says so in one row: "No"
// beside the game's word for them.
bool lists_no_finishing(const content::MoveList& moves) {
    return moves.finishing.empty() || (moves.finishing.size() == 1 && moves.finishing[0].name == "No" &&
                                       moves.finishing[0].input == content::kFinishingWord);
}

std::string finishing_word_lower() {
    std::string word = shown_text(content::kFinishingWord);
    if (!word.empty() && word[0] >= 'A' && word[0] <= 'Z') word[0] = char(word[0] - 'A' + 'a');
    return word;
}

} // namespace

std::vector<content::MoveList> move_lists_in_page_order() {
    std::vector<content::MoveList> out;
    for (int page = 1; page <= layouts::kFighters; ++page) {
        const std::string_view fighter = layouts::fighter_on_page(page).name;
        const content::MoveList* found = nullptr;
        for (const content::MoveList& m : content::kMoveLists)
            if (m.fighter == fighter) found = &m;
        VERIFY(found != nullptr);
        out.push_back(*found);
    }
    return out;
}

std::string fighter_section(const content::MoveList& moves) {
    const std::string fighter = markdown_text(moves.fighter);
    return cat({ "## ", fighter, "\n\n### Special moves\n\n", move_table(moves.special), "\n### ",
                 markdown_text(content::kFinishingWord), "\n\n",
                 lists_no_finishing(moves) ? cat({ fighter, " has no ", finishing_word_lower(), ".\n" })
                                           : move_table(moves.finishing) });
}

// --- The document

namespace {

constexpr std::string_view kSecretsHeading = "Secrets and codes";

// "a, b and c"
std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}

// The page's own title, from its window caption "[ ... ] - [ title ] - [ version ... ]".
std::string_view page_title(std::string_view caption) {
    const gv::CaptionPattern& pattern = layouts::kSecretsPanel.caption;
    VERIFY(caption.starts_with(pattern.before_name));
    caption.remove_prefix(pattern.before_name.size());
    const std::size_t end = caption.find(pattern.before_version);
    VERIFY(end != std::string_view::npos);
    return caption.substr(0, end);
}

std::string reading_the_inputs() {
    namespace nt = content::notation;
    std::vector<std::string> abbreviations, buttons;
    for (int i = 0; i < nt::kTokens; ++i)
        if (!nt::kAbbreviation[i].empty()) {
            abbreviations.push_back(markdown_text(nt::kAbbreviation[i]));
            buttons.push_back(markdown_text(nt::kTokenText[i]));
        }
    std::vector<std::string> stages;
    for (std::string_view name : content::kStageFinishing)
        stages.push_back(markdown_text(without_colon(name)));
    const std::string word = finishing_word_lower();
    return cat({ "## Reading the inputs\n\n"
                 "Steps are separated by commas; buttons joined by \"+\" are pressed together, and \"/\" "
                 "offers either of two buttons. Toward and Back point toward and away from the opponent. A "
                 "held button stays down through the steps after it until it is released. ",
                 joined(abbreviations), " stand for ", joined(buttons), ".\n\n", joined(stages),
                 ", the last two ", word, " of every fighter who has ", word, ", are the stage ", word,
                 ": each is done on the stage of its name, which a [stage code](#",
                 anchor_of(page_title(layouts::kSecrets003Caption)), ") chooses.\n" });
}

std::string code_table(std::span<const std::string_view> rows) {
    std::string out = "| Code | Effect |\n|---|---|\n";
    for (std::string_view row : rows) {
        const std::size_t colon = row.find(": ");
        const std::string_view code =
            colon == std::string_view::npos ? std::string_view {} : row.substr(0, colon);
        const std::string_view effect = colon == std::string_view::npos ? row : row.substr(colon + 2);
        out += table_row({ markdown_text(code), markdown_text(effect) });
    }
    return out;
}

std::string secrets_and_codes() {
    std::string out = cat({ "## ", kSecretsHeading, "\n\n### ",
                            markdown_text(page_title(layouts::kSecrets001Caption)), "\n\n" });
    for (std::size_t i = 0; i < content::kSecretParagraphs.size(); ++i)
        out += cat({ "**", markdown_text(content::kSecretHeadings[i]), ".** ",
                     markdown_text(content::kSecretParagraphs[i]), "\n\n" });
    out += cat({ "### ", markdown_text(page_title(layouts::kSecrets002Caption)), "\n\n",
                 code_table(content::kMiscCodes), "\n### ",
                 markdown_text(page_title(layouts::kSecrets003Caption)), "\n\n",
                 code_table(content::kStageCodes) });
    return out;
}

} // namespace

std::string moves_document(std::span<const content::MoveList> pages) {
    std::string out = cat({ "<!-- Written by tools/movesdoc from the guide's content: run `make docs` after "
                            "changing it. -->\n\n# Interactive Grimveil: the move lists\n\n"
                            "Every fighter's special moves and ",
                            finishing_word_lower(),
                            " (the game's finishing moves) as the guide's fighter pages list them, in the "
                            "order of the pages, then the game's secrets and codes.\n\n## Contents\n\n" });
    for (const content::MoveList& moves : pages)
        out +=
            cat({ "- [", markdown_text(moves.fighter), "](#", anchor_of(shown_text(moves.fighter)), ")\n" });
    out += cat({ "- [", kSecretsHeading, "](#", anchor_of(kSecretsHeading), ")\n\n", reading_the_inputs() });
    for (const content::MoveList& moves : pages) out += cat({ "\n", fighter_section(moves) });
    out += cat({ "\n", secrets_and_codes() });
    return out;
}

// --- The file

gv::Status write_file(const std::string& path, std::string_view text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return gv::Status::failure("cannot open " + path + ": " + std::strerror(errno));
    file.write(text.data(), std::streamsize(text.size()));
    file.close();
    if (!file) return gv::Status::failure("could not write " + path);
    return gv::Status::ok();
}

} // namespace grimveil::movesdoc
