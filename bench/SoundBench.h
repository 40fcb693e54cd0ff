#pragma once

namespace vantor::bench {

// Sound commands for files the player has already decoded, sent to the SDL2_mixer player on
// SDL's dummy audio driver, beside parsing the command alone.
class SoundBench {
public:
    static void Register();
};

} // namespace vantor::bench
