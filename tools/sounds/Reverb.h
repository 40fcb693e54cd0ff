#pragma once

#include <cstddef>
#include <vector>

#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// A plate-like room: eight damped feedback combs and four allpasses per channel, the right
// channel slightly detuned from the left for width.
class Reverb {
public:
    // roomSize 0..1 sets the decay time, damping 0..1 how fast the highs die away.
    Reverb(double roomSize, double damping);

    // Adds the reverberated input to output (same length), scaled by wet.
    void Process(const StereoBuffer& input, StereoBuffer& output, float wet);

private:
    struct Comb {
        std::vector<float> buffer;
        std::size_t index = 0;
        float store = 0.0f;
    };
    struct Allpass {
        std::vector<float> buffer;
        std::size_t index = 0;
    };

    float feedback;
    float damp;
    std::vector<Comb> combs[2];
    std::vector<Allpass> allpasses[2];
};

} // namespace vantor::tools::sounds
