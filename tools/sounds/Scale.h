#pragma once

#include <vector>

namespace vantor::tools::sounds {

// A key: a root note and the semitone steps of its mode. Degrees count scale steps from
// the root, 0 being the root itself, 7 the octave above in a seven-note mode; negative
// degrees go below. A Scale is a plain value, copied freely and read from any thread;
// nothing in it can fail.
class Scale {
public:
    // The first six are the major scale begun on its first to sixth degree, in that order;
    // harmonic minor is the minor scale with its seventh raised.
    enum class Mode { Major, Dorian, Phrygian, Lydian, Mixolydian, Minor, HarmonicMinor };

    Scale(int rootMidi, Mode mode);

    int Size() const { return static_cast<int>(steps.size()); }
    int Root() const { return root; }

    // The MIDI note of a degree.
    int Midi(int degree) const;

    // The degree whose note is nearest to midi (ties go down).
    int NearestDegree(double midi) const;

private:
    int root;
    std::vector<int> steps;
};

} // namespace vantor::tools::sounds
