#pragma once

#include "framework/ScreenDefinition.h"

namespace grimveil {
gv::ScreenDefinition loading_screen();
}
