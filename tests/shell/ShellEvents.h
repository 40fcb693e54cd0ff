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

// The key a physical key means on a US keyboard, as SDL reports it with the event.
inline SDL_Keycode DefaultKey(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return SDLK_a + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return SDLK_1 + (scancode - SDL_SCANCODE_1);
    }
    switch (scancode) {
    case SDL_SCANCODE_0:
        return SDLK_0;
    case SDL_SCANCODE_RETURN:
        return SDLK_RETURN;
    case SDL_SCANCODE_ESCAPE:
        return SDLK_ESCAPE;
    case SDL_SCANCODE_EQUALS:
        return SDLK_EQUALS;
    case SDL_SCANCODE_SPACE:
        return SDLK_SPACE;
    default:
        // The keys SDL names by their place (keypad, function and arrow keys).
        return SDL_SCANCODE_TO_KEYCODE(scancode);
    }
}

// A key press or release: its physical key, the key it means (that of a US keyboard unless
// given), the modifiers held, and whether it repeats a key held down.
inline SDL_Event Key(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym = 0,
                     Uint16 mod = KMOD_NONE, bool repeat = false) {
    SDL_Event event = Of(type);
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = sym != 0 ? sym : DefaultKey(scancode);
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
