#pragma once

#include "app/PadBindings.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace vantor::app {

// The gamepads plugged in, each opened as SDL's game controller as it arrives (before the game
// or during it) and closed as it leaves. Any of them plays; the one used last names the
// buttons in prompts and feels the rumble. Owns the controllers it opened and closes them when
// it goes. Needs SDL's game controller part initialised; used on the game's thread.
class Gamepads {
public:
    Gamepads() = default;
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Adds the pad descriptions of a file in SDL's mapping format (gamecontrollerdb.txt), to
    // those SDL knows and those SDL_GAMECONTROLLERCONFIG gives. The number added; 0 without
    // the file, -1 (with SDL's reason in error) for a file that cannot be read.
    static int AddMappings(const std::string& path, std::string& error);

    // A controller device was added (SDL_CONTROLLERDEVICEADDED, by device index): opened,
    // unless already open. Removed (by instance id): closed; true when it was one of ours.
    void Added(int deviceIndex);
    bool Removed(SDL_JoystickID id);
    // Opens every controller already plugged in.
    void OpenAll();
    int Count() const { return static_cast<int>(pads.size()); }

    // The pad that sent the latest event becomes the one used last.
    void Used(SDL_JoystickID id);
    PadBindings::Style Style() const;

    // The tilt (-1 to 1) of the most tilted left and right stick of any pad.
    void Sticks(float& leftX, float& leftY, float& rightX, float& rightY) const;
    // Rumbles the pad used last, where it can; nothing where it cannot.
    void Rumble(Uint16 low, Uint16 high, Uint32 ms) const;

private:
    SDL_GameController* LastUsed() const;

    std::vector<SDL_GameController*> pads;
    SDL_JoystickID lastUsed = -1;
};

} // namespace vantor::app
