#pragma once

#include "framework/ScreenDefinition.h"

namespace grimveil {
gv::ScreenDefinition contact_screen();
gv::ScreenDefinition links_screen();
gv::ScreenDefinition credits_screen();
} // namespace grimveil
