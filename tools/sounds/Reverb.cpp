#include "tools/sounds/Reverb.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantor::tools::sounds {

namespace {

// Mutually prime delay lengths in samples at 44.1 kHz.
constexpr std::array<std::size_t, 8> CombLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<std::size_t, 4> AllpassLengths = {556, 441, 341, 225};
constexpr std::size_t StereoSpread = 23;
constexpr float InputGain = 0.015f;

// Stops the feedback loops from crawling through denormal numbers as a tail dies.
float Flush(float value) {
    return std::fabs(value) < 1e-20f ? 0.0f : value;
}

} // namespace

Reverb::Reverb(double roomSize, double damping)
    : feedback(static_cast<float>(0.7 + 0.28 * roomSize)), damp(static_cast<float>(0.4 * damping)) {
    for (int channel = 0; channel < 2; ++channel) {
        const std::size_t spread = channel == 0 ? 0 : StereoSpread;
        for (std::size_t length : CombLengths) {
            Comb comb;
            comb.buffer.assign(length + spread, 0.0f);
            combs[channel].push_back(comb);
        }
        for (std::size_t length : AllpassLengths) {
            Allpass allpass;
            allpass.buffer.assign(length + spread, 0.0f);
            allpasses[channel].push_back(allpass);
        }
    }
}

void Reverb::Process(const StereoBuffer& input, StereoBuffer& output, float wet) {
    const std::size_t frames = std::min(input.Frames(), output.Frames());
    for (std::size_t i = 0; i < frames; ++i) {
        const float in = (input.left[i] + input.right[i]) * InputGain;
        for (int channel = 0; channel < 2; ++channel) {
            float sum = 0.0f;
            for (Comb& comb : combs[channel]) {
                const float out = comb.buffer[comb.index];
                comb.store = Flush(out * (1.0f - damp) + comb.store * damp);
                comb.buffer[comb.index] = in + comb.store * feedback;
                if (++comb.index == comb.buffer.size()) {
                    comb.index = 0;
                }
                sum += out;
            }
            for (Allpass& allpass : allpasses[channel]) {
                const float delayed = allpass.buffer[allpass.index];
                allpass.buffer[allpass.index] = Flush(sum + delayed * 0.5f);
                sum = delayed - sum;
                if (++allpass.index == allpass.buffer.size()) {
                    allpass.index = 0;
                }
            }
            (channel == 0 ? output.left[i] : output.right[i]) += sum * wet;
        }
    }
}

} // namespace vantor::tools::sounds
