#pragma once

#include "framework/ScreenDefinition.h"

namespace grimveil {
gv::ScreenDefinition main_menu_screen();
}
