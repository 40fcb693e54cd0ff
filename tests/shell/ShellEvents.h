#pragma once

#include <SDL.h>

namespace vantor::test {

// SDL events as the window would deliver them, for the shell's tests.
namespace ShellEvents {

// An event of that type and nothing more.
inline SDL_Event Of(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    return event;
}

// A key press or release: its physical key, the key it means (0 for none of the shell's own
// keys), the modifiers held, and whether it repeats a key held down.
inline SDL_Event Key(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym = 0,
                     Uint16 mod = KMOD_NONE, bool repeat = false) {
    SDL_Event event = Of(type);
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat ? 1 : 0;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

inline SDL_Event Down(SDL_Scancode scancode, SDL_Keycode sym = 0, Uint16 mod = KMOD_NONE) {
    return Key(SDL_KEYDOWN, scancode, sym, mod);
}

inline SDL_Event Up(SDL_Scancode scancode) {
    return Key(SDL_KEYUP, scancode);
}

inline SDL_Event Button(Uint8 button, int x, int y) {
    SDL_Event event = Of(SDL_MOUSEBUTTONDOWN);
    event.button.button = button;
    event.button.state = SDL_PRESSED;
    event.button.x = x;
    event.button.y = y;
    return event;
}

inline SDL_Event Motion() {
    return Of(SDL_MOUSEMOTION);
}

inline SDL_Event WindowEvent(Uint8 what) {
    SDL_Event event = Of(SDL_WINDOWEVENT);
    event.window.event = what;
    return event;
}

} // namespace ShellEvents

} // namespace vantor::test
