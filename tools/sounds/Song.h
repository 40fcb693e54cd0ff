#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "tools/sounds/DrumHit.h"
#include "tools/sounds/DrumKit.h"
#include "tools/sounds/EchoDelay.h"
#include "tools/sounds/Part.h"

namespace vantor::tools::sounds {

// A whole piece of music, ready to render: tempo, length, instruments with their notes,
// drums, the room it plays in and how loud it is mastered.
struct Song {
    double bpm = 120.0;
    int beatsPerBar = 4;
    int bars = 16;
    // A looping piece is exactly bars long and its end runs on into its start; a piece
    // played once gets tailSeconds after its last bar to ring out.
    bool loops = true;
    double tailSeconds = 3.0;
    // Delay of every second sixteenth, as a fraction of a sixteenth.
    double swing = 0.0;
    // Random timing spread of notes and drum strokes, in seconds.
    double humanize = 0.003;

    std::vector<Part> parts;
    DrumKit kit;
    std::vector<DrumHit> drums;

    double reverbRoom = 0.7;
    double reverbDamping = 0.5;
    float reverbWet = 1.0f;
    EchoDelay echo;
    float echoWet = 1.0f;

    // Loudness of the finished piece: RMS and the ceiling no peak passes, in dBFS.
    double rmsDb = -22.0;
    double ceilingDb = -3.0;

    std::uint64_t seed = 1;

    // Adds an instrument playing the notes, or drum strokes.
    void Add(const Instrument& instrument, std::vector<Note> notes) {
        parts.push_back(Part{instrument, std::move(notes)});
    }
    void AddDrums(const std::vector<DrumHit>& hits) {
        drums.insert(drums.end(), hits.begin(), hits.end());
    }

    double BeatSeconds() const { return 60.0 / bpm; }
    double BarSeconds() const { return BeatSeconds() * beatsPerBar; }
    double LengthSeconds() const { return BarSeconds() * bars + (loops ? 0.0 : tailSeconds); }
};

} // namespace vantor::tools::sounds
