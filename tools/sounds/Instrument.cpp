#include "tools/sounds/Instrument.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/sounds/AudioFormat.h"
#include "tools/sounds/Envelope.h"
#include "tools/sounds/Filter.h"
#include "tools/sounds/SineTable.h"

namespace vantor::tools::sounds {

namespace {

constexpr int ControlInterval = 16;

double Frequency(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// tanh-like saturation that stays cheap.
float Saturate(float x) {
    const float limited = std::clamp(x, -3.0f, 3.0f);
    return limited * (27.0f + limited * limited) / (27.0f + 9.0f * limited * limited);
}

void PanGains(float pan, float& left, float& right) {
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * std::numbers::pi / 4.0;
    left = static_cast<float>(std::cos(angle));
    right = static_cast<float>(std::sin(angle));
}

// A plucked string: a noise burst circulating in a delay line one period long, losing a
// little energy and treble on each pass.
class String {
public:
    String(double frequency, double decaySeconds, double brightness, tools::Random& random) {
        const double sampleRate = AudioFormat::SampleRate;
        delay = std::max(2.0, sampleRate / frequency - 0.5);
        line.assign(static_cast<std::size_t>(delay) + 4, 0.0f);
        loss = static_cast<float>(std::pow(10.0, -3.0 / (decaySeconds * frequency)));
        bright = static_cast<float>(std::clamp(brightness, 0.0, 1.0));
        // Excite with noise, softened for a duller pluck.
        float smooth = 0.0f;
        const float softness = 0.15f + 0.85f * bright;
        for (float& sample : line) {
            smooth += (random.Noise() - smooth) * softness;
            sample = smooth;
        }
        // Remove the burst's offset so the string does not start with a thump.
        double mean = 0.0;
        for (float sample : line) {
            mean += sample;
        }
        mean /= static_cast<double>(line.size());
        for (float& sample : line) {
            sample -= static_cast<float>(mean);
        }
    }

    float Next() {
        const std::size_t size = line.size();
        double readPosition = static_cast<double>(write) - delay;
        if (readPosition < 0.0) {
            readPosition += static_cast<double>(size);
        }
        const std::size_t index = static_cast<std::size_t>(readPosition);
        const float fraction = static_cast<float>(readPosition - static_cast<double>(index));
        const float a = line[index % size];
        const float b = line[(index + 1) % size];
        const float out = a + (b - a) * fraction;
        const float averaged = 0.5f * (out + previous);
        previous = out;
        line[write] = loss * (bright * 0.5f * out + (1.0f - bright * 0.5f) * averaged);
        if (++write == size) {
            write = 0;
        }
        return out;
    }

private:
    std::vector<float> line;
    std::size_t write = 0;
    double delay = 2.0;
    float loss = 0.99f;
    float bright = 0.5f;
    float previous = 0.0f;
};

} // namespace

std::size_t Instrument::Play(double startSeconds, double gateSeconds, double midi, float velocity,
                             StereoBuffer& out, tools::Random& random) const {
    const double sampleRate = AudioFormat::SampleRate;
    const std::size_t totalFrames = out.Frames();
    const long start = std::lround(startSeconds * sampleRate);
    if (start < 0 || static_cast<std::size_t>(start) >= totalFrames) {
        return 0;
    }
    const long gate = std::max(1L, std::lround(gateSeconds * sampleRate));
    const double frequency = Frequency(midi);

    Envelope amplitude(envelope.attack, envelope.decay, envelope.sustain, envelope.release,
                       sampleRate, gate);
    Envelope filterShape(sweep.attack, sweep.decay, sweep.sustain, envelope.release, sampleRate,
                         gate);

    const int voices = std::max(1, unison.voices);
    std::vector<Oscillator> mains(static_cast<std::size_t>(voices));
    std::vector<double> detunes(mains.size(), 1.0);
    std::vector<float> voiceLeft(mains.size(), 1.0f);
    std::vector<float> voiceRight(mains.size(), 1.0f);
    for (int v = 0; v < voices; ++v) {
        const double spread = voices == 1 ? 0.0 : 2.0 * v / (voices - 1) - 1.0;
        detunes[v] = std::pow(2.0, spread * unison.cents / 1200.0);
        Oscillator& oscillator = mains[v];
        oscillator.wave = wave;
        oscillator.pulseWidth = pulseWidth;
        // Detuned copies start at scattered phases; a single voice starts at a zero crossing.
        oscillator.phase = voices == 1 ? 0.0 : random.UniformDouble();
        if (wave == Wave::Triangle && voices == 1) {
            oscillator.phase = 0.25;
        }
        PanGains(static_cast<float>(spread) * unison.width, voiceLeft[v], voiceRight[v]);
    }
    const float voiceNormal = 1.0f / std::sqrt(static_cast<float>(voices));
    Oscillator secondOscillator;
    secondOscillator.wave = second.wave;
    secondOscillator.pulseWidth = pulseWidth;
    const double secondRatio = std::pow(2.0, second.semitones / 12.0 + second.cents / 1200.0);
    double subPhase = 0.0;
    double modulatorPhase = 0.0;

    const bool useFilter = filter.cutoff < 18000.0 || sweep.octaves != 0.0;
    Filter filterLeft;
    Filter filterRight;
    const double trackedCutoff = filter.cutoff * std::pow(frequency / 261.63, filter.keyTrack) *
                                 std::pow(2.0, filter.velocityOctaves * (velocity - 1.0));

    std::vector<String> strings;
    if (pluck) {
        strings.emplace_back(frequency, pluck->decay, pluck->brightness, random);
    }

    float panLeft = 1.0f;
    float panRight = 1.0f;
    PanGains(pan, panLeft, panRight);

    const bool stereo = voices > 1;
    double fmDepth = fm.index;
    const double fmFall =
        std::exp(-1.0 / (std::max(fm.decay, 0.001) * sampleRate / ControlInterval));

    const long maxFrames =
        std::min(static_cast<long>(totalFrames) - start,
                 gate + std::lround((envelope.release * 3.0 + 0.05) * sampleRate));
    std::array<float, ControlInterval> left{};
    std::array<float, ControlInterval> right{};
    std::array<float, ControlInterval> scratch{};
    for (long blockStart = 0; blockStart < maxFrames; blockStart += ControlInterval) {
        const int count = static_cast<int>(std::min<long>(ControlInterval, maxFrames - blockStart));

        // Control rate: vibrato, filter cutoff and FM depth change once per block.
        const double seconds = blockStart / sampleRate;
        double cents = 0.0;
        if (vibrato.cents > 0.0 && seconds > vibrato.delay) {
            const double fadeIn = std::min(1.0, (seconds - vibrato.delay) / 0.4);
            cents = vibrato.cents * fadeIn * SineTable::At(vibrato.rate * seconds);
        }
        const double pitchFactor = cents == 0.0 ? 1.0 : std::pow(2.0, cents / 1200.0);
        for (int v = 0; v < voices; ++v) {
            mains[v].increment = frequency * detunes[v] * pitchFactor / sampleRate;
        }
        secondOscillator.increment = frequency * secondRatio * pitchFactor / sampleRate;
        const float filterEnv = filterShape.Next();
        for (int i = 1; i < count; ++i) {
            filterShape.Next();
        }
        if (useFilter) {
            const double hz = trackedCutoff * std::pow(2.0, sweep.octaves * filterEnv);
            filterLeft.Set(hz, filter.resonance, sampleRate);
            filterRight.Set(hz, filter.resonance, sampleRate);
        }
        fmDepth = fm.index * fm.sustain + (fmDepth - fm.index * fm.sustain) * fmFall;

        // The raw sound of the block.
        if (pluck) {
            String& string = strings.front();
            for (int i = 0; i < count; ++i) {
                left[i] = right[i] = string.Next();
            }
        } else if (fm.index > 0.0) {
            Oscillator& carrier = mains.front();
            const double depth = fmDepth / (2.0 * std::numbers::pi);
            for (int i = 0; i < count; ++i) {
                const double modulator = SineTable::At(modulatorPhase) * depth;
                modulatorPhase += carrier.increment * fm.ratio;
                left[i] = right[i] = SineTable::At(carrier.phase + modulator);
                carrier.phase += carrier.increment;
                if (carrier.phase >= 1.0) {
                    carrier.phase -= 1.0;
                }
            }
            modulatorPhase -= std::floor(modulatorPhase);
        } else {
            left.fill(0.0f);
            right.fill(0.0f);
            for (int v = 0; v < voices; ++v) {
                mains[v].Fill(scratch.data(), count, random);
                const float gainLeft = voiceLeft[v] * voiceNormal;
                const float gainRight = voiceRight[v] * voiceNormal;
                for (int i = 0; i < count; ++i) {
                    left[i] += scratch[i] * gainLeft;
                    right[i] += scratch[i] * gainRight;
                }
            }
        }
        if (second.level > 0.0f) {
            secondOscillator.Fill(scratch.data(), count, random);
            for (int i = 0; i < count; ++i) {
                left[i] += scratch[i] * second.level;
                right[i] += scratch[i] * second.level;
            }
        }
        if (subLevel > 0.0f) {
            const double subIncrement = 0.5 * frequency * pitchFactor / sampleRate;
            for (int i = 0; i < count; ++i) {
                const float sub = SineTable::At(subPhase) * subLevel;
                subPhase += subIncrement;
                left[i] += sub;
                right[i] += sub;
            }
            subPhase -= std::floor(subPhase);
        }
        if (noiseLevel > 0.0f) {
            for (int i = 0; i < count; ++i) {
                const float noise = random.Noise() * noiseLevel;
                left[i] += noise;
                right[i] += noise;
            }
        }

        // Shape it and send it to the buses.
        const float norm = drive > 0.0f ? 1.0f / Saturate(1.0f + drive) : 1.0f;
        for (int i = 0; i < count; ++i) {
            float l = left[i];
            float r = right[i];
            if (drive > 0.0f) {
                l = Saturate(l * (1.0f + drive)) * norm;
                r = Saturate(r * (1.0f + drive)) * norm;
            }
            if (useFilter) {
                l = filterLeft.Lowpass(l);
                r = stereo ? filterRight.Lowpass(r) : l;
            }
            const float scaled = amplitude.Next() * velocity;
            const float outLeft = l * scaled * panLeft;
            const float outRight = r * scaled * panRight;
            const std::size_t at = static_cast<std::size_t>(start + blockStart + i);
            out.left[at] += outLeft;
            out.right[at] += outRight;
            if (amplitude.Finished()) {
                return at + 1;
            }
        }
    }
    return static_cast<std::size_t>(start + maxFrames);
}

} // namespace vantor::tools::sounds
