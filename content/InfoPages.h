#pragma once

// The rows of the contact, links and credits pages: an orange name and a grey
// remark beside it. Every address is on the reserved example domains, so none
// of them leads anywhere real.

#include <array>
#include <string_view>

namespace grimveil::content {

struct InfoRow {
    std::string_view name;
    std::string_view remark; // "- ..." on the contact page, ": ..." on the others
};

inline constexpr std::string_view kMakerName = "Orvelle";

// Top to bottom. The remarks' lengths match the fitted boxes of the page.
inline constexpr std::array<InfoRow, 3> kContactRows { {
    { "E-Mail", "- orvelle1@example.com" },
    { "ICQ", "- 304172568 (authorization required)" },
    { "AOL IM", "- Orvelle" },
} };

// Top to bottom. A name is as long as its box, since the remark's colon
// follows its last character; the first box holds six, so the maker's pages go
// by their site's name.
inline constexpr std::array<InfoRow, 5> kLinkRows { {
    { "OrvNet", ": www.example.net/~orvelle" },
    { "Cripta Grimveil Online", ": www.example.org/cripta (in spanish)" },
    { "Catacomb Net", ": www.example.net" },
    { "Umbrix", ": www.umbrix.example.com" },
    { "Kyro", ": www.kyro.example.com" },
} };

// Top to bottom. The fourth name is a handle drawn in code page 1252
// ornaments; rows 5 and 7 wrap onto two lines.
inline constexpr std::array<InfoRow, 7> kCreditRows { {
    { "Catacomb Net", ": For the web space to promote my projects" },
    { "Jory", ": For helping me with my first tries at coding" },
    { "Hexbolt", ": For the runtime download link" },
    { "\x86\xAB\xA7\xB0 Nocturo \xB0\xA7\xBB\x86", ": For all kinds of help over the months" },
    { "Quillsoft",
      ": For a language that let me write all of this without first spending years studying it" },
    { "Umbrix", ": For creating the Grimveil series" },
    { "Kyro",
      ": For the Kyro Vault, the console that Grimveil runs on, and for keeping it alive for so long" },
} };

} // namespace grimveil::content
