// The loading notice: every second it sets the selection screen visible.
// It never closes itself; the selection screen's own timer does that.
#include "screens/Loading.h"

#include "layouts/LoadingLayout.h"
#include "screens/ScreenId.h"

namespace grimveil {

namespace {
using namespace gv::steps;

constexpr gv::Step kTimer1[] = { show_screen(index_of(ScreenId::Moves001)) };

constexpr gv::Handler kHandlers[] = {
    { "MovesLoading_Timer1_Timer", gv::control_index(layouts::kLoadingControls, "Timer1"), gv::Event::Timer,
      kTimer1 },
};
} // namespace

gv::ScreenDefinition loading_screen() {
    return { &layouts::kLoadingLayout, kHandlers };
}

} // namespace grimveil
