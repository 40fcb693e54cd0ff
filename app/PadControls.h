#pragma once

#include "app/HeldKeys.h"
#include "app/PadBindings.h"
#include "game/LevelView.h"

#include <SDL_gamecontroller.h>

#include <string>

namespace vantor::app {

// What a gamepad's buttons mean where the game stands, and what the shell shows and does for a
// pad player: a plain mapping from a button (and the level's view, and whether the menu is up)
// to what the shell is to do, so that a pad gives the level the same clicks and the same game
// keys as the mouse and the keyboard do. No state of its own; used on the game's thread.
class PadControls {
public:
    // What a button press asks of the shell.
    struct Intent {
        enum class Kind {
            Nothing,
            Fly,     // a left click at the crosshair
            Fire,    // a right click at the crosshair
            GameKey, // one press of a game key
            Menu,    // open the menu (or, in the menu, close it)
            MenuUp,
            MenuDown,
            MenuLeft,
            MenuRight,
            MenuChoose,
            MenuBack,
        };
        Kind kind = Kind::Nothing;
        HeldKeys::Key key = HeldKeys::Count; // of a GameKey

        bool operator==(const Intent&) const = default;
    };

    // Where the game waits for the player, for the prompt line.
    enum class Situation { None, Title, Planet, Engineering, End };

    // A short rumble: the strengths of the low and high frequency motors (0 to 0xFFFF) and
    // how long, in milliseconds; none when ms is 0.
    struct Rumble {
        Uint16 low = 0;
        Uint16 high = 0;
        Uint32 ms = 0;
    };

    static Intent ForButton(SDL_GameControllerButton button, const PadBindings& bindings,
                            const game::LevelView& view, bool menuOpen);
    // The right trigger pulled past half way fires, as the fire button does.
    static constexpr Sint16 TriggerPulled = 16384;

    static Situation SituationOf(const game::LevelView& view);
    // The prompt line for a situation: the pad's buttons, as the pad labels them, next to
    // what they do there; empty for None.
    static std::wstring Prompt(Situation situation, const PadBindings& bindings,
                               PadBindings::Style style);

    // What the pad feels when the level changed so: a short one for a ramming, a long strong
    // one for the ship's destruction.
    static Rumble RumbleFor(const game::LevelView& before, const game::LevelView& now);
};

} // namespace vantor::app
