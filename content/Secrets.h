#pragma once

// The texts of the three secrets pages: the five paragraphs of the basic
// secrets, then the misc. and stage codes. Paragraphs wrap inside fixed boxes
// in Arial 8.25 bold and code rows are single lines; the content test measures
// both in the faces the guide carries.

#include <array>
#include <string_view>

namespace grimveil::content {

// Page 1, top to bottom: the cheat menu, then Grellix, Brudd, Brannox and
// Skarn, the hidden character who is not on the roster.
inline constexpr std::string_view kCheatNote = "[cheat menu must be enabled]";
inline constexpr std::string_view kHiddenCharacter = "Skarn";

// The words of the five heading pictures beside the paragraphs, for text
// that cannot show the pictures.
inline constexpr std::array<std::string_view, 5> kSecretHeadings {
    "Cheat Menu", "Play as Grellix", "Play as Brudd", "Play as Brannox", "Play as Skarn",
};

inline constexpr std::array<std::string_view, 5> kSecretParagraphs {
    "On the game's title screen press Down, Up, Back, Back, Toward, Down, Up, Toward, Toward until a bell "
    "tolls. Then, in the options menu, hold High Punch, Low Kick and Block until the screen flickers red and "
    "CHEAT MENU appears.",
    "On the selection screen, highlight the hidden slot and hold both trigger buttons. Still holding them, "
    "move Up to Zavrek and press High Kick. [cheat menu must be enabled]",
    "On the selection screen, highlight the hidden slot and hold both trigger buttons. Still holding them, "
    "move Back to Skelvin and press Low Punch. Brudd stomps out of the dark. [cheat menu must be enabled]",
    "On the selection screen, highlight the hidden slot and hold both trigger buttons. Still holding them, "
    "move Toward to Nocthar and press Block. Brannox steps out of the mist with his chains. [cheat menu must "
    "be enabled]",
    "In two-player mode both players pick Vorsk. In round one neither player may press a button: only walk "
    "and Run. Player 1 wins round two with a Belfry Fall. At the continue screen both players hold Down and "
    "Block until the bell stops, then press Run three times together. The next character picked fights with "
    "the look of Skarn, the hooded gravekeeper. [cheat menu must be enabled]",
};

// Page 2, top to bottom: a code, then what it does in the match.
inline constexpr std::array<std::string_view, 15> kMiscCodes {
    "100-100: Throwing Disabled",
    "020-020: Blocking Disabled",
    "033-000: Player 1 Half Health",
    "000-033: Player 2 Half Health",
    "707-000: Player 1 Infinite Run",
    "000-707: Player 2 Infinite Run",
    "688-422: Dark Fighting",
    "460-460: Random Weapon Drops",
    "987-123: No Power Bars",
    "555-556: Unlimited Weapons",
    "282-282: Quick Rounds",
    "390-390: Rain of Bones",
    "123-926: Text Message \"Beware the Veil\"",
    "602-602: Winner Fights Skarn",
    "769-342: Blood Moon Skies",
};

// Page 3, top to bottom: a code, then the stage it chooses. The first two are
// the stages of the two stage finishing moves.
inline constexpr std::array<std::string_view, 14> kStageCodes {
    "091-190: Fight at \"Ossuary Pit\"",       "880-220: Fight at \"Belfry Fall\"",
    "000-040: Fight at \"Cathedral of Ash\"",  "101-002: Fight at \"Hollow Crypt\"",
    "220-202: Fight at \"Gallows Square\"",    "303-033: Fight at \"Drowned Chapel\"",
    "404-440: Fight at \"Lantern Graveyard\"", "505-055: Fight at \"Weeping Abbey\"",
    "616-161: Fight at \"Thorn Garden\"",      "727-227: Fight at \"Charnel Bridge\"",
    "838-383: Fight at \"Bone Orchard\"",      "949-494: Fight at \"Mourning Hall\"",
    "252-525: Fight at \"Rotting Marsh\"",     "363-636: Fight at \"The Black Veil\"",
};

} // namespace grimveil::content
