#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace gv {

// QueryUnload: the window system asks the screen to close. A screen without
// a handler for it is unloaded.
enum class Event { Click, MouseMove, Timer, Load, QueryUnload };

constexpr std::string_view event_name(Event e) {
    switch (e) {
    case Event::Click:
        return "Click";
    case Event::MouseMove:
        return "MouseMove";
    case Event::Timer:
        return "Timer";
    case Event::Load:
        return "Load";
    case Event::QueryUnload:
        return "QueryUnload";
    }
    return "";
}

// A screen is addressed by its place in the program's registry.
using ScreenIndex = std::uint16_t;

// One step of a handler: a property assignment on a control of the handler's
// own screen, or one of the three screen operations on any screen.
enum class StepKind {
    ShowControl,
    HideControl,
    EnableTimer,
    DisableTimer,
    ShowScreen,
    MinimizeScreen,
    UnloadScreen
};

struct Step {
    StepKind kind { StepKind::ShowControl };
    int target { 0 }; // a control index for the control steps, a screen index for the others

    friend constexpr bool operator==(const Step&, const Step&) = default;
};

constexpr bool is_control_step(StepKind k) {
    return k <= StepKind::DisableTimer;
}

inline constexpr int kForm = -1; // the screen's own events

// A handler is a fixed list of steps: no conditions, no loops, no reads.
struct Handler {
    std::string_view name; // <Screen>_<Control>_<Event>, or <Screen>_Form_<Event>
    int control { kForm };
    Event event { Event::Click };
    std::span<const Step> steps;
};

namespace steps {
constexpr Step show(int control) {
    return { StepKind::ShowControl, control };
}
constexpr Step hide(int control) {
    return { StepKind::HideControl, control };
}
constexpr Step enable(int timer) {
    return { StepKind::EnableTimer, timer };
}
constexpr Step disable(int timer) {
    return { StepKind::DisableTimer, timer };
}
constexpr Step show_screen(ScreenIndex s) {
    return { StepKind::ShowScreen, s };
}
constexpr Step minimize_screen(ScreenIndex s) {
    return { StepKind::MinimizeScreen, s };
}
constexpr Step unload_screen(ScreenIndex s) {
    return { StepKind::UnloadScreen, s };
}
} // namespace steps

} // namespace gv
