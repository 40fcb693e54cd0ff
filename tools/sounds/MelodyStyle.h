#pragma once

#include <string>
#include <vector>

namespace vantor::tools::sounds {

// How a generated melody moves: its phrase plan, range, rhythms and leaps.
struct MelodyStyle {
    // Phrases of phraseBars bars, one letter each; a letter that comes back repeats its
    // phrase, moved onto the chords under it.
    int phraseBars = 2;
    std::string form = "AABA";
    // Range in scale degrees from the scale's root, plus a whole-octave shift.
    int lowDegree = 0;
    int highDegree = 9;
    int octaveShift = 0;
    // One-beat rhythm cells in sixteenths: x starts a note, - holds, . rests.
    std::vector<std::string> cells = {"x---", "x-x-", "x-x-", "x--x", "----"};
    double restChance = 0.1;
    double leapChance = 0.25;
    double gate = 0.9;
    float velocity = 0.9f;
};

} // namespace vantor::tools::sounds
