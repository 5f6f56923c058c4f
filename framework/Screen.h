#pragma once

#include "CaptionLayout.h"
#include "Handler.h"
#include "Painter.h"
#include "ScreenDefinition.h"
#include "Status.h"
#include "WindowSystem.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace gv {

// A control of a loaded screen: the layout record it was built from and the
// little that handlers change (visibility, a timer's switch).
struct Control {
    const ControlRecord* record { nullptr };
    int parent { kForm };
    Rect rect;         // pixels, relative to the parent's inner area, after AutoSize
    Rect screen_rect;  // the same, in client-area pixels
    Rect visible_rect; // screen_rect cut to every ancestor's inner area
    Rect inner;        // client-area pixels inside the border
    bool visible { true };
    // Picture controls
    const Bitmap* picture { nullptr };
    std::vector<int> child_pictures; // layout order
    std::vector<int> child_labels;
    // Labels
    const Font* font { nullptr };
    DisplayText text;
    std::vector<TextLine> lines;
    // Timers
    bool enabled { false };
    std::int64_t deadline { 0 };
    std::uint64_t sequence { 0 }; // orders timers due at the same moment

    ControlKind kind() const { return record->kind; }
    std::string_view name() const { return record->name; }
};

// One loaded screen: its window, its controls built from the layout, the
// picture it shows and what has changed in it since it was last put on screen.
class Screen {
    struct Key {};

public:
    // Made only by build(), which the key keeps private.
    explicit Screen(Key) {}

    // Builds the controls of a layout (step 2 of loading a screen).
    static Status build(const ScreenDefinition&, PictureSource&, FontProvider&, std::unique_ptr<Screen>& out);

    const ScreenDefinition& definition() const { return *m_definition; }
    const ScreenLayout& layout() const { return *m_definition->layout; }
    std::string_view name() const { return layout().name; }

    std::span<Control> controls() { return m_controls; }
    std::span<const Control> controls() const { return m_controls; }
    const Control* find(std::string_view name) const;
    // The timers, in layout order: the event loop looks at these alone.
    std::span<const int> timers() const { return m_timers; }

    // Visibility of a picture control or label; the screen repaints what changed.
    void set_control_visible(int index, bool);
    // The control that receives the mouse at a client-area point, or kForm.
    int control_at(Point) const;

    // Paints the client area inside the region given, in client pixels.
    void paint(Painter&, Rect region) const;
    // Repaints what changed into the surface and returns the changed rectangles.
    std::span<const Rect> repaint();
    const Bitmap& surface() const { return m_surface; }
    void resize_surface(Size);
    void invalidate(Rect);
    void invalidate_all() { invalidate(m_surface.rect()); }

    // Window and window state, kept by the application.
    Window* window() { return m_window.get(); }
    void set_window(std::unique_ptr<Window> w) { m_window = std::move(w); }
    bool shown() const { return m_shown; }
    void set_shown(bool s) { m_shown = s; }
    WindowState window_state() const { return m_state; }
    void set_window_state(WindowState s) { m_state = s; }
    WindowState state_before_minimize() const { return m_state_before_minimize; }
    void set_state_before_minimize(WindowState s) { m_state_before_minimize = s; }

    // The control a primary press went down on, for Click on release.
    std::optional<int> pressed;

    const Handler* handler_for(int control, Event) const;

private:
    void paint_children(Painter&, int container) const;
    void paint_picture_control(Painter&, const Control&) const;
    void paint_label(Painter&, const Control&) const;
    int hit_children(int container, Point) const;
    std::span<const int> pictures_of(int container) const;
    std::span<const int> labels_of(int container) const;

    const ScreenDefinition* m_definition { nullptr };
    std::vector<Control> m_controls;
    std::vector<int> m_top_pictures;
    std::vector<int> m_top_labels;
    std::vector<int> m_timers;
    const Bitmap* m_background { nullptr };
    Bitmap m_surface;
    std::vector<Rect> m_dirty;
    std::vector<Rect> m_presented;
    std::unique_ptr<Window> m_window;
    bool m_shown { false };
    WindowState m_state { WindowState::Normal };
    WindowState m_state_before_minimize { WindowState::Normal };
};

} // namespace gv
