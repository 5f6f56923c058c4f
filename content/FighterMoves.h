#pragma once

// The move rows of the 23 fighter pages. Every page but MovesNocthar opens
// with its weapon row; every page that lists finishing moves closes with the
// two stage finishing rows. Content/Notation.h reads the inputs; the content
// test holds the counts they must add up to.

#include "content/MoveList.h"

#include <array>
#include <string_view>

namespace grimveil::content {

// The two stage finishing moves: the last two rows of the 22 pages that list
// finishing moves, always in this order, always "[close]".
inline constexpr std::string_view kStageFinishing[2] = { "Ossuary Pit:", "Belfry Fall:" };

// MovesGrellix's fourth special move is the same move as in the sequel; its
// note names the sequel.
inline constexpr std::string_view kSequelTitle = "Grimveil II: Hollow Crown";
inline constexpr std::string_view kSeriesNote = "[as in Grimveil II: Hollow Crown]";

// Vorsk: gravedigger, a slow heavy brawler; weapon: the grave spade.
inline constexpr MoveRow kVorskSpecial[] = {
    { "Weapon:", "Back, Toward, Toward, High Punch" },
    { "Clod Throw:", "Down, Toward, Low Punch" },
    { "Grave Heave:", "Toward, Down, Back, Low Punch + High Punch" },
    { "Tombstone Rise:", "Down, Up, High Kick" },
    { "Spade Sweep:", "Back, Back, Low Kick" },
};
inline constexpr MoveRow kVorskFinishing[] = {
    { "Six Feet Under:", "hold Block, Down, Down, Toward, High Kick", "[sweep]" },
    { "Epitaph:", "Toward, Back, Toward, Down, Low Kick", "[close]" },
    { kStageFinishing[0], "Down, Toward, Toward, Low Punch", "[close]" },
    { kStageFinishing[1], "Toward, Up, Toward, High Kick", "[close]" },
};

// Tamsel: lamplighter witch, keeps her distance with fire and light; weapon:
// a lantern on a chain.
inline constexpr MoveRow kTamselSpecial[] = {
    { "Weapon:", "Toward, Back, Down, Low Punch" },          { "Wisp Lure:", "Down, Toward, High Punch" },
    { "Lantern Swing:", "Back + Low Punch + High Punch" },   { "Moth Swarm:", "Down, Back, Low Kick" },
    { "Gutter Flame:", "Down, Toward, Toward, High Punch" }, { "Ember Step:", "Back, Back, Run" },
};
inline constexpr MoveRow kTamselFinishing[] = {
    { "Snuffed Out:", "hold Low Punch 5 seconds, Down, Toward, Back, Up, release", "[close]" },
    { "Wax Mask:", "Back, Toward, Down, Low Kick", "[close]" },
    { kStageFinishing[0], "Down, Toward, Back, Low Kick", "[close]" },
    { kStageFinishing[1], "Toward, Up, Toward, Block", "[close]" },
};

// Omberl: shadow monk, acrobatic and quick in the air; weapon: twin sickles.
inline constexpr MoveRow kOmberlSpecial[] = {
    { "Weapon:", "Back, Back, Toward, Low Punch" },
    { "Shadow Step:", "Down, Up" },
    { "Sickle Toss:", "Down, Back, High Punch", "[also can be done in the air]" },
    { "Umbral Hook:", "Toward, Toward, High Kick" },
    { "Night Vault:", "Back, Down, Toward, Low Kick" },
    { "Eclipse Catch:", "Down, Toward, Block" },
    { "", "", "[opponent must be in the air]" },
};
inline constexpr MoveRow kOmberlFinishing[] = {
    { "Hollowing:", "Toward, Down, Toward, High Punch", "[close]" },
    { "Shade Reap:", "Back, Toward, Back, Low Kick", "[sweep]" },
    { kStageFinishing[0], "Down, Toward, Back, High Kick", "[close]" },
    { kStageFinishing[1], "Back, Toward, Up, Block", "[close]" },
};

// Quenth: bat-winged belfry hunter, strikes from above; weapon: a crossbow.
inline constexpr MoveRow kQuenthSpecial[] = {
    { "Weapon:", "Toward, Back, Back, High Kick" },
    { "Bolt Shot:", "Back, Toward, Low Punch" },
    { "Echo Shriek:", "Down, Toward, Toward, High Punch" },
    { "Wing Rise:", "Down, Up, High Kick" },
    { "Talon Dive:", "Down + High Kick", "[must be done in the air]" },
};
inline constexpr MoveRow kQuenthFinishing[] = {
    { "Sky Carcass:", "Up, Toward, Toward, High Punch", "[sweep]" },
    { "Long Shot:", "Back, Back, Back, Toward, Low Punch", "[outside sweep]" },
    { kStageFinishing[0], "Toward, Down, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Toward, Up, Toward, Block", "[close]" },
};

// Brannox: penitent monk-wrestler, sworn never to kill; no weapon.
inline constexpr MoveRow kBrannoxSpecial[] = {
    { "Weapon:", "None" },
    { "Penance Slam:", "Toward, Down, Back, Low Punch + High Punch" },
    { "Bell Toll Clap:", "Low Punch + High Punch" },
    { "Kneel && Rise:", "Down, Up" },
    { "Vow of Stone:", "hold Block" },
    { "Headbutt:", "High Punch" },
    { "Pilgrim Charge:", "Back, Toward, Run" },
};
inline constexpr MoveRow kBrannoxFinishing[] = {
    { "No", kFinishingWord },
};

// Selvo: plague doctor, poisons that linger; weapon: a bone saw.
inline constexpr MoveRow kSelvoSpecial[] = {
    { "Weapon:", "Toward, Toward, Back, Low Punch" },
    { "Miasma Cloud:", "High Kick + Low Kick" },
    { "Leech Toss:", "Back, Toward, High Punch" },
    { "Plague Bloom:", "hold High Kick 2 seconds, then release" },
    { "Bloodletting:", "Down, Back, Low Kick" },
};
inline constexpr MoveRow kSelvoFinishing[] = {
    { "Quarantine:", "Toward, Toward, Down, High Kick", "[close]" },
    { "Black Bile:", "Back, Down, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Down, Back, Toward, High Kick", "[close]" },
    { kStageFinishing[1], "Toward, Up, Toward, Low Kick", "[close]" },
};

// Duvrin: clockwork knight, long button chains; weapon: a piston lance.
inline constexpr MoveRow kDuvrinSpecial[] = {
    { "Weapon:", "Back, Toward, Toward, Low Kick" },
    { "Gear Shot:", "Down, Toward, High Punch" },
    { "Steam Vent:", "Down, Down, Block" },
    { "Cog Grapple:", "Down, Toward, Low Punch", "[must be done in the air, close]" },
    { "Piston Lunge:", "Toward, Toward, High Punch" },
    { "Clockwork Chain:", "HP, LP+LK+BLK, HP+HK+LK, LP+HP+RN+LK, BLK+HK+LP" },
};
inline constexpr MoveRow kDuvrinFinishing[] = {
    { "Wind Down:", "Back, Down, Toward, Low Punch", "[close]" },
    { "Mainspring:", "Toward, Back, Up, Toward, High Kick", "[close]" },
    { kStageFinishing[0], "Down, Down, Toward, High Punch", "[close]" },
    { kStageFinishing[1], "Back, Toward, Up, Low Kick", "[close]" },
};

// Wenlo: willow spirit, a stance with three follow-ups; weapon: a willow staff.
inline constexpr MoveRow kWenloSpecial[] = {
    { "Weapon:", "Down, Down, Toward, High Punch" },
    { "Root Snare:", "Down, Back, Low Kick" },
    { "Leaf Storm:", "Back, Toward, High Punch" },
    { "Bark Skin:", "Back, Back, Block" },
    { "Willow Stance:", "Down, Toward, Block" },
    { "-Branch Lash:", "High Punch" },
    { "-Root Sweep:", "Low Kick" },
    { "-Falling Leaf:", "High Kick" },
    { "Sap Trap:", "Toward, Down, Low Punch" },
};
inline constexpr MoveRow kWenloFinishing[] = {
    { "Overgrown:", "Back, Toward, Toward, Low Kick", "[close]" },
    { "Weeping Willow:", "Down, Down, Toward, Block", "[outside sweep]" },
    { kStageFinishing[0], "Back, Down, Down, High Kick", "[close]" },
    { kStageFinishing[1], "Toward, Toward, Up, Block", "[close]" },
};

// Pallira: pale nun, slow holds and sacred smoke; weapon: a thurible.
inline constexpr MoveRow kPalliraSpecial[] = {
    { "Weapon:", "Toward, Down, Toward, Low Punch" },
    { "Incense Cloud:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Candle Vigil:", "hold Low Punch 3 seconds, then release" },
    { "Hymn of Ash:", "Low Punch + High Punch + Block" },
    { "Censer Swing:", "Back, Back, High Kick" },
};
inline constexpr MoveRow kPalliraFinishing[] = {
    { "Last Rites:", "Down, Back, Toward, Toward, Block", "[close]" },
    { "Absolution:", "Toward, Toward, Back, High Punch", "[close]" },
    { kStageFinishing[0], "Back, Back, Down, Low Kick", "[close]" },
    { kStageFinishing[1], "Down, Up, Toward, High Kick", "[close]" },
};

// Tessmar: drowned sailor, pulls opponents in; weapon: a harpoon.
inline constexpr MoveRow kTessmarSpecial[] = {
    { "Weapon:", "Back, Toward, Down, High Punch" },
    { "Riptide:", "Down, Back, Low Punch" },
    { "Hook && Line:", "Back, Toward, Low Punch" },
    { "Anchor Drop:", "Low Kick", "[must be done in the air]" },
    { "Undertow:", "Down, Down, Toward, Low Kick" },
};
inline constexpr MoveRow kTessmarFinishing[] = {
    { "Keelhaul:", "Toward, Toward, Back, Back, High Punch", "[outside sweep]" },
    { "Drowned Man:", "Back, Down, Down, Toward, Low Kick", "[outside sweep]" },
    { kStageFinishing[0], "Toward, Back, Down, High Kick", "[close]" },
    { kStageFinishing[1], "Up, Toward, Toward, Low Punch", "[close]" },
};

// Corvath: crow-man, pecks and dives; weapon: talon blades.
inline constexpr MoveRow kCorvathSpecial[] = {
    { "Weapon:", "Down, Back, Toward, High Kick" },
    { "Feather Darts:", "Down, Toward, Low Punch", "[also can be done in the air]" },
    { "Murder Dive:", "Toward, Toward, Down, High Punch" },
    { "Carrion Hop:", "Down, Down, Run" },
    { "Eye Peck:", "Toward, Toward, Low Kick" },
};
inline constexpr MoveRow kCorvathFinishing[] = {
    { "Murder of Crows:", "hold Block, Low Punch, High Punch, Low Kick, Up", "[sweep]" },
    { "Picked Clean:", "Toward, Back, Down, High Kick", "[close]" },
    { kStageFinishing[0], "Down, Toward, Down, Block", "[close]" },
    { kStageFinishing[1], "Back, Toward, Toward, High Kick", "[close]" },
};

// Ashvane: fire cultist, charged flames; weapon: a burning brand.
inline constexpr MoveRow kAshvaneSpecial[] = {
    { "Weapon:", "Down, Toward, Toward, High Kick" },
    { "Ember Spit:", "Down, Back, High Punch", "[also can be done in the air]" },
    { "Pyre Charge:", "Down, Back, hold High Punch" },
    { "Smoke Rise:", "Down, Down, Up, Low Kick" },
};
inline constexpr MoveRow kAshvaneFinishing[] = {
    { "Immolation:", "Toward, Back, Toward, Back, Block", "[sweep]" },
    { "Cinder Rain:", "Down, Up, Toward, Low Kick", "[sweep]" },
    { kStageFinishing[0], "Toward, Down, Back, Low Punch", "[close]" },
    { kStageFinishing[1], "Back, Toward, Up, Low Kick", "[close]" },
};

// Grellix: cathedral gargoyle, grabs and falls like stone; weapon: a stone maul.
inline constexpr MoveRow kGrellixSpecial[] = {
    { "Weapon:", "Down, Down, Toward, High Kick" },
    { "Stone Grasp:", "Toward, Back, when close Low Punch", "[press Block to slam]" },
    { "Gravel Spit:", "Down, Toward, High Punch", "[also can be done in the air]" },
    { "Petrify:", "Back, Toward, Down, Block", kSeriesNote },
    { "Gargoyle Drop:", "Down, Down, Low Kick", "[must be in the air, close]" },
};
inline constexpr MoveRow kGrellixFinishing[] = {
    { kStageFinishing[0], "Down, Toward, Back, High Punch", "[close]" },
    { kStageFinishing[1], "Toward, Up, Back, Block", "[close]" },
};

// Zavrek: executioner, slow and final; weapon: a headsman's axe.
inline constexpr MoveRow kZavrekSpecial[] = {
    { "Weapon:", "Toward, Back, Back, High Punch" },
    { "Hooded Grab:", "Down + Block", "[must be done in air, close]" },
    { "Axe Hurl:", "Back, Toward, High Kick" },
    { "Chopping Block:", "Down, Down, Back, High Punch" },
    { "Noose Snare:", "Back, Down, Toward, Low Punch" },
    { "Verdict:", "Low Punch + High Kick + Block" },
};
inline constexpr MoveRow kZavrekFinishing[] = {
    { "Final Blow:", "hold Low Kick 3 sec, Back, Toward, Down, Toward, rel. Low Kick", "[close]" },
    { "Headsman's Due:", "Down, Back, Down, Toward, High Kick", "[close]" },
    { kStageFinishing[0], "Back, Down, Toward, Low Kick", "[close]" },
    { kStageFinishing[1], "Toward, Up, Back, Block", "[close]" },
};

// Thulmar: frost giant, charged breath and weight; weapon: an ice pick.
inline constexpr MoveRow kThulmarSpecial[] = {
    { "Weapon:", "Down, Back, Back, Low Punch" },
    { "Frost Breath:", "Back, Toward, High Punch", "[also can be done in the air]" },
    { "Glacier Charge:", "Back, Back, Toward, hold Low Punch" },
    { "Avalanche:", "Up, Down, Toward, High Kick" },
};
inline constexpr MoveRow kThulmarFinishing[] = {
    { "Frostbite:", "Toward, Down, Toward, Back, Low Kick", "[close]" },
    { "Shatter:", "Back, Toward, Back, Down, Low Kick", "[close]" },
    { kStageFinishing[0], "Toward, Toward, Down, Block", "[close]" },
    { kStageFinishing[1], "Toward, Up, Toward, Low Punch", "[close]" },
};

// Estrin: star-reader, falling lights from afar; weapon: astrolabe blades.
inline constexpr MoveRow kEstrinSpecial[] = {
    { "Weapon:", "Up, Toward, Toward, High Kick" },
    { "Falling Comet:", "Down, Back, Toward, Toward, High Kick", "[also can be done in the air]" },
    { "Starfall:", "Down, Up, Low Kick + High Kick + Low Punch + High Punch" },
    { "Orbit Kick:", "Low Kick/High Kick" },
    { "Eclipse:", "Back, Back, Down, Block" },
};
inline constexpr MoveRow kEstrinFinishing[] = {
    { "Fallen Star:", "Toward, Back, Toward, Down, Block", "[close]" },
    { "Constellation:", "Back, Toward, Toward, Toward, Low Kick", "[outside sweep]" },
    { kStageFinishing[0], "Down, Back, Toward, High Kick", "[close]" },
    { kStageFinishing[1], "Up, Toward, Toward, Low Punch", "[close]" },
};

// Skelvin: skeleton fencer, flurries and parries; weapon: a rapier.
inline constexpr MoveRow kSkelvinSpecial[] = {
    { "Weapon:", "Toward, Down, Back, High Punch" }, { "Thousand Cuts:", "High Punch + Low Punch 5 times" },
    { "Bone Lunge:", "Back, Toward, High Kick" },    { "Rattle:", "Down, Down, Low Punch" },
    { "Marrow Parry:", "Back, Back, Block" },
};
inline constexpr MoveRow kSkelvinFinishing[] = {
    { "Unmade:", "hold Block, Back, Toward, Back, Low Kick", "[close]" },
    { "Final Riposte:", "Toward, Back, Down, High Punch", "[outside sweep]" },
    { kStageFinishing[0], "Back, Toward, Down, Low Punch", "[close]" },
    { kStageFinishing[1], "Up, Back, Toward, High Kick", "[close]" },
};

// Drasque: dragon-blooded knight, fire and seizing claws; weapon: a scaled glaive.
inline constexpr MoveRow kDrasqueSpecial[] = {
    { "Weapon:", "Down, Toward, Toward, Low Kick" },
    { "Wyrm Fang:", "Back, Down, Toward, High Punch" },
    { "Flame Gout:", "Down, Toward, Low Punch", "[also can be done in the air]" },
    { "Talon Seize:", "Down, Back, Block", "[must be done in the air, close]" },
    { "Dragon Roar:", "Down, Toward, High Punch + Low Punch + Block" },
};
inline constexpr MoveRow kDrasqueFinishing[] = {
    { "Scorched Earth:", "Toward, Toward, Down, High Kick", "[sweep]" },
    { "Devoured:", "Down, Up, Toward, Low Punch", "[close]" },
    { kStageFinishing[0], "Toward, Back, Toward, Block", "[close]" },
    { kStageFinishing[1], "Back, Toward, Down, High Punch", "[close]" },
};

// Brudd: swamp troll, eats what it catches; weapon: a knobbed club.
inline constexpr MoveRow kBruddSpecial[] = {
    { "Weapon:", "Down, Toward, Low Punch" },
    { "Gut Chomp:", "Down, Toward, Low Kick, when close High Punch" },
    { "Bog Belch:", "Back, Toward, Low Punch" },
    { "Mud Wallow:", "Down, Toward, High Kick" },
    { "Belly Flop:", "Up, Down, Low Kick" },
};
inline constexpr MoveRow kBruddFinishing[] = {
    { "Swamp Supper:", "Unknown", "[outside sweep]" },
    { "Bogged Down:", "Toward, Down, Down, Back, Low Kick", "[sweep]" },
    { kStageFinishing[0], "Down, Down, Toward, Low Punch", "[close]" },
    { kStageFinishing[1], "Toward, Toward, Up, High Kick", "[close]" },
};

// Nocthar: shapeshifter who fights in borrowed bodies; no weapon of his own.
// An impersonation is the impersonated fighter's weapon command performed
// backwards: the same directions in reverse order, then the same button.
inline constexpr MoveRow kNoctharSpecial[] = {
    { "Impersonations:" },
    { "Omberl:", "Toward, Back, Back, Low Punch" },
    { "Drasque:", "Toward, Toward, Down, Low Kick" },
    { "Ashvane:", "Toward, Toward, Down, High Kick" },
    { "Ilvessa:", "Down, Down, Back, High Kick" },
    { "Pallira:", "Toward, Down, Toward, Low Punch" },
    { "Thulmar:", "Back, Back, Down, Low Punch" },
    { "Tessmar:", "Down, Toward, Back, High Punch" },
    { "Zavrek:", "Back, Back, Toward, High Punch" },
    { "Vorsk:", "Toward, Toward, Back, High Punch" },
    { "Roskar:", "Back, Toward, Down, High Kick" },
    { "Selvo:", "Back, Toward, Toward, Low Punch" },
    { "Skelvin:", "Back, Down, Toward, High Punch" },
    { "Pelvane:", "Back, Toward, Toward, Block" },
    { "Duvrin:", "Toward, Toward, Back, Low Kick" },
    { "Corvath:", "Toward, Back, Down, High Kick" },
    { "Tamsel:", "Down, Back, Toward, Low Punch" },
    { "Wenlo:", "Toward, Down, Down, High Punch" },
    { "Estrin:", "Toward, Toward, Up, High Kick" },
    { "Quenth:", "Back, Back, Toward, High Kick" },
};
inline constexpr MoveRow kNoctharFinishing[] = {
    { "Smoke && Mirrors:", "hold Block, Down, Toward, Down, High Punch", "[close]" },
    { "Stolen Face:", "Back, Down, Back, Toward, Low Kick", "[close]" },
    { kStageFinishing[0], "Toward, Toward, Up, Low Kick", "[close]" },
    { kStageFinishing[1], "Back, Toward, Back, High Kick", "[close]" },
};

// Ilvessa: moth witch, dust and silk, close in the air; weapon: a silk whip.
inline constexpr MoveRow kIlvessaSpecial[] = {
    { "Weapon:", "Back, Down, Down, High Kick" },
    { "Silk Lash:", "Toward, Toward, Low Punch" },
    { "Dust Cloud:", "Down, Back, High Punch" },
    { "Wing Shield:", "Back + Block" },
    { "Cocoon:", "Down, Toward, Back, Low Kick" },
    { "Flutter:", "Down, Up, Run" },
    { "Moth Embrace:", "Down, Toward, High Kick", "[must be done in the air, close]" },
};
inline constexpr MoveRow kIlvessaFinishing[] = {
    { "Drained:", "hold Block, Up, Toward, Down, High Kick", "[sweep]" },
    { "Lamp Lure:", "Toward, Back, Toward, Toward, Low Punch", "[outside sweep]" },
    { kStageFinishing[0], "Down, Back, Back, Low Kick", "[close]" },
    { kStageFinishing[1], "Toward, Down, Toward, High Punch", "[close]" },
};

// Pelvane: banshee poet, wails and vanishing; weapon: a bladed lute.
inline constexpr MoveRow kPelvaneSpecial[] = {
    { "Weapon:", "Toward, Toward, Back, Block" },
    { "Vanish:", "Run" },
    { "Lament:", "Down, Back, Low Punch" },
    { "Keening Wail:", "Back, Toward, High Punch", "[also can be done in the air]" },
};
inline constexpr MoveRow kPelvaneFinishing[] = {
    { "Swan Song:", "Down, Toward, Back, Toward, High Kick", "[close]" },
    { "Elegy:", "Back, Back, Down, Toward, Low Punch", "[outside sweep]" },
    { kStageFinishing[0], "Toward, Down, Toward, Block", "[close]" },
    { kStageFinishing[1], "Toward, Up, Back, Low Kick", "[close]" },
};

// Roskar: wolf hunter, lunges and pounces; weapon: a boar spear.
inline constexpr MoveRow kRoskarSpecial[] = {
    { "Weapon:", "Down, Toward, Back, High Kick" },
    { "Wolf Lunge:", "Toward, Toward" },
    { "Pounce:", "Down + Low Kick", "[must be done in the air]" },
    { "Spear Toss:", "Back, Toward, Low Punch" },
    { "Trap Snap:", "Down, Down, Low Kick" },
};
inline constexpr MoveRow kRoskarFinishing[] = {
    { "Trophy Hunt:", "hold Block, Toward, Toward, Down, High Punch", "[close]" },
    { "Wolf Feast:", "Back, Down, Toward, Down, Block", "[close]" },
    { kStageFinishing[0], "Back, Toward, Back, High Kick", "[close]" },
    { kStageFinishing[1], "Toward, Up, Toward, Block", "[close]" },
};

// The 23 pages' rows, in page order.
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
