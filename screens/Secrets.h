#pragma once

#include "framework/ScreenDefinition.h"

namespace grimveil {
// The three secrets pages, from the first.
gv::ScreenDefinition secrets_screen(int page);
} // namespace grimveil
