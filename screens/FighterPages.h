#pragma once

#include "framework/ScreenDefinition.h"

namespace grimveil {
// The page screen of the fighter on a page (1 to 23).
gv::ScreenDefinition fighter_page_screen(int page_number);
} // namespace grimveil
