// The move lists document: captions turned into Markdown text, heading
// anchors, one fighter's section from a small page, the whole document from
// the guide's content, and writing the file.
//
// Sections: helpers; text; a section; the document; the file.
#include "tools/movesdoc/MovesDocument.h"

#include "content/FighterMoves.h"
#include "content/Secrets.h"
#include "layouts/Roster.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace grimveil::movesdoc {
namespace {

// --- Helpers

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Cell separators: bars not escaped by a backslash.
int unescaped_bars(std::string_view line) {
    int n = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
            continue;
        }
        if (line[i] == '|') ++n;
    }
    return n;
}

bool valid_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += extra + 1;
    }
    return true;
}

// The text between a fighter's heading and the next section's.
std::string section_of(const std::string& document, std::string_view fighter) {
    const std::string heading = "\n## " + std::string(fighter) + "\n";
    const std::size_t start = document.find(heading);
    if (start == std::string::npos) return {};
    const std::size_t end = document.find("\n## ", start + heading.size());
    return document.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

// Table rows below the header and the delimiter row.
int body_rows(std::string_view text) {
    int n = 0;
    for (const std::string& line : lines_of(std::string(text)))
        if (line.starts_with("| ") && !line.starts_with("| Move |") && !line.starts_with("| Code |")) ++n;
    return n;
}

// --- Text

struct TextCase {
    std::string_view caption;
    std::string_view expected;
    std::string_view why;
};

TEST(MovesDocumentText, CaptionsBecomeMarkdownText) {
    const TextCase cases[] = {
        { "Kneel && Rise:", "Kneel & Rise:", "a doubled ampersand shows as one" },
        { "Smoke && Mirrors && Ash", "Smoke & Mirrors & Ash", "every doubled ampersand" },
        { "&Exit", "Exit", "a single ampersand marks a mnemonic and shows nothing" },
        { "Low Punch|High Punch", "Low Punch\\|High Punch", "a bar would end the table cell" },
        { "back\\slash", "back\\\\slash", "a backslash would escape what follows it" },
        { "Caf\xE9", "Caf\xC3\xA9", "Latin-1 from code page 1252 becomes UTF-8" },
        { "\x93"
          "Beware\x94",
          "\xE2\x80\x9C"
          "Beware\xE2\x80\x9D",
          "typographic quotes from 0x80 to 0x9F" },
        { "\x86\xAB\xA7\xB0", "\xE2\x80\xA0\xC2\xAB\xC2\xA7\xC2\xB0", "the credits' ornaments" },
        { "one\ntwo\rthree", "one two three", "a line break would end the row" },
        { "2*3_4`5~6<b>", "2\\*3\\_4\\`5\\~6\\<b>", "emphasis, code spans, strike-through and tags" },
        { "R&&D &&amp; &&#38;", "R&D \\&amp; \\&#38;", "an ampersand that would start a reference" },
        { "Headsman's Due: [close]", "Headsman's Due: [close]", "ordinary text stays as it is" },
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(markdown_text(c.caption), c.expected) << c.why << ", from \"" << c.caption << "\"";
}

TEST(MovesDocumentText, AnchorsFollowTheRenderersRule) {
    const TextCase cases[] = {
        { "Vorsk", "vorsk", "lower case" },
        { "Secrets and codes", "secrets-and-codes", "spaces become hyphens" },
        { "Misc. Skirmal Kodes", "misc-skirmal-kodes", "punctuation is dropped" },
        { "Kneel & Rise", "kneel--rise", "each space stays a hyphen" },
        { "Headsman's Due", "headsmans-due", "apostrophes are dropped" },
        { "Orbit-Kick_2", "orbit-kick_2", "hyphens, underscores and digits stay" },
    };
    for (const TextCase& c : cases) EXPECT_EQ(anchor_of(c.caption), c.expected) << c.why;
}

// --- A section

constexpr content::MoveRow kFixtureSpecial[] = {
    { "Weapon:", "Back, Toward, High Punch" },
    { "Hook && Line:", "Low Punch/High Punch", "[close|far]" },
    { "", "", "[opponent must be in the air]" },
    { "Willow Stance:", "Down, Toward, Block" },
    { "-Branch Lash:", "High Punch" },
    { "", "", "[must be done in the air]" },
    { "Impersonations:" },
    { "Vorsk:", "Toward, Toward, Back, High Punch" },
};
constexpr content::MoveRow kFixtureFinishing[] = {
    { "Epitaph:", "Toward, Back, Down, Low Kick" },
    { content::kStageFinishing[0], "Down, Toward, Low Punch" },
};

TEST(MovesDocumentSection, RowsOfEveryKindBecomeTableRows) {
    const content::MoveList page { "Fixture", kFixtureSpecial, kFixtureFinishing };
    EXPECT_EQ(fighter_section(page), "## Fixture\n"
                                     "\n"
                                     "### Special moves\n"
                                     "\n"
                                     "| Move | Input | Note |\n"
                                     "|---|---|---|\n"
                                     "| Weapon | Back, Toward, High Punch | |\n"
                                     "| Hook & Line | Low Punch/High Punch | [close\\|far] "
                                     "[opponent must be in the air] |\n"
                                     "| Willow Stance | Down, Toward, Block | |\n"
                                     "| - Branch Lash | High Punch | [must be done in the air] |\n"
                                     "| **Impersonations** | | |\n"
                                     "| Vorsk | Toward, Toward, Back, High Punch | |\n"
                                     "\n"
                                     "### Reapings\n"
                                     "\n"
                                     "| Move | Input |\n"
                                     "|---|---|\n"
                                     "| Epitaph | Toward, Back, Down, Low Kick |\n"
                                     "| Ossuary Pit | Down, Toward, Low Punch |\n")
        << "continuation notes join the row above; headings are bold; a table without notes has no "
           "note column";
}

TEST(MovesDocumentSection, APageWithoutFinishingMovesSaysSo) {
    constexpr content::MoveRow none[] = { { "No", content::kFinishingWord } };
    const content::MoveList page { "Fixture", kFixtureSpecial, none };
    const std::string section = fighter_section(page);
    EXPECT_TRUE(section.ends_with("### Reapings\n\nFixture has no reapings.\n")) << section;
    EXPECT_EQ(section.find("| No |"), std::string::npos) << "the \"No\" row is not a move";
}

// --- The document

class MovesDocumentWhole : public ::testing::Test {
protected:
    const std::vector<content::MoveList> pages = move_lists_in_page_order();
    const std::string document = moves_document(pages);
};

TEST_F(MovesDocumentWhole, EveryFighterHasASectionInPageOrder) {
    ASSERT_EQ(int(pages.size()), layouts::kFighters);
    std::size_t previous = 0;
    for (int page = 1; page <= layouts::kFighters; ++page) {
        const std::string_view fighter = layouts::fighter_on_page(page).name;
        EXPECT_EQ(pages[page - 1].fighter, fighter) << "page " << page;
        const std::string heading = "\n## " + std::string(fighter) + "\n";
        const std::size_t at = document.find(heading);
        ASSERT_NE(at, std::string::npos) << fighter << " has no section";
        EXPECT_EQ(document.find(heading, at + 1), std::string::npos) << fighter << " has two sections";
        EXPECT_GT(at, previous) << fighter << " (page " << page << ") is out of page order";
        previous = at;
    }
    EXPECT_GT(document.find("\n## Secrets and codes\n"), previous) << "the secrets come after the fighters";
}

TEST_F(MovesDocumentWhole, EveryMoveOfEveryPageHasARow) {
    for (const content::MoveList& m : pages) {
        const std::string section = section_of(document, m.fighter);
        const std::size_t split = section.find("### Reapings");
        ASSERT_NE(split, std::string::npos) << m.fighter;
        int special = 0, finishing = 0;
        for (const content::MoveRow& r : m.special) special += !r.name.empty();
        for (const content::MoveRow& r : m.finishing) finishing += !r.name.empty();
        if (m.finishing.size() == 1 && m.finishing[0].name == "No") finishing = 0; // a row that says none
        EXPECT_EQ(body_rows(std::string_view(section).substr(0, split)), special) << m.fighter;
        EXPECT_EQ(body_rows(std::string_view(section).substr(split)), finishing) << m.fighter;
    }
    EXPECT_NE(section_of(document, "Brannox").find("Brannox has no reapings."), std::string::npos);
}

TEST_F(MovesDocumentWhole, TablesKeepTheirColumnsAndTextIsShownText) {
    EXPECT_EQ(document.find("&&"), std::string::npos) << "a doubled ampersand left in the document";
    EXPECT_NE(document.find("| Kneel & Rise | Down, Up |"), std::string::npos);
    EXPECT_NE(document.find("| Smoke & Mirrors |"), std::string::npos);
    EXPECT_TRUE(valid_utf8(document)) << "the document is UTF-8 throughout";
    int expected_bars = 0, rows = 0;
    for (const std::string& line : lines_of(document)) {
        if (!line.starts_with("|")) {
            expected_bars = 0;
            continue;
        }
        if (expected_bars == 0) expected_bars = unescaped_bars(line); // the header row
        EXPECT_EQ(unescaped_bars(line), expected_bars) << "a row with the wrong cells: " << line;
        ++rows;
    }
    EXPECT_GT(rows, 200) << "the tables were found";
}

TEST_F(MovesDocumentWhole, EveryLinkLeadsToAHeading) {
    // Anchors as a renderer numbers repeated headings: "reapings", "reapings-1", ...
    std::set<std::string> anchors;
    std::map<std::string, int> seen;
    for (const std::string& line : lines_of(document)) {
        if (!line.starts_with("#")) continue;
        const std::string base = anchor_of(line.substr(line.find(' ') + 1));
        const int n = seen[base]++;
        anchors.insert(n == 0 ? base : base + "-" + std::to_string(n));
    }
    int links = 0;
    for (std::size_t at = document.find("](#"); at != std::string::npos; at = document.find("](#", at + 1)) {
        const std::size_t end = document.find(')', at);
        const std::string target = document.substr(at + 3, end - at - 3);
        EXPECT_TRUE(anchors.contains(target)) << "a link to #" << target << " leads nowhere";
        ++links;
    }
    EXPECT_EQ(links, layouts::kFighters + 2) << "a contents entry for every fighter and the secrets, and "
                                                "the stage codes from the reading notes";
    for (const content::MoveList& m : pages)
        EXPECT_NE(document.find("- [" + std::string(m.fighter) + "](#" + anchor_of(m.fighter) + ")"),
                  std::string::npos)
            << m.fighter << " is missing from the contents";
}

TEST_F(MovesDocumentWhole, SecretsAndEveryCodeFollow) {
    const std::string secrets = document.substr(document.find("\n## Secrets and codes\n"));
    for (std::size_t i = 0; i < content::kSecretParagraphs.size(); ++i)
        EXPECT_NE(secrets.find("**" + std::string(content::kSecretHeadings[i]) + ".** " +
                               markdown_text(content::kSecretParagraphs[i]) + "\n"),
                  std::string::npos)
            << "secret " << i + 1;
    std::vector<std::string_view> codes(content::kMiscCodes.begin(), content::kMiscCodes.end());
    codes.insert(codes.end(), content::kStageCodes.begin(), content::kStageCodes.end());
    for (std::string_view row : codes) {
        const std::size_t colon = row.find(": ");
        ASSERT_NE(colon, std::string_view::npos) << row;
        EXPECT_NE(secrets.find("| " + std::string(row.substr(0, colon)) + " | " +
                               markdown_text(row.substr(colon + 2)) + " |\n"),
                  std::string::npos)
            << row;
    }
    EXPECT_LT(secrets.find("### Misc. Skirmal Kodes"), secrets.find("### Stage Skirmal Kodes"));
}

// --- The file

TEST(MovesDocumentFile, WritesTheTextAndReportsWhatItCannotWrite) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("grimveil-moves-doc-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "moves.md").string();
    const std::string text = "line one\nline \xC3\xA9\n";
    ASSERT_TRUE(write_file(path, text).is_ok());
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
    std::filesystem::remove_all(dir);

    const gv::Status missing = write_file((dir / "no-such-folder" / "moves.md").string(), text);
    EXPECT_FALSE(missing.is_ok()) << "a folder that is not there";
    EXPECT_NE(missing.error().find("no-such-folder"), std::string::npos) << missing.error();
    if (std::filesystem::exists("/dev/full")) {
        // It opens, but nothing written to it fits.
        EXPECT_FALSE(write_file("/dev/full", text).is_ok()) << "a full disk";
    }
}

} // namespace
} // namespace grimveil::movesdoc
