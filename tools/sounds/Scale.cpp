#include "tools/sounds/Scale.h"

#include <cmath>
#include <utility>

Scale::Scale(int rootMidi, std::vector<int> semitones)
    : root(rootMidi), steps(std::move(semitones)) {}

std::vector<int> Scale::Major() {
    return {0, 2, 4, 5, 7, 9, 11};
}
std::vector<int> Scale::Minor() {
    return {0, 2, 3, 5, 7, 8, 10};
}
std::vector<int> Scale::Dorian() {
    return {0, 2, 3, 5, 7, 9, 10};
}
std::vector<int> Scale::Phrygian() {
    return {0, 1, 3, 5, 7, 8, 10};
}
std::vector<int> Scale::Lydian() {
    return {0, 2, 4, 6, 7, 9, 11};
}
std::vector<int> Scale::Mixolydian() {
    return {0, 2, 4, 5, 7, 9, 10};
}
std::vector<int> Scale::HarmonicMinor() {
    return {0, 2, 3, 5, 7, 8, 11};
}

int Scale::Midi(int degree) const {
    const int size = Size();
    int octave = degree / size;
    int step = degree % size;
    if (step < 0) {
        step += size;
        --octave;
    }
    return root + 12 * octave + steps[step];
}

int Scale::NearestDegree(double midi) const {
    // Start from a degree certainly below and walk up.
    int degree = static_cast<int>(std::floor((midi - root) / 12.0)) * Size() - Size();
    while (Midi(degree + 1) <= midi) {
        ++degree;
    }
    const double below = midi - Midi(degree);
    const double above = Midi(degree + 1) - midi;
    return above < below ? degree + 1 : degree;
}
