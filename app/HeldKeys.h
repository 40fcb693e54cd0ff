#pragma once

#include "app/KeyBindings.h"

#include <SDL.h>

#include <array>

namespace vantor::app {

// The eight keys the game reads, kept as held or released from the key events as the window
// procedure handles them, so that a quick tap (press and release queued together) is still
// seen as held while its press is handled. Which physical key stands for which game key is the
// key bindings' to say when it is pressed; its release lets go of what its press held, so that
// keys changed in between never leave one held. Several physical keys can hold one game key.
class HeldKeys {
public:
    // In the order the window procedure polls them.
    enum Key { Numpad1, Numpad2, Numpad3, Numpad4, Numpad5, Numpad6, Add, Enter, Count };

    // The game key of one of the game's actions, Count for the player's own actions.
    static Key For(KeyBindings::Action action);

    // The physical key went down, standing for the game key (Count for none).
    void Press(SDL_Scancode scancode, Key key);
    void Release(SDL_Scancode scancode);
    // Forgets every held key, as when the window loses the keyboard.
    void ReleaseAll();
    bool IsHeld(Key key) const;

private:
    static constexpr Uint8 Up = 0xFF;
    // For each physical key that is down, the game key it holds (Count for none); Up when up.
    std::array<Uint8, SDL_NUM_SCANCODES> held = [] {
        std::array<Uint8, SDL_NUM_SCANCODES> none{};
        none.fill(Up);
        return none;
    }();
    std::array<int, Count> physicalKeysDown{}; // per game key
};

} // namespace vantor::app
