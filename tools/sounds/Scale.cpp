#include "tools/sounds/Scale.h"

#include <array>
#include <cmath>

namespace vantor::tools::sounds {

namespace {

// The semitones of the mode's degrees above its root.
std::vector<int> Steps(Scale::Mode mode) {
    if (mode == Scale::Mode::HarmonicMinor) {
        std::vector<int> steps = Steps(Scale::Mode::Minor);
        ++steps.back();
        return steps;
    }
    constexpr std::array<int, 7> major = {0, 2, 4, 5, 7, 9, 11};
    const std::size_t first = static_cast<std::size_t>(mode);
    std::vector<int> steps;
    for (std::size_t i = 0; i < major.size(); ++i) {
        const int above = major[(first + i) % major.size()] - major[first];
        steps.push_back(above < 0 ? above + 12 : above);
    }
    return steps;
}

} // namespace

Scale::Scale(int rootMidi, Mode mode) : root(rootMidi), steps(Steps(mode)) {}

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

} // namespace vantor::tools::sounds
