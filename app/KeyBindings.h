#pragma once

#include <SDL_keycode.h>

#include <array>
#include <string>

namespace vantor::app {

// Which key does what: the game's eight keys (the level sees each as the numeric-keypad key
// or Enter it has always read) and the player's own keys around the game. Every action has one
// key of the player's choosing, at most one action a key. The game's keys also keep a key of
// their own that serves keyboards without a numeric keypad (the top-row digits, '=' and the
// keypad's Enter), as long as the player has not given that key to another action. A plain
// value: copied with the settings, used on the game's thread.
class KeyBindings {
public:
    // The game's eight keys first, then the player's own. The names are those of the
    // settings file's [keys] section.
    enum class Action {
        Start,
        TakeEnergy,
        TakeScience,
        LeavePlanet,
        Engineering,
        Repair,
        MakeWarp,
        Research,
        Pause,
        Mute,
        VolumeDown,
        VolumeUp,
        Fullscreen,
        Screenshot,
        Help,
    };
    static constexpr int Count = 15;
    static constexpr int GameKeyCount = 8;
    static constexpr SDL_Keycode None = SDLK_UNKNOWN; // an action without a key

    // The actions in the order the menu lists them.
    static constexpr std::array<Action, Count> All = {
        Action::Start,       Action::TakeEnergy, Action::TakeScience, Action::LeavePlanet,
        Action::Engineering, Action::Repair,     Action::MakeWarp,    Action::Research,
        Action::Pause,       Action::Mute,       Action::VolumeDown,  Action::VolumeUp,
        Action::Fullscreen,  Action::Screenshot, Action::Help,
    };

    static bool IsGameKey(Action action) { return int(action) < GameKeyCount; }
    // The action's name in the settings file ("take_energy").
    static const char* Name(Action action);
    // What the action does, for the player: in the menu ("Take energy"), and in --help, where
    // it says when ("at a planet: take its energy").
    static const wchar_t* Label(Action action);
    static const char* HelpText(Action action);
    // The action of that name, false when there is none.
    static bool FromName(const std::string& name, Action& action);
    // The key an action has until the player chooses another.
    static SDL_Keycode Default(Action action);
    // The key that also does a game key's action while no action has it; 0 for none.
    static SDL_Keycode Alternative(Action action);

    // SDL's name of the key ("Keypad 1", "E", "F11"), except ";", which the settings file would
    // read as a comment and is written "Semicolon". Empty for no key.
    static std::string KeyName(SDL_Keycode key);
    // The key of that name (as KeyName writes it; letters in either case), 0 for none.
    static SDL_Keycode KeyFromName(const std::string& name);
    // Whether a player may give the key to an action: not Escape (which goes back in the menu)
    // or a key that only modifies others.
    static bool Bindable(SDL_Keycode key);

    SDL_Keycode KeyOf(Action action) const { return keys[size_t(action)]; }
    // The action the key does, false when it does none: an action's own key, else the
    // alternative key of a game key that no action has.
    bool ActionOf(SDL_Keycode key, Action& action) const;
    // Gives the key to the action (SDLK_UNKNOWN: no key at all). False, with the action that
    // has the key, when another action has it; the bindings stay as they were then.
    bool Bind(Action action, SDL_Keycode key, Action& holder);
    // Every action back to its default key.
    void Reset() { *this = KeyBindings{}; }

    bool operator==(const KeyBindings&) const = default;

private:
    std::array<SDL_Keycode, Count> keys = [] {
        std::array<SDL_Keycode, Count> defaults{};
        for (Action action : All) {
            defaults[size_t(action)] = Default(action);
        }
        return defaults;
    }();
};

} // namespace vantor::app
