#pragma once

// One note of a piece, placed in beats from the start of the piece.
struct Note {
    double beat = 0.0;
    double length = 1.0; // in beats, until the key is released
    double midi = 60.0;  // pitch as a MIDI note number; fractions detune
    float velocity = 1.0f;
};
