#pragma once

#include "app/KeyBindings.h"
#include "app/PadBindings.h"

namespace vantor::app {

// What the player chose and the game keeps from one run to the next. Volumes are whole
// percentages from 0 to 100; the window's place and size are those of the window when it is
// not fullscreen.
struct Settings {
    static constexpr int DefaultX = 100;
    static constexpr int DefaultY = 100;
    static constexpr int DefaultWidth = 1024;
    static constexpr int DefaultHeight = 768;
    static constexpr int MinimumWidth = 320; // the smallest window the game can still be seen in
    static constexpr int MinimumHeight = 240;
    static constexpr int VolumeStep = 10;

    bool fullscreen = false;
    int windowX = DefaultX;
    int windowY = DefaultY;
    int windowWidth = DefaultWidth;
    int windowHeight = DefaultHeight;
    int volume = 100;        // the 9 and 0 keys move this one
    int musicVolume = 100;   // the intro, the tracks, the boss track and the two end tunes
    int effectsVolume = 100; // engine, torpedo and explosions
    int voiceVolume = 100;   // the ship's computer
    bool mute = false;
    // The words of the ship's computer shown while it speaks.
    bool captions = true;
    bool pauseOnFocusLoss = true;
    // A held game key acts again with every input event while it is down (as the game always
    // has), unless each press is to act once.
    bool eachPressOnce = false;
    // While playing, the pointer cannot leave the window.
    bool keepMouseInside = false;
    // The right button flies and the left one fires.
    bool leftHanded = false;
    // Whether a game has been started before; until then the title shows how to reach the
    // help and the menu.
    bool playedBefore = false;
    // Prompts for a new player, until the player has done each thing once, and what has been
    // learned: flying, firing, the way on, a planet's choices, opening engineering.
    bool hints = true;
    bool learnedFly = false;
    bool learnedFire = false;
    bool learnedNextSector = false;
    bool learnedPlanet = false;
    bool learnedEngineering = false;
    // No flash of the picture's edge when the ship is rammed.
    bool reducedFlashing = false;
    KeyBindings keys;
    // A gamepad's buttons, and whether it rumbles when the ship is rammed or destroyed.
    PadBindings pad;
    bool rumble = true;

    bool operator==(const Settings&) const = default;

    // One step of 10% down or up, kept within 0 to 100.
    static int StepVolume(int volume, int steps);
};

} // namespace vantor::app
