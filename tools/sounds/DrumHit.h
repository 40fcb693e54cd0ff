#pragma once

namespace vantor::tools::sounds {

enum class Drum { Kick, Snare, Clap, ClosedHat, OpenHat, LowTom, HighTom, Crash, Rim, Shaker };

// One stroke of a drum, placed in beats from the start of the piece.
struct DrumHit {
    Drum drum = Drum::Kick;
    double beat = 0.0;
    float velocity = 1.0f;
};

} // namespace vantor::tools::sounds
