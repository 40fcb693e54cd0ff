#pragma once

#include <SDL.h>

#include <array>

namespace vantor::app {

// The eight keys the game reads, kept as held or released from the key events as the
// window procedure handles them, so that a quick tap (press and release queued together)
// is still seen as held while its press is handled. Several physical keys can stand for
// one game key: Return and keypad Enter; the top-row digits 1 to 6 and the '=' / '+' key
// serve keyboards without a numeric keypad.
class HeldKeys {
public:
    // In the order the window procedure polls them.
    enum Key { Numpad1, Numpad2, Numpad3, Numpad4, Numpad5, Numpad6, Add, Enter, Count };

    // The game key a physical key stands for, or -1 for any other key.
    static int KeyFor(SDL_Scancode scancode);

    void Press(SDL_Scancode scancode);
    void Release(SDL_Scancode scancode);
    // Forgets every held key, as when the window loses the keyboard.
    void ReleaseAll();
    bool IsHeld(Key key) const;

private:
    std::array<bool, SDL_NUM_SCANCODES> down{};
    std::array<int, Count> physicalKeysDown{}; // per game key
};

} // namespace vantor::app
