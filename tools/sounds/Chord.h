#pragma once

namespace vantor::tools::sounds {

// A chord built on a degree of the piece's scale. Diatonic chords stack the scale's own
// thirds; the other qualities force fixed intervals (a major V in a minor key, say).
struct Chord {
    enum class Quality { Diatonic, Major, Minor, Sus2, Sus4 };

    int degree = 0;
    Quality quality = Quality::Diatonic;
    bool seventh = false;
};

} // namespace vantor::tools::sounds
