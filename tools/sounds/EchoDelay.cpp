#include "tools/sounds/EchoDelay.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace vantor::tools::sounds {

void EchoDelay::Process(const StereoBuffer& input, StereoBuffer& output, float wet,
                        double sampleRate) const {
    const std::size_t length = std::max<std::size_t>(1, std::lround(seconds * sampleRate));
    std::vector<float> lineLeft(length, 0.0f);
    std::vector<float> lineRight(length, 0.0f);
    const float tone =
        static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * toneHz / sampleRate));
    float smoothLeft = 0.0f;
    float smoothRight = 0.0f;
    std::size_t index = 0;
    const std::size_t frames = std::min(input.Frames(), output.Frames());
    for (std::size_t i = 0; i < frames; ++i) {
        const float delayedLeft = lineLeft[index];
        const float delayedRight = lineRight[index];
        output.left[i] += delayedLeft * wet;
        output.right[i] += delayedRight * wet;
        smoothLeft += (delayedLeft - smoothLeft) * tone;
        smoothRight += (delayedRight - smoothRight) * tone;
        if (std::fabs(smoothLeft) < 1e-20f) {
            smoothLeft = 0.0f;
        }
        if (std::fabs(smoothRight) < 1e-20f) {
            smoothRight = 0.0f;
        }
        // The left input feeds the right line and the echoes swap sides each time round.
        lineLeft[index] = input.right[i] * 0.3f + input.left[i] * 0.7f + smoothRight * feedback;
        lineRight[index] = input.left[i] * 0.3f + input.right[i] * 0.7f + smoothLeft * feedback;
        if (++index == length) {
            index = 0;
        }
    }
}

} // namespace vantor::tools::sounds
