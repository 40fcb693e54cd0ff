#include "tools/sounds/Compressor.h"

#include <algorithm>
#include <cmath>

#include "tools/sounds/AudioFormat.h"

namespace vantor::tools::sounds {

void Compressor::Process(StereoBuffer& sound) const {
    const double rate = AudioFormat::SampleRate;
    const double attack = std::exp(-1.0 / (attackSeconds * rate));
    const double release = std::exp(-1.0 / (releaseSeconds * rate));
    double envelope = 0.0;
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        const double input = std::max(std::fabs(sound.left[i]), std::fabs(sound.right[i]));
        const double coefficient = input > envelope ? attack : release;
        envelope = input + (envelope - input) * coefficient;
        const double levelDb = 20.0 * std::log10(std::max(envelope, 1e-9));
        if (levelDb > thresholdDb) {
            const double reductionDb = (levelDb - thresholdDb) * (1.0 - 1.0 / ratio);
            const float gain = static_cast<float>(std::pow(10.0, -reductionDb / 20.0));
            sound.left[i] *= gain;
            sound.right[i] *= gain;
        }
    }
}

} // namespace vantor::tools::sounds
