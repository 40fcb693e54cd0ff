#pragma once

#include <algorithm>
#include <cmath>

namespace vantor::tools::sounds {

// Attack, decay, sustain, release. The attack rises in a straight line; decay and release
// fall exponentially, the way an analogue envelope does. The gate closes after gateFrames.
class Envelope {
public:
    Envelope(double attack, double decay, double sustain, double release, double sampleRate,
             long gateFrames)
        : sustainLevel(sustain), gate(gateFrames) {
        attackStep = attack > 0.0 ? 1.0 / (attack * sampleRate) : 1.0;
        decayCoefficient = std::exp(-4.6 / (std::max(decay, 0.0005) * sampleRate));
        releaseCoefficient = std::exp(-4.6 / (std::max(release, 0.0005) * sampleRate));
    }

    float Next() {
        if (frame == gate) {
            stage = Stage::Release;
        }
        ++frame;
        switch (stage) {
        case Stage::Attack:
            level += attackStep;
            if (level >= 1.0) {
                level = 1.0;
                stage = Stage::Decay;
            }
            break;
        case Stage::Decay:
            level = sustainLevel + (level - sustainLevel) * decayCoefficient;
            break;
        case Stage::Release:
            level *= releaseCoefficient;
            break;
        }
        return static_cast<float>(level);
    }

    // True once the release has faded below hearing.
    bool Finished() const { return stage == Stage::Release && level < 0.0001; }

private:
    enum class Stage { Attack, Decay, Release };
    Stage stage = Stage::Attack;
    double level = 0.0;
    double attackStep = 1.0;
    double decayCoefficient = 0.0;
    double releaseCoefficient = 0.0;
    double sustainLevel = 1.0;
    long gate = 0;
    long frame = 0;
};

} // namespace vantor::tools::sounds
