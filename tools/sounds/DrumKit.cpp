#include "tools/sounds/DrumKit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/sounds/AudioFormat.h"
#include "tools/sounds/Filter.h"
#include "tools/sounds/SineTable.h"

namespace vantor::tools::sounds {

namespace {

constexpr double Rate = AudioFormat::SampleRate;

// A sample seconds long, each frame of it what voice gives for its time in seconds.
template <typename Voice> std::vector<float> Sample(double seconds, Voice voice) {
    std::vector<float> out(static_cast<std::size_t>(seconds * Rate), 0.0f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = voice(i / Rate);
    }
    return out;
}

// Six detuned square waves at clashing ratios: the metallic ring of a cymbal.
class MetalVoice {
public:
    explicit MetalVoice(double baseHz) {
        constexpr std::array<double, 6> ratios = {1.0, 1.4828, 1.8003, 2.5461, 2.6306, 3.8967};
        for (std::size_t i = 0; i < ratios.size(); ++i) {
            increments[i] = baseHz * ratios[i] / Rate;
        }
    }
    float Next() {
        float sum = 0.0f;
        for (std::size_t i = 0; i < phases.size(); ++i) {
            phases[i] += increments[i];
            phases[i] -= std::floor(phases[i]);
            sum += phases[i] < 0.5 ? 1.0f : -1.0f;
        }
        return sum / 6.0f;
    }

private:
    std::array<double, 6> phases{};
    std::array<double, 6> increments{};
};

void Normalize(std::vector<float>& sample) {
    float peak = 0.0f;
    for (float value : sample) {
        peak = std::max(peak, std::fabs(value));
    }
    if (peak > 0.0f) {
        for (float& value : sample) {
            value /= peak;
        }
    }
}

float Saturate(float x) {
    return std::tanh(x);
}

} // namespace

std::vector<float> DrumKit::Render(Drum drum, tools::Random& random) const {
    std::vector<float> sample;
    switch (drum) {
    case Drum::Kick:
        sample = Kick(random);
        break;
    case Drum::Snare:
        sample = Snare(random);
        break;
    case Drum::Clap:
        sample = Clap(random);
        break;
    case Drum::ClosedHat:
        sample = Hat(hatDecay, random);
        break;
    case Drum::OpenHat:
        sample = Hat(openHatDecay, random);
        break;
    case Drum::LowTom:
        sample = Tom(lowTomHz, random);
        break;
    case Drum::HighTom:
        sample = Tom(highTomHz, random);
        break;
    case Drum::Crash:
        sample = Crash(random);
        break;
    case Drum::Rim:
        sample = Rim(random);
        break;
    case Drum::Shaker:
        sample = Shaker(random);
        break;
    }
    Normalize(sample);
    return sample;
}

std::vector<float> DrumKit::Kick(tools::Random& random) const {
    Filter click(3000.0, 0.8, Rate);
    double phase = 0.0;
    return Sample(kickDecay * 5.0, [&](double t) {
        const double hz = kickEndHz + (kickStartHz - kickEndHz) * std::exp(-t / kickPitchDecay);
        phase += hz / Rate;
        const double attack = std::min(1.0, t / 0.001);
        const float body =
            static_cast<float>(SineTable::At(phase) * attack * std::exp(-t / kickDecay));
        const float snap =
            click.Bandpass(random.Noise()) * kickClick * static_cast<float>(std::exp(-t / 0.004));
        return Saturate((body + snap) * (1.0f + 2.0f * kickDrive));
    });
}

std::vector<float> DrumKit::Snare(tools::Random& random) const {
    Filter noiseFilter(snareNoiseHz, 0.7, Rate);
    Filter body(snareNoiseHz * 3.0, 0.6, Rate);
    double phaseA = 0.0;
    double phaseB = 0.0;
    return Sample(snareDecay * 5.0 + 0.05, [&](double t) {
        const double drop = 1.0 + 0.3 * std::exp(-t / 0.01);
        phaseA += snareToneHz * drop / Rate;
        phaseB += snareToneHz * 1.47 * drop / Rate;
        const double toneEnv = std::exp(-t / (snareDecay * 0.5));
        const float tone =
            static_cast<float>((SineTable::At(phaseA) + 0.6 * SineTable::At(phaseB)) * toneEnv);
        const float noise = body.Lowpass(noiseFilter.Highpass(random.Noise())) *
                            static_cast<float>(std::exp(-t / snareDecay));
        const double attack = std::min(1.0, t / 0.0008);
        return static_cast<float>(attack) * (tone * snareTone + noise * (1.0f - snareTone) * 1.6f);
    });
}

std::vector<float> DrumKit::Clap(tools::Random& random) const {
    Filter band(clapHz, 1.6, Rate);
    return Sample(clapDecay * 5.0 + 0.05, [&](double t) {
        // Three quick slaps, then the body of the clap.
        double env = 0.0;
        for (int slap = 0; slap < 3; ++slap) {
            const double since = t - slap * 0.011;
            if (since >= 0.0) {
                env = std::max(env, std::exp(-since / 0.005));
            }
        }
        if (t >= 0.033) {
            env = std::max(env, std::exp(-(t - 0.033) / clapDecay));
        }
        return band.Bandpass(random.Noise()) * static_cast<float>(env);
    });
}

std::vector<float> DrumKit::Hat(double decaySeconds, tools::Random& random) const {
    MetalVoice metal(hatHz / 19.0);
    Filter high(hatHz, 0.9, Rate);
    Filter air(hatHz * 0.8, 0.7, Rate);
    return Sample(decaySeconds * 5.0 + 0.02, [&](double t) {
        const double env = std::min(1.0, t / 0.0005) * std::exp(-t / decaySeconds);
        const float source = metal.Next() * 0.6f + random.Noise() * 0.4f;
        return air.Highpass(high.Highpass(source)) * static_cast<float>(env);
    });
}

std::vector<float> DrumKit::Tom(double hz, tools::Random& random) const {
    Filter thud(hz * 4.0, 0.8, Rate);
    double phase = 0.0;
    return Sample(tomDecay * 5.0, [&](double t) {
        phase += hz * (1.0 + 0.6 * std::exp(-t / 0.04)) / Rate;
        const double env = std::min(1.0, t / 0.001) * std::exp(-t / tomDecay);
        const float noise = thud.Lowpass(random.Noise()) * static_cast<float>(std::exp(-t / 0.03));
        return static_cast<float>(SineTable::At(phase) * env) + noise * 0.4f;
    });
}

std::vector<float> DrumKit::Crash(tools::Random& random) const {
    MetalVoice low(370.0);
    MetalVoice high(523.0);
    Filter shimmer(4500.0, 0.6, Rate);
    Filter top(11000.0, 0.7, Rate);
    return Sample(crashDecay * 3.0, [&](double t) {
        const double env = std::min(1.0, t / 0.002) *
                           (0.6 * std::exp(-t / crashDecay) + 0.4 * std::exp(-t / 0.12));
        const float source = (low.Next() + high.Next()) * 0.35f + random.Noise() * 0.6f;
        return top.Lowpass(shimmer.Highpass(source)) * static_cast<float>(env);
    });
}

std::vector<float> DrumKit::Rim(tools::Random& random) const {
    Filter band(2200.0, 3.0, Rate);
    double phase = 0.0;
    return Sample(0.08, [&](double t) {
        phase += 820.0 / Rate;
        const double env = std::exp(-t / 0.012);
        return static_cast<float>(
            (SineTable::At(phase) * 0.5 + band.Bandpass(random.Noise()) * 2.0) * env);
    });
}

std::vector<float> DrumKit::Shaker(tools::Random& random) const {
    Filter high(6500.0, 0.8, Rate);
    return Sample(0.12, [&](double t) {
        const double env = std::min(1.0, t / 0.008) * std::exp(-t / 0.03);
        return high.Highpass(random.Noise()) * static_cast<float>(env);
    });
}

} // namespace vantor::tools::sounds
