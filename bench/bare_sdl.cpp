// The floor for start-up: a bare SDL program that opens one borderless
// window of the splash's size, centred, presents one frame and waits to be
// ended, set up as the guide sets SDL up, so that the comparison is of what
// the guide adds. first_frame times it beside the guide.
#include <SDL.h>

#include <cstdlib>

int main() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    setenv("XCOMPOSEFILE", "/dev/null", 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 584, 264,
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR);
    if (!window) return 1;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return 1;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 40, 90, 160));
    SDL_UpdateWindowSurface(window);
    SDL_Event e;
    while (SDL_WaitEvent(&e))
        if (e.type == SDL_QUIT) break;
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
