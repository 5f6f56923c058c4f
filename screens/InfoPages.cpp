// The contact, links and credits pages: plain rows of text, and a close
// hot-spot that unloads the page.
#include "screens/InfoPages.h"

#include "layouts/InfoLayout.h"
#include "screens/ScreenId.h"

namespace grimveil {

namespace {
using namespace gv::steps;
using gv::Event;

constexpr gv::Step kCloseContact[] = { unload_screen(index_of(ScreenId::Contact001)) };
constexpr gv::Step kCloseLinks[] = { unload_screen(index_of(ScreenId::Links001)) };
constexpr gv::Step kCloseCredits[] = { unload_screen(index_of(ScreenId::Credits001)) };

constexpr gv::Handler kContact[] = {
    { "Contact001_ClickExit_Click", gv::control_index(layouts::kContact001Controls, "ClickExit"),
      Event::Click, kCloseContact },
};
constexpr gv::Handler kLinks[] = {
    { "Links001_ClickClose_Click", gv::control_index(layouts::kLinks001Controls, "ClickClose"), Event::Click,
      kCloseLinks },
};
constexpr gv::Handler kCredits[] = {
    { "Credits001_ClickClose_Click", gv::control_index(layouts::kCredits001Controls, "ClickClose"),
      Event::Click, kCloseCredits },
};

} // namespace

gv::ScreenDefinition contact_screen() {
    return { &layouts::kContact001Layout, kContact };
}
gv::ScreenDefinition links_screen() {
    return { &layouts::kLinks001Layout, kLinks };
}
gv::ScreenDefinition credits_screen() {
    return { &layouts::kCredits001Layout, kCredits };
}

} // namespace grimveil
