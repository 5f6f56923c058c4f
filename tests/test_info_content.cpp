// The secrets, contact, links and credits texts: their row formats, the
// addresses they may name, and their fit in the boxes the pages give them,
// measured in the faces the guide carries.
//
// Sections: helpers; formats; addresses; fits; glyphs.
#include "content/InfoPages.h"
#include "content/Secrets.h"
#include "layouts/Fonts.h"
#include "layouts/Roster.h"
#include "screens/Guide.h"

#include "framework/CaptionLayout.h"
#include "framework/Twips.h"
#include "framework/platform/FreeTypeFonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace grimveil::content {
namespace {

// --- Helpers

std::string str(std::string_view s) {
    return std::string(s);
}

std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find(' ', i);
        if (end == std::string_view::npos) end = text.size();
        if (end > i) out.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    return out;
}

bool on_roster(std::string_view name) {
    return std::any_of(layouts::kRoster.begin(), layouts::kRoster.end(),
                       [&](const layouts::Fighter& f) { return f.name == name; });
}

// Every caption of these pages, for the checks that hold for all of them.
std::vector<std::string_view> all_captions() {
    std::vector<std::string_view> out(kSecretParagraphs.begin(), kSecretParagraphs.end());
    out.insert(out.end(), kMiscCodes.begin(), kMiscCodes.end());
    out.insert(out.end(), kStageCodes.begin(), kStageCodes.end());
    for (std::span<const InfoRow> rows :
         { std::span<const InfoRow>(kContactRows), std::span<const InfoRow>(kLinkRows),
           std::span<const InfoRow>(kCreditRows) })
        for (const InfoRow& r : rows) {
            out.push_back(r.name);
            out.push_back(r.remark);
        }
    return out;
}

// --- Formats

TEST(InfoContentFormat, CodeRowsAreACodeAndOneEffect) {
    const std::regex misc(R"(^\d{3}-\d{3}: [^ "][^"]*("[^"]+")?$)");
    const std::regex stage(R"re(^\d{3}-\d{3}: Fight at "[^" ][^"]*[^" ]"$)re");
    std::set<std::string> codes;
    std::set<std::string> stages;
    for (std::string_view row : kMiscCodes) {
        EXPECT_TRUE(std::regex_match(str(row), misc)) << "not \"ddd-ddd: Effect\": " << row;
        EXPECT_FALSE(row.ends_with(" ")) << row;
        EXPECT_TRUE(codes.insert(str(row.substr(0, 7))).second) << "code used twice: " << row;
    }
    for (std::string_view row : kStageCodes) {
        EXPECT_TRUE(std::regex_match(str(row), stage)) << "not ddd-ddd: Fight at \"Stage\": " << row;
        EXPECT_TRUE(codes.insert(str(row.substr(0, 7))).second) << "code used twice: " << row;
        EXPECT_TRUE(stages.insert(str(row.substr(9))).second) << "stage listed twice: " << row;
    }
}

TEST(InfoContentFormat, SecretsNameTheirFightersAndButtons) {
    EXPECT_FALSE(kSecretParagraphs[0].ends_with(kCheatNote)) << "the cheat menu cannot need itself";
    EXPECT_NE(kSecretParagraphs[0].find("title screen"), std::string_view::npos);
    EXPECT_NE(kSecretParagraphs[0].find("options menu"), std::string_view::npos);
    for (std::size_t i = 1; i < kSecretParagraphs.size(); ++i)
        EXPECT_TRUE(kSecretParagraphs[i].ends_with(" " + str(kCheatNote))) << "section " << i + 1;

    // Sections 2 to 4 move from the hidden slot to a fighter of the roster.
    const std::regex move_to(R"(move (Up|Down|Back|Toward) to (\w+) and press (High|Low) (Punch|Kick)|)"
                             R"(move (Up|Down|Back|Toward) to (\w+) and press (Block|Run))");
    for (std::size_t i = 1; i <= 3; ++i) {
        const std::string text = str(kSecretParagraphs[i]);
        std::smatch m;
        ASSERT_TRUE(std::regex_search(text, m, move_to)) << "section " << i + 1 << ": " << text;
        const std::string fighter = m[2].matched ? m[2].str() : m[6].str();
        EXPECT_TRUE(on_roster(fighter)) << fighter << " in section " << i + 1;
        EXPECT_NE(text.find("hold both trigger buttons"), std::string::npos) << "section " << i + 1;
    }

    // The last section's character is a hidden one, not a fighter of the guide.
    EXPECT_FALSE(on_roster(kHiddenCharacter));
    EXPECT_NE(kSecretParagraphs[4].find("two-player"), std::string_view::npos);
    EXPECT_NE(kSecretParagraphs[4].find("look of " + str(kHiddenCharacter)), std::string_view::npos);

    // Buttons go by the names the fighter pages use.
    const std::regex button(R"((\w+) (Punch|Kick)\b)");
    for (std::string_view p : kSecretParagraphs) {
        const std::string text = str(p);
        for (auto it = std::sregex_iterator(text.begin(), text.end(), button); it != std::sregex_iterator();
             ++it)
            EXPECT_TRUE((*it)[1] == "High" || (*it)[1] == "Low") << "no such button: " << it->str();
    }
}

TEST(InfoContentFormat, NoCaptionHasAMnemonic) {
    for (std::string_view caption : all_captions()) {
        std::string rest = str(caption);
        for (std::size_t at; (at = rest.find("&&")) != std::string::npos;) rest.erase(at, 2);
        EXPECT_EQ(rest.find('&'), std::string::npos) << "a single & would underline: " << caption;
    }
}

struct RowsCase {
    std::string_view page;
    std::span<const InfoRow> rows;
    std::string_view remark_start;
    std::vector<int> name_lengths; // displayed characters
};

TEST(InfoContentFormat, RowsHaveTheirNameLengthsAndRemarkStarts) {
    const RowsCase cases[] = {
        { "contact", kContactRows, "- ", { 6, 3, 6 } },
        { "links", kLinkRows, ": ", { 6, 22, 12, 6, 4 } },
        { "credits", kCreditRows, ": ", { 12, 4, 7, 17, 9, 6, 4 } },
    };
    for (const RowsCase& c : cases) {
        ASSERT_EQ(c.rows.size(), c.name_lengths.size()) << c.page;
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            const InfoRow& row = c.rows[r];
            EXPECT_EQ(gv::displayed_length(row.name), c.name_lengths[r]) << c.page << " row " << r + 1;
            EXPECT_TRUE(row.remark.starts_with(c.remark_start))
                << c.page << " row " << r + 1 << ": " << row.remark;
            EXPECT_GT(row.remark.size(), c.remark_start.size() + 1) << c.page << " row " << r + 1;
            EXPECT_FALSE(row.remark.ends_with(" ")) << c.page << " row " << r + 1;
        }
    }
    EXPECT_EQ(kContactRows[0].name, "E-Mail");
    EXPECT_EQ(kContactRows[1].name, "ICQ");
    EXPECT_EQ(kContactRows[2].name, "AOL IM");
    EXPECT_TRUE(
        std::regex_match(str(kContactRows[1].remark), std::regex(R"(- \d{5,10} \(authorization required\))")))
        << kContactRows[1].remark;
    EXPECT_EQ(kContactRows[2].remark, "- " + str(kMakerName));
    EXPECT_TRUE(kLinkRows[1].remark.ends_with(" (in spanish)")) << kLinkRows[1].remark;

    // The same web host, publisher and console maker on both pages.
    EXPECT_EQ(kLinkRows[2].name, kCreditRows[0].name);
    EXPECT_EQ(kLinkRows[3].name, kCreditRows[5].name);
    EXPECT_EQ(kLinkRows[4].name, kCreditRows[6].name);
    // The handle is written in ornaments, not plain letters alone.
    const std::string_view handle = kCreditRows[3].name;
    EXPECT_GE(std::count_if(handle.begin(), handle.end(),
                            [](char c) { return static_cast<unsigned char>(c) >= 0x80; }),
              4)
        << "credits row 4 is plain ASCII";
}

// --- Addresses

// The host an address-like word names ("www.example.net/~x", "a@example.com"),
// or empty for a word that names none.
std::string host_of(std::string_view word) {
    while (!word.empty() && std::string_view(".,;:)(").find(word.back()) != std::string_view::npos)
        word.remove_suffix(1);
    if (auto at = word.find('@'); at != std::string_view::npos) return str(word.substr(at + 1));
    word = word.substr(0, word.find('/'));
    static const std::regex dotted(R"([A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+)");
    return std::regex_match(str(word), dotted) ? str(word) : std::string();
}

TEST(InfoContentAddresses, EveryHostIsAReservedExampleDomain) {
    const std::regex example(R"(([a-z0-9-]+\.)*example\.(com|net|org))");
    int hosts = 0;
    for (std::string_view caption : all_captions())
        for (std::string_view word : words_of(caption)) {
            const std::string host = host_of(word);
            if (host.empty()) continue;
            ++hosts;
            EXPECT_TRUE(std::regex_match(host, example)) << host << " in " << caption;
        }
    // Every link and the e-mail row name a host, so the loop above saw them.
    EXPECT_GE(hosts, int(kLinkRows.size()) + 1);
    for (const InfoRow& r : kLinkRows) {
        const auto words = words_of(r.remark);
        EXPECT_TRUE(words.size() >= 2 && !host_of(words[1]).empty()) << "no address: " << r.remark;
    }
    EXPECT_NE(kContactRows[0].remark.find('@'), std::string_view::npos) << kContactRows[0].remark;
    // The maker's pages are on the web host of the third row.
    EXPECT_EQ(host_of(words_of(kLinkRows[0].remark)[1]), host_of(words_of(kLinkRows[2].remark)[1]));
}

// --- Fits

class InfoContentFit : public ::testing::Test {
protected:
    const gv::Font& font(const gv::FontSpec& asked) {
        const gv::Font* f = m_fonts.font(asked);
        if (!f) throw std::runtime_error(m_fonts.last_error());
        return *f;
    }

private:
    gv::FreeTypeFonts m_fonts { embedded_fonts(), font_substitutes() };
};

struct BoxCase {
    std::string_view what;
    std::string_view text;
    int width, height; // twips
};

// How a fixed box lays out its text: the lines it wraps to and how many of
// them it can show whole.
struct Wrapped {
    int lines;
    int room;
    bool word_broken;
};
Wrapped wrap_in(const gv::Font& font, const BoxCase& box) {
    const int width = gv::twips_to_pixels(box.width);
    const std::string text = gv::apply_mnemonics(box.text).text;
    bool broken = false;
    for (std::string_view w : words_of(text)) broken = broken || font.text_width(w) > width;
    return { int(gv::wrap_text(font, text, width).size()),
             gv::twips_to_pixels(box.height) / font.line_height(), broken };
}

TEST_F(InfoContentFit, ParagraphsFillTheirBoxesWithNothingCut) {
    const gv::Font& arial = font(layouts::kArial825Bold);
    const BoxCase boxes[] = {
        { "Label1", kSecretParagraphs[0], 6465, 690 },  { "Label2", kSecretParagraphs[1], 5025, 735 },
        { "Label3", kSecretParagraphs[2], 5865, 615 },  { "Label4", kSecretParagraphs[3], 6345, 615 },
        { "Label5", kSecretParagraphs[4], 6225, 1095 },
    };
    for (const BoxCase& box : boxes) {
        const Wrapped w = wrap_in(arial, box);
        EXPECT_FALSE(w.word_broken) << box.what << " has a word wider than its box";
        EXPECT_LE(w.lines, w.room) << box.what << ": the last " << w.lines - w.room << " line(s) are cut off";
        EXPECT_GE(w.lines, w.room - 1) << box.what << " leaves most of its box empty";
    }
}

TEST_F(InfoContentFit, FixedsysRowsKeepToTheirBoxes) {
    const gv::Font& fixedsys = font(layouts::kFixedsys9);
    struct RowBox {
        BoxCase name, remark;
        int remark_lines;
    };
    const auto row = [](std::string_view what, const InfoRow& r, int name_width, int remark_width,
                        int remark_height) {
        return RowBox { { what, r.name, name_width, 255 },
                        { what, r.remark, remark_width, remark_height },
                        remark_height > 255 ? 2 : 1 };
    };
    const RowBox rows[] = {
        row("links 1", kLinkRows[0], 735, 3495, 255),      row("links 2", kLinkRows[1], 2655, 5295, 255),
        row("links 3", kLinkRows[2], 1455, 2655, 255),     row("links 4", kLinkRows[3], 735, 2895, 255),
        row("links 5", kLinkRows[4], 735, 2655, 255),      row("credits 1", kCreditRows[0], 1455, 5415, 255),
        row("credits 2", kCreditRows[1], 495, 5655, 255),  row("credits 3", kCreditRows[2], 855, 3735, 255),
        row("credits 4", kCreditRows[3], 2055, 4935, 255), row("credits 5", kCreditRows[4], 1095, 7455, 495),
        row("credits 6", kCreditRows[5], 855, 4815, 255),  row("credits 7", kCreditRows[6], 855, 8055, 495),
    };
    for (const RowBox& r : rows) {
        const Wrapped name = wrap_in(fixedsys, r.name);
        EXPECT_TRUE(name.lines == 1 && !name.word_broken)
            << r.name.what << ": the name does not fit one line";
        const Wrapped remark = wrap_in(fixedsys, r.remark);
        EXPECT_FALSE(remark.word_broken) << r.remark.what << " has a word wider than its box";
        EXPECT_EQ(remark.lines, r.remark_lines) << r.remark.what << ": " << r.remark.text;
        EXPECT_LE(remark.lines, remark.room) << r.remark.what << " is cut off";
    }
}

TEST_F(InfoContentFit, ContactRowsMatchTheirFittedWidths) {
    const gv::Font& arial = font(layouts::kArial975Bold);
    struct Fitted {
        std::string_view text;
        int width; // twips
    };
    const Fitted fitted[] = {
        { kContactRows[0].name, 585 },    { kContactRows[1].name, 345 },    { kContactRows[2].name, 690 },
        { kContactRows[0].remark, 2325 }, { kContactRows[1].remark, 3270 }, { kContactRows[2].remark, 795 },
    };
    constexpr int kSlack = 4; // pixels
    for (const Fitted& f : fitted) {
        const int width = arial.text_width(gv::apply_mnemonics(f.text).text);
        EXPECT_NEAR(width, gv::twips_to_pixels(f.width), kSlack) << f.text;
    }
}

TEST_F(InfoContentFit, CodeRowsStayOnOneLineClearOfTheArrows) {
    const gv::Font& futura = font(layouts::kFuturaT1575Medium);
    const int left = gv::twips_to_pixels(120);
    constexpr int kMaxWidth = 560;                // pixels, on a 612-pixel window
    const int arrows = gv::twips_to_pixels(6960); // the Previous arrow's left edge
    for (std::span<const std::string_view> page :
         { std::span<const std::string_view>(kMiscCodes), std::span<const std::string_view>(kStageCodes) }) {
        for (std::string_view row : page)
            EXPECT_LE(futura.text_width(gv::apply_mnemonics(row).text), kMaxWidth) << row;
        // Each page's bottom row shares its height with the arrows, which would cover it.
        const std::string_view bottom = page.back();
        EXPECT_LT(left + futura.text_width(gv::apply_mnemonics(bottom).text), arrows) << bottom;
    }
}

// --- Glyphs

using InfoContentGlyphs = InfoContentFit;

TEST_F(InfoContentGlyphs, EveryCharacterHasAGlyphInItsFace) {
    struct Texts {
        gv::FontSpec font;
        std::vector<std::string_view> captions;
    };
    std::vector<Texts> texts = {
        { layouts::kArial825Bold, { kSecretParagraphs.begin(), kSecretParagraphs.end() } },
        { layouts::kFuturaT1575Medium, { kMiscCodes.begin(), kMiscCodes.end() } },
        { layouts::kArial975Bold, {} },
        { layouts::kFixedsys9, {} },
    };
    texts[1].captions.insert(texts[1].captions.end(), kStageCodes.begin(), kStageCodes.end());
    for (const InfoRow& r : kContactRows)
        texts[2].captions.insert(texts[2].captions.end(), { r.name, r.remark });
    for (std::span<const InfoRow> rows :
         { std::span<const InfoRow>(kLinkRows), std::span<const InfoRow>(kCreditRows) })
        for (const InfoRow& r : rows) texts[3].captions.insert(texts[3].captions.end(), { r.name, r.remark });

    for (const Texts& t : texts) {
        const gv::Font& f = font(t.font);
        for (std::string_view caption : t.captions)
            for (unsigned char c : gv::apply_mnemonics(caption).text) {
                if (c == ' ') continue;
                const gv::Glyph& g = f.glyph(c);
                const bool inked =
                    std::any_of(g.coverage.begin(), g.coverage.end(), [](auto v) { return v > 0; });
                EXPECT_TRUE(g.advance > 0 && inked) << t.font.face << " draws nothing for character 0x"
                                                    << std::hex << int(c) << " in " << caption;
            }
    }
}

} // namespace
} // namespace grimveil::content
