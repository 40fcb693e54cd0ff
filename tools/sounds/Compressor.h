#pragma once

#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// A feed-forward compressor: above the threshold the level rises only 1/ratio as fast,
// following the louder channel with the given attack and release. Evens out a voice or an
// effect so that it carries without raising its peaks.
class Compressor {
public:
    double thresholdDb = -20.0;
    double ratio = 3.0;
    double attackSeconds = 0.005;
    double releaseSeconds = 0.08;

    void Process(StereoBuffer& sound) const;
};

} // namespace vantor::tools::sounds
