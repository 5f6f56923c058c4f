#pragma once

#include "framework/ScreenDefinition.h"

namespace grimveil {
gv::ScreenDefinition selection_screen();
}
