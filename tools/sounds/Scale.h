#pragma once

#include <vector>

// A key: a root note and the semitone steps of its mode. Degrees count scale steps from
// the root, 0 being the root itself, 7 the octave above in a seven-note mode; negative
// degrees go below.
class Scale {
public:
    Scale(int rootMidi, std::vector<int> semitones);

    static std::vector<int> Major();
    static std::vector<int> Minor();
    static std::vector<int> Dorian();
    static std::vector<int> Phrygian();
    static std::vector<int> Lydian();
    static std::vector<int> Mixolydian();
    static std::vector<int> HarmonicMinor();

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
