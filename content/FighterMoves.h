#pragma once

// The move rows of the 23 fighter pages, in the notation of Part 4.2.

#include "content/MoveList.h"

#include <array>
#include <string_view>

namespace grimveil::content {

// The two stage finishing moves, the last two rows of every page that lists
// finishing moves.
inline constexpr std::string_view kStageFinishing[2] = { "Ossuary Pit:", "Belfry Fall:" };

// Vorsk: provisional.
inline constexpr MoveRow kVorskSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kVorskFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Tamsel: provisional.
inline constexpr MoveRow kTamselSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
    { "Special Six:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kTamselFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Omberl: provisional.
inline constexpr MoveRow kOmberlSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
    { "Special Six:", "Down, Toward, High Punch" },
    { "", "", "[opponent must be in the air]" },
};
inline constexpr MoveRow kOmberlFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Quenth: provisional.
inline constexpr MoveRow kQuenthSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch", "[must be done in the air]" },
};
inline constexpr MoveRow kQuenthFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Brannox: provisional.
inline constexpr MoveRow kBrannoxSpecial[] = {
    { "Weapon:", "None" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
    { "Special Six:", "Down, Toward, High Punch" },
    { "Special Seven:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kBrannoxFinishing[] = {
    { "No", kFinishingWord },
};

// Selvo: provisional.
inline constexpr MoveRow kSelvoSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kSelvoFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Duvrin: provisional.
inline constexpr MoveRow kDuvrinSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch", "[must be done in the air, close]" },
    { "Special Five:", "Down, Toward, High Punch" },
    { "Special Six:", "LP, HP+LK+BLK, LK+HP+LP, RN+HK+LP, HK+LP+HP+LK" },
};
inline constexpr MoveRow kDuvrinFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Wenlo: provisional.
inline constexpr MoveRow kWenloSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
    { "-Follow One:", "Low Kick" },
    { "-Follow Two:", "Low Kick" },
    { "-Follow Three:", "Low Kick" },
    { "Special Nine:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kWenloFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Pallira: provisional.
inline constexpr MoveRow kPalliraSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kPalliraFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Tessmar: provisional.
inline constexpr MoveRow kTessmarSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch", "[must be done in the air]" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kTessmarFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Corvath: provisional.
inline constexpr MoveRow kCorvathSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kCorvathFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Ashvane: provisional.
inline constexpr MoveRow kAshvaneSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kAshvaneFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Grellix: provisional.
inline constexpr MoveRow kGrellixSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch", "[press Block to slam]" },
    { "Special Three:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Four:", "Down, Toward, High Punch", "[as in Grimveil II]" },
    { "Special Five:", "Down, Toward, High Punch", "[must be in the air, close]" },
};
inline constexpr MoveRow kGrellixFinishing[] = {
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Zavrek: provisional.
inline constexpr MoveRow kZavrekSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch", "[must be done in air, close]" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
    { "Special Six:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kZavrekFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Thulmar: provisional.
inline constexpr MoveRow kThulmarSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kThulmarFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Estrin: provisional.
inline constexpr MoveRow kEstrinSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kEstrinFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Skelvin: provisional.
inline constexpr MoveRow kSkelvinSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kSkelvinFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Drasque: provisional.
inline constexpr MoveRow kDrasqueSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Special Four:", "Down, Toward, High Punch", "[must be done in the air, close]" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kDrasqueFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Brudd: provisional.
inline constexpr MoveRow kBruddSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kBruddFinishing[] = {
    { "Reaping One:", "Unknown", "[outside sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Nocthar: provisional.
inline constexpr MoveRow kNoctharSpecial[] = {
    { "Impersonations:" },
    { "Omberl:", "Back, Down, High Punch" },
    { "Drasque:", "Back, Down, High Punch" },
    { "Ashvane:", "Back, Down, High Punch" },
    { "Ilvessa:", "Back, Down, High Punch" },
    { "Pallira:", "Back, Down, High Punch" },
    { "Thulmar:", "Back, Down, High Punch" },
    { "Tessmar:", "Back, Down, High Punch" },
    { "Zavrek:", "Back, Down, High Punch" },
    { "Vorsk:", "Back, Down, High Punch" },
    { "Roskar:", "Back, Down, High Punch" },
    { "Selvo:", "Back, Down, High Punch" },
    { "Skelvin:", "Back, Down, High Punch" },
    { "Pelvane:", "Back, Down, High Punch" },
    { "Duvrin:", "Back, Down, High Punch" },
    { "Corvath:", "Back, Down, High Punch" },
    { "Tamsel:", "Back, Down, High Punch" },
    { "Wenlo:", "Back, Down, High Punch" },
    { "Estrin:", "Back, Down, High Punch" },
    { "Quenth:", "Back, Down, High Punch" },
};
inline constexpr MoveRow kNoctharFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Ilvessa: provisional.
inline constexpr MoveRow kIlvessaSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
    { "Special Six:", "Down, Toward, High Punch" },
    { "Special Seven:", "Down, Toward, High Punch", "[must be done in the air, close]" },
};
inline constexpr MoveRow kIlvessaFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[sweep]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Pelvane: provisional.
inline constexpr MoveRow kPelvaneSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch" },
    { "Special Four:", "Down, Toward, High Punch", "[also can be done in the air]" },
};
inline constexpr MoveRow kPelvaneFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// Roskar: provisional.
inline constexpr MoveRow kRoskarSpecial[] = {
    { "Weapon:", "Back, Back, Low Kick" },
    { "Special Two:", "Down, Toward, High Punch" },
    { "Special Three:", "Down, Toward, High Punch", "[must be done in the air]" },
    { "Special Four:", "Down, Toward, High Punch" },
    { "Special Five:", "Down, Toward, High Punch" },
};
inline constexpr MoveRow kRoskarFinishing[] = {
    { "Reaping One:", "Toward, Back, Toward, Block", "[close]" },
    { "Reaping Two:", "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[0], "Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Down, Low Kick", "[close]" },
};

// The pages' rows, in page order (Part 3.1).
inline constexpr std::array<MoveList, 23> kMoveLists { {
    { "Vorsk", kVorskSpecial, kVorskFinishing },       { "Tamsel", kTamselSpecial, kTamselFinishing },
    { "Omberl", kOmberlSpecial, kOmberlFinishing },    { "Quenth", kQuenthSpecial, kQuenthFinishing },
    { "Brannox", kBrannoxSpecial, kBrannoxFinishing }, { "Selvo", kSelvoSpecial, kSelvoFinishing },
    { "Duvrin", kDuvrinSpecial, kDuvrinFinishing },    { "Wenlo", kWenloSpecial, kWenloFinishing },
    { "Pallira", kPalliraSpecial, kPalliraFinishing }, { "Tessmar", kTessmarSpecial, kTessmarFinishing },
    { "Corvath", kCorvathSpecial, kCorvathFinishing }, { "Ashvane", kAshvaneSpecial, kAshvaneFinishing },
    { "Grellix", kGrellixSpecial, kGrellixFinishing }, { "Zavrek", kZavrekSpecial, kZavrekFinishing },
    { "Thulmar", kThulmarSpecial, kThulmarFinishing }, { "Estrin", kEstrinSpecial, kEstrinFinishing },
    { "Skelvin", kSkelvinSpecial, kSkelvinFinishing }, { "Drasque", kDrasqueSpecial, kDrasqueFinishing },
    { "Brudd", kBruddSpecial, kBruddFinishing },       { "Nocthar", kNoctharSpecial, kNoctharFinishing },
    { "Ilvessa", kIlvessaSpecial, kIlvessaFinishing }, { "Pelvane", kPelvaneSpecial, kPelvaneFinishing },
    { "Roskar", kRoskarSpecial, kRoskarFinishing },
} };

} // namespace grimveil::content
