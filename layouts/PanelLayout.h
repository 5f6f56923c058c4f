#pragma once

#include "framework/PanelTemplate.h"

namespace grimveil::layouts {

// The guide's panel: the 681 x 364 frame of the fighter, contact, links and
// credits pages, with its close mark in the top-right corner.
inline constexpr gv::PanelTemplate kPanel {
    .client_width = 10215,
    .client_height = 5460,
    .frame = "Credits001_Background",
    .title_name = "Picture1",
    .close_name = "ClickClose",
    .close_left = 9720,
    .caption = { "[ Interactive Grimveil ] - [ ", " ] - [ version ", " ]" },
};

// The secrets pages keep the pattern on a larger frame of their own. Their
// close hot-spot reaches 75 twips past the right edge; only the part inside
// the window takes clicks.
inline constexpr gv::PanelTemplate kSecretsPanel {
    .client_width = 9180,
    .client_height = 6900,
    .frame = "Secrets001_Background",
    .title_name = "imgSecrets",
    .close_name = "ClickerExit",
    .close_left = 8760,
    .caption = kPanel.caption,
};

} // namespace grimveil::layouts
