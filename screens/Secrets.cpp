// The secrets ring: Next and Previous show the neighbouring page first and
// unload their own page second, so some page is always loaded; a neighbour
// that is already loaded is shown as it is, not built again.
#include "screens/Secrets.h"

#include "layouts/SecretsLayout.h"
#include "screens/ScreenId.h"

#include <array>

namespace grimveil {

namespace {
using namespace gv::steps;
using gv::Event;

constexpr gv::ScreenIndex page_index(int page) {
    return gv::ScreenIndex(index_of(ScreenId::Secrets001) + (page + 2) % 3);
}

// Page p (1 to 3) of the ring, and the pages on either side of it.
template <int Page> struct Ring {
    static constexpr gv::ScreenIndex self = page_index(Page);
    static constexpr gv::Step next[] = { show_screen(page_index(Page + 1)), unload_screen(self) };
    static constexpr gv::Step previous[] = { show_screen(page_index(Page - 1)), unload_screen(self) };
    static constexpr gv::Step close[] = { unload_screen(self) };
};

template <int Page>
constexpr std::array<gv::Handler, 3> handlers(std::span<const gv::ControlRecord> controls,
                                              std::string_view next_name, std::string_view previous_name,
                                              std::string_view close_name) {
    return { { { next_name, gv::control_index(controls, "Next"), Event::Click, Ring<Page>::next },
               { previous_name, gv::control_index(controls, "Previous"), Event::Click, Ring<Page>::previous },
               { close_name, gv::control_index(controls, layouts::kSecretsPanel.close_name), Event::Click,
                 Ring<Page>::close } } };
}

inline constexpr auto kPage1 = handlers<1>(layouts::kSecrets001Controls, "Secrets001_Next_Click",
                                           "Secrets001_Previous_Click", "Secrets001_ClickerExit_Click");
inline constexpr auto kPage2 = handlers<2>(layouts::kSecrets002Controls, "Secrets002_Next_Click",
                                           "Secrets002_Previous_Click", "Secrets002_ClickerExit_Click");
inline constexpr auto kPage3 = handlers<3>(layouts::kSecrets003Controls, "Secrets003_Next_Click",
                                           "Secrets003_Previous_Click", "Secrets003_ClickerExit_Click");

} // namespace

gv::ScreenDefinition secrets_screen(int page) {
    switch (page) {
    case 1:
        return { &layouts::kSecrets001Layout, kPage1 };
    case 2:
        return { &layouts::kSecrets002Layout, kPage2 };
    default:
        return { &layouts::kSecrets003Layout, kPage3 };
    }
}

} // namespace grimveil
