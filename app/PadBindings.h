#pragma once

#include <SDL_gamecontroller.h>

#include <array>
#include <string>

namespace vantor::app {

// Which gamepad button does what in play. A button is SDL's by its place on the pad (the south
// face button is A whatever the pad prints on it); what the player reads is the pad's own label,
// by its family (`Style`). Start always opens the menu, and in the menu the D-pad, the south
// button and the east button always move, choose and go back, as the keyboard's arrows, Enter
// and Escape do; the right trigger always fires too. Every other action has one button of the
// player's choosing, at most one action a button. A plain value: copied with the settings, used
// on the game's thread.
class PadBindings {
public:
    // The names are those of the settings file's [pad] section.
    enum class Action {
        Fly,         // fly to the crosshair; on the title and the end screen, start
        Fire,        // fire at the crosshair
        Engineering, // open engineering
        Close,       // close engineering, leave a planet
        First,       // at a planet take energy, in engineering repair
        Second,      // take science, make warp energy
        Third,       // leave the planet, research weapons
    };
    static constexpr int Count = 7;
    static constexpr SDL_GameControllerButton None = SDL_CONTROLLER_BUTTON_INVALID;
    static constexpr std::array<Action, Count> All = {
        Action::Fly,   Action::Fire,   Action::Engineering, Action::Close,
        Action::First, Action::Second, Action::Third,
    };

    // The families of pads whose face buttons are labelled differently.
    enum class Style { Xbox, PlayStation, Nintendo };
    static Style StyleOf(SDL_GameControllerType type);

    static const char* Name(Action action);
    // What the action does, for the menu ("Fly to the crosshair / start").
    static const wchar_t* Label(Action action);
    static SDL_GameControllerButton Default(Action action);

    // The button as the pad labels it: "A", "Cross", "D-pad left", "LB"...
    static std::wstring ButtonLabel(SDL_GameControllerButton button, Style style);
    // The button's name in the settings file (SDL's: "a", "dpleft", "leftshoulder"), and back;
    // SDL_CONTROLLER_BUTTON_INVALID for a name that is no button.
    static std::string ButtonName(SDL_GameControllerButton button);
    static SDL_GameControllerButton ButtonFromName(const std::string& name);
    // Whether a player may give the button to an action: not Start or the pad's home button.
    static bool Bindable(SDL_GameControllerButton button);

    SDL_GameControllerButton ButtonOf(Action action) const { return buttons[size_t(action)]; }
    // The action the button does, false when none.
    bool ActionOf(SDL_GameControllerButton button, Action& action) const;
    // Gives the button to the action. False, with the action that has it, when another one
    // does; the bindings stay as they were then.
    bool Bind(Action action, SDL_GameControllerButton button, Action& holder);
    void Reset() { *this = PadBindings{}; }

    bool operator==(const PadBindings&) const = default;

private:
    std::array<SDL_GameControllerButton, Count> buttons = [] {
        std::array<SDL_GameControllerButton, Count> defaults{};
        for (Action action : All) {
            defaults[size_t(action)] = Default(action);
        }
        return defaults;
    }();
};

} // namespace vantor::app
