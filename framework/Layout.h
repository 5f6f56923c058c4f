#pragma once

#include "Color.h"
#include "Font.h"

#include <span>
#include <string_view>

namespace gv {

enum class ControlKind { PictureBox, Label, Timer };

// BorderStyle. The default differs by kind: a picture control has a border
// unless the layout says otherwise, a label has none.
enum class Border { KindDefault, None, Single };
enum class BackStyle { Transparent, Opaque };
enum class Alignment { Left, Right, Center };
enum class AutoSize { Off, On };
enum class StartPosition { CenterOwner = 1, CenterScreen = 2, WindowsDefault = 3 };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

inline constexpr OleColor kDefaultBackColor { 0x8000000F }; // button face
inline constexpr OleColor kDefaultForeColor { 0x80000012 }; // button text

// One control of a layout: the properties that differ from the kind's
// defaults. Coordinates are twips relative to the parent's inner area. Records
// sharing a parent are in layout order: the earlier lies on top.
struct ControlRecord {
    ControlKind kind { ControlKind::Label };
    std::string_view name;
    std::string_view parent {}; // empty: directly on the screen
    int left { 0 };
    int top { 0 };
    int width { 0 };
    int height { 0 };
    bool visible { true };
    std::string_view caption {}; // labels, code page 1252
    std::string_view picture {}; // picture controls: an asset name
    FontSpec font {};
    OleColor fore_color { kDefaultForeColor };
    OleColor back_color { kDefaultBackColor };
    Border border { Border::KindDefault };
    BackStyle back_style { BackStyle::Opaque }; // labels
    AutoSize auto_size { AutoSize::Off };
    Alignment alignment { Alignment::Left };
    int interval { 0 };    // timers, milliseconds
    bool enabled { true }; // timers

    constexpr bool has_border() const {
        return border == Border::Single || (border == Border::KindDefault && kind == ControlKind::PictureBox);
    }
};

struct ScreenLayout {
    std::string_view name;
    std::string_view caption;
    OleColor back_color { 0x8000000F };
    std::string_view picture {};
    std::string_view icon {};
    int client_width { 0 };  // twips
    int client_height { 0 }; // twips
    StartPosition start_position { StartPosition::CenterScreen };
    WindowState window_state { WindowState::Normal };
    bool show_in_taskbar { false };
    std::span<const ControlRecord> controls;
};

// Index of a control in its layout, or -1.
constexpr int find_control(std::span<const ControlRecord> controls, std::string_view name) {
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name == name) return int(i);
    return -1;
}

// The same, for layouts and handlers written as constants: an unknown name
// there is a compile error. The framework, at run time, uses find_control.
constexpr int control_index(std::span<const ControlRecord> controls, std::string_view name) {
    const int i = find_control(controls, name);
    if (i < 0) throw "no control of that name in the layout";
    return i;
}

} // namespace gv
