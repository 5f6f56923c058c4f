#include "ScreenDefinition.h"

#include <set>
#include <string>

namespace gv {

namespace {

std::string check_screen(const ScreenDefinition& def, std::size_t screen_count) {
    const ScreenLayout& layout = *def.layout;
    const std::string screen(layout.name);
    const auto controls = layout.controls;
    if (!is_valid_color(layout.back_color)) return screen + ": unknown BackColor";

    std::set<std::string_view> names;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlRecord& c = controls[i];
        const std::string where = screen + "." + std::string(c.name);
        if (c.name.empty() || !names.insert(c.name).second) return where + ": empty or repeated control name";
        if (!is_valid_color(c.back_color) || !is_valid_color(c.fore_color)) return where + ": unknown colour";
        if (c.kind == ControlKind::Timer && c.interval <= 0) return where + ": a timer needs an interval";
        if (c.parent.empty()) continue;
        std::size_t p = 0;
        while (p < i && controls[p].name != c.parent) ++p;
        if (p == i) return where + ": parent " + std::string(c.parent) + " is not an earlier control";
        if (controls[p].kind != ControlKind::PictureBox)
            return where + ": parent " + std::string(c.parent) + " is not a picture control";
    }

    std::set<std::pair<int, Event>> bound;
    for (const Handler& h : def.handlers) {
        if (h.control != kForm && (h.control < 0 || std::size_t(h.control) >= controls.size()))
            return screen + ": handler " + std::string(h.name) + " names no control";
        const std::string control = h.control == kForm ? "Form" : std::string(controls[h.control].name);
        const std::string expected = screen + "_" + control + "_" + std::string(event_name(h.event));
        if (h.name != expected)
            return screen + ": handler " + std::string(h.name) + " should be named " + expected;
        if (!bound.insert({ h.control, h.event }).second) return expected + ": bound twice";
        const ControlKind kind = h.control == kForm ? ControlKind::PictureBox : controls[h.control].kind;
        bool fits = false;
        switch (h.event) {
        case Event::Click:
            fits = kind != ControlKind::Timer;
            break;
        case Event::MouseMove:
            fits = kind == ControlKind::PictureBox;
            break;
        case Event::Timer:
            fits = h.control != kForm && kind == ControlKind::Timer;
            break;
        case Event::Load:
        case Event::QueryUnload:
            fits = h.control == kForm;
            break;
        }
        if (!fits) return expected + ": that control raises no such event";

        for (const Step& s : h.steps) {
            if (is_control_step(s.kind)) {
                if (s.target < 0 || std::size_t(s.target) >= controls.size())
                    return expected + ": a step names no control";
                const bool is_timer = controls[s.target].kind == ControlKind::Timer;
                const bool timer_step = s.kind == StepKind::EnableTimer || s.kind == StepKind::DisableTimer;
                if (is_timer != timer_step)
                    return expected + ": step does not fit " + std::string(controls[s.target].name);
            } else {
                if (s.target < 0 || std::size_t(s.target) >= screen_count)
                    return expected + ": a step names no screen";
            }
        }
    }
    return {};
}

} // namespace

std::string validate_registry(std::span<const ScreenDefinition> registry) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < registry.size(); ++i) {
        const ScreenDefinition& def = registry[i];
        if (!def.layout) return "screen " + std::to_string(i) + " has no layout";
        if (def.layout->name.empty() || !names.insert(def.layout->name).second)
            return "empty or repeated screen name " + std::string(def.layout->name);
        if (std::string problem = check_screen(def, registry.size()); !problem.empty()) return problem;
    }
    // Unloading one's own screen is recognised by index, which the per-screen
    // check cannot see; do it here.
    for (std::size_t i = 0; i < registry.size(); ++i) {
        for (const Handler& h : registry[i].handlers) {
            bool own_unloaded = false;
            for (const Step& s : h.steps) {
                if (is_control_step(s.kind) && own_unloaded)
                    return std::string(h.name) + ": changes a control after unloading its own screen";
                if (s.kind == StepKind::UnloadScreen && std::size_t(s.target) == i) own_unloaded = true;
            }
        }
    }
    return {};
}

} // namespace gv
