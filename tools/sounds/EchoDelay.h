#pragma once

#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// A ping-pong echo: each repeat crosses to the other side and loses a little treble.
class EchoDelay {
public:
    double seconds = 0.375;
    float feedback = 0.35f;
    // Cutoff of the gentle one-pole lowpass in the feedback path.
    double toneHz = 3500.0;

    // Adds the echoes of input to output (same length), scaled by wet.
    void Process(const StereoBuffer& input, StereoBuffer& output, float wet,
                 double sampleRate) const;
};

} // namespace vantor::tools::sounds
