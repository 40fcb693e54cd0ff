#pragma once

#include <string>

namespace vantor::app {

// What the player chose and the game keeps from one run to the next. Volumes are whole
// percentages from 0 to 100; the window's place and size are those of the window when it is
// not fullscreen.
struct Settings {
    static constexpr int DefaultX = 100;
    static constexpr int DefaultY = 100;
    static constexpr int DefaultWidth = 1024;
    static constexpr int DefaultHeight = 768;
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
    bool pauseOnFocusLoss = true;

    bool operator==(const Settings&) const = default;

    // One step of 10% down or up, kept within 0 to 100.
    static int StepVolume(int volume, int steps);
};

} // namespace vantor::app
