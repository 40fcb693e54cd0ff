#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "tools/Random.h"
#include "tools/sounds/DrumHit.h"

namespace vantor::tools::sounds {

// The synthesized drum machine of one piece. Each drum is tuned here and rendered once
// as a mono sample; the sequencer then places copies of it. A kit is a plain value its Song
// owns; Render only reads it, drawing noise from the Random it is given, which the caller
// owns and uses from one thread. Nothing here fails.
class DrumKit {
public:
    double kickStartHz = 160.0;
    double kickEndHz = 48.0;
    double kickPitchDecay = 0.035;
    double kickDecay = 0.35;
    float kickClick = 0.3f;
    float kickDrive = 0.3f;

    double snareToneHz = 190.0;
    double snareDecay = 0.17;
    double snareNoiseHz = 1800.0;
    float snareTone = 0.45f;

    double clapDecay = 0.18;
    double clapHz = 1200.0;

    double hatHz = 7500.0;
    double hatDecay = 0.045;
    double openHatDecay = 0.32;

    double lowTomHz = 95.0;
    double highTomHz = 150.0;
    double tomDecay = 0.35;

    double crashDecay = 1.6;

    // Where a drum sits in the mix: its loudness while playing (RMS in dBFS before
    // mastering, as for instruments), its position (-1 left to 1 right) and reverb send.
    struct Mix {
        double level;
        float pan;
        float reverbSend;
    };
    // Indexed by Drum; MixOf finds a drum's row.
    std::array<Mix, 10> mix = {{
        {-17.0, 0.0f, 0.05f},   // Kick
        {-21.0, 0.05f, 0.35f},  // Snare
        {-22.0, -0.1f, 0.4f},   // Clap
        {-30.0, 0.3f, 0.1f},    // ClosedHat
        {-30.0, 0.3f, 0.15f},   // OpenHat
        {-21.0, -0.35f, 0.25f}, // LowTom
        {-22.0, 0.35f, 0.25f},  // HighTom
        {-28.0, -0.2f, 0.3f},   // Crash
        {-27.0, -0.15f, 0.2f},  // Rim
        {-31.0, 0.4f, 0.15f},   // Shaker
    }};
    Mix& MixOf(Drum drum) { return mix[static_cast<std::size_t>(drum)]; }
    const Mix& MixOf(Drum drum) const { return mix[static_cast<std::size_t>(drum)]; }

    // The drum as a mono sample at the generator's sample rate, peak around 1.
    std::vector<float> Render(Drum drum, tools::Random& random) const;

private:
    std::vector<float> Kick(tools::Random& random) const;
    std::vector<float> Snare(tools::Random& random) const;
    std::vector<float> Clap(tools::Random& random) const;
    std::vector<float> Hat(double decaySeconds, tools::Random& random) const;
    std::vector<float> Tom(double hz, tools::Random& random) const;
    std::vector<float> Crash(tools::Random& random) const;
    std::vector<float> Rim(tools::Random& random) const;
    std::vector<float> Shaker(tools::Random& random) const;
};

} // namespace vantor::tools::sounds
