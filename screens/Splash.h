#pragma once

#include "framework/ScreenDefinition.h"

namespace grimveil {
gv::ScreenDefinition splash_screen();
}
