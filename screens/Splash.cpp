// The start-up screen: writes CREATED one letter every half second on a
// chain of timers and hands over to the main menu at 5.5 s.
#include "screens/Splash.h"

#include "layouts/SplashLayout.h"
#include "screens/ScreenId.h"

namespace grimveil {

namespace {
using namespace gv::steps;
using gv::Event;

constexpr int c(std::string_view name) {
    return gv::control_index(layouts::kSplashControls, name);
}

constexpr gv::Step kFormLoad[] = { enable(c("TimerD")) };
// Each tick shows its own letter, passes the chain on and stops itself.
constexpr gv::Step kTimerD[] = { show(c("txtD")), enable(c("TimerE")), disable(c("TimerD")) };
constexpr gv::Step kTimerE[] = { show(c("txtE")), enable(c("TimerS")), disable(c("TimerE")) };
constexpr gv::Step kTimerS[] = { show(c("txtS")), enable(c("TimerI")), disable(c("TimerS")) };
constexpr gv::Step kTimerI[] = { show(c("txtI")), enable(c("TimerG")), disable(c("TimerI")) };
constexpr gv::Step kTimerG[] = { show(c("txtG")), enable(c("TimerN")), disable(c("TimerG")) };
constexpr gv::Step kTimerN[] = { show(c("txtN")), enable(c("TimerSb")), disable(c("TimerN")) };
constexpr gv::Step kTimerSb[] = { show(c("txtSb")), disable(c("TimerSb")) };
// The main menu first, so that some screen is loaded at every moment.
constexpr gv::Step kTimer1[] = { show_screen(index_of(ScreenId::Main001)),
                                 unload_screen(index_of(ScreenId::splashBDD)) };

constexpr gv::Handler kHandlers[] = {
    { "splashBDD_Form_Load", gv::kForm, Event::Load, kFormLoad },
    { "splashBDD_TimerD_Timer", c("TimerD"), Event::Timer, kTimerD },
    { "splashBDD_TimerE_Timer", c("TimerE"), Event::Timer, kTimerE },
    { "splashBDD_TimerS_Timer", c("TimerS"), Event::Timer, kTimerS },
    { "splashBDD_TimerI_Timer", c("TimerI"), Event::Timer, kTimerI },
    { "splashBDD_TimerG_Timer", c("TimerG"), Event::Timer, kTimerG },
    { "splashBDD_TimerN_Timer", c("TimerN"), Event::Timer, kTimerN },
    { "splashBDD_TimerSb_Timer", c("TimerSb"), Event::Timer, kTimerSb },
    { "splashBDD_Timer1_Timer", c("Timer1"), Event::Timer, kTimer1 },
};

} // namespace

gv::ScreenDefinition splash_screen() {
    return { &layouts::kSplashLayout, kHandlers };
}

} // namespace grimveil
