#pragma once

#include <vector>

namespace vantor::tools::sounds {

// One note of a piece, placed in beats from the start of the piece.
struct Note {
    double beat = 0.0;
    double length = 1.0; // in beats, until the key is released
    double midi = 60.0;  // pitch as a MIDI note number; fractions detune
    float velocity = 1.0f;
};

// The notes of the first list followed by those of the second.
inline std::vector<Note> JoinNotes(std::vector<Note> first, const std::vector<Note>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace vantor::tools::sounds
