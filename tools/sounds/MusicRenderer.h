#pragma once

#include "tools/sounds/MixBuses.h"
#include "tools/sounds/Song.h"
#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// Plays a Song into a finished stereo buffer: every note and drum stroke, the reverb and
// echo, the loop seam (or the ending) and the mastering level. The renderer keeps its
// mixing buffers from one piece to the next, which saves clearing fresh memory each time.
class MusicRenderer {
public:
    StereoBuffer Render(const Song& song);

    // Length of the fades at the ends of a looping piece, in frames.
    static constexpr int LoopEdgeFrames = 220;

private:
    MixBuses buses;
    StereoBuffer part;
};

} // namespace vantor::tools::sounds
