#pragma once

#include "framework/WindowSystem.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

union SDL_Event;
struct SDL_Window;

namespace gv {

class SdlWindow;
class SharedImages;

// Real windows through SDL: borderless top-level windows, and a wait that
// sleeps until the next input or the time-out.
class SdlWindowSystem final : public WindowSystem {
    struct Key {};

public:
    // Made only by open(), once SDL has started.
    explicit SdlWindowSystem(Key);
    // Null, with the reason in `error`, when there is no display to open.
    // On a desktop that scales programs, every window is enlarged by the
    // desktop's whole-number factor, kept small enough for `largest_artwork`
    // to fit the display.
    static std::unique_ptr<SdlWindowSystem> open(std::string& error, Size largest_artwork = {});
    ~SdlWindowSystem() override;

    std::unique_ptr<Window> create_window(const WindowSpec&, WindowEvents&) override;
    // Makes the memory its first picture goes through ready, shared with the X server.
    void prepare_window(const WindowSpec&) override;
    // In the program's pixels: the display's divided by the scale.
    Size display_size() const override;
    // Display pixels per program pixel; 1 until the first window is made.
    int scale() const { return m_scale; }
    std::string last_error() const override { return m_last_error; }

    WaitResult wait(std::optional<std::int64_t> timeout_ms) override;

private:
    friend class SdlWindow;
    void dispatch(const ::SDL_Event&);
    ::SDL_Window* make_window(const WindowSpec&);

    // Made ahead of their screens' loads, hidden, with the spec they were made for.
    struct ReadyWindow {
        WindowSpec spec;
        ::SDL_Window* window;
    };
    std::vector<ReadyWindow> m_ready;

    std::map<std::uint32_t, SdlWindow*> m_windows; // by SDL window id
    std::vector<SdlWindow*> m_stack;               // shown windows, the last raised last
    std::string m_last_error;
    int m_default_places { 0 }; // new windows placed by the cascade so far
    Size m_largest_artwork;
    int m_scale { 1 };
    bool m_scale_known { false };           // read from the desktop with the first window
    std::unique_ptr<SharedImages> m_shared; // none off X, or when the server offers no shared memory
};

} // namespace gv
