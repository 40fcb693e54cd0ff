#include "tools/sounds/SoundEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/Random.h"
#include "tools/sounds/AudioFormat.h"
#include "tools/sounds/EchoDelay.h"
#include "tools/sounds/Filter.h"
#include "tools/sounds/Oscillator.h"
#include "tools/sounds/Reverb.h"
#include "tools/sounds/SineTable.h"

namespace vantor::tools::sounds {

namespace {

constexpr double Rate = AudioFormat::SampleRate;
// No effect peaks above this (the encoder adds a little on top).
constexpr double EffectCeilingDb = -3.5;

std::size_t Frames(double seconds) {
    return static_cast<std::size_t>(seconds * Rate);
}

// Noise that wanders slowly: white noise through a low lowpass, scaled to about +-1.
class SlowNoise {
public:
    SlowNoise(double hz, std::uint64_t seed) : random(seed), filter(hz, 0.6, Rate) {}
    float Next() { return filter.Lowpass(random.Noise()) * gain; }

private:
    tools::Random random;
    Filter filter;
    float gain = 6.0f;
};

float Saturate(float x) {
    return std::tanh(x);
}

// A one-millisecond rise, so that no effect starts with a click.
double Swell(double t) {
    return std::min(1.0, t / 0.001);
}

// The end of every effect: a room around it, a fade into silence over its last fadeSeconds,
// and mastering to its loudness under the effects' ceiling.
void Finish(StereoBuffer& sound, double room, double damping, float wet, double fadeSeconds,
            double rmsDb) {
    const StereoBuffer dry = sound;
    Reverb reverb(room, damping);
    reverb.Process(dry, sound, wet);
    sound.FadeOut(Frames(fadeSeconds));
    sound.Master(rmsDb, EffectCeilingDb);
}

// The crack at the very start of a blast: noise that falls away over its first seconds.
float Crack(tools::Random& random, double t, double seconds, float level) {
    return t < seconds ? random.Noise() * static_cast<float>(Swell(t) * (1.0 - t / seconds)) * level
                       : 0.0f;
}

// The roar of an engine or a blast: noise through a lowpass on each side. The right side
// has noise of its own and its cutoff a little off the left's, so the two sides never quite
// agree and the roar stands wide; the left side draws on the sound's own generator.
class Roar {
public:
    Roar(std::uint64_t rightSeed, double rightRatio, double resonance)
        : rightNoise(rightSeed), rightRatio(rightRatio), resonance(resonance) {}

    void Tune(double hz) {
        left.Set(hz, resonance, Rate);
        right.Set(hz * rightRatio, resonance, Rate);
    }
    float Left(tools::Random& random) { return left.Lowpass(random.Noise()); }
    float Right() { return right.Lowpass(rightNoise.Noise()); }

private:
    tools::Random rightNoise;
    Filter left;
    Filter right;
    double rightRatio;
    double resonance;
};

// A sine whose pitch falls from endHz + dropHz towards endHz, by 1/e every fallSeconds:
// the thump of a launch and the boom of a blast.
class FallingSine {
public:
    FallingSine(double endHz, double dropHz, double fallSeconds)
        : endHz(endHz), dropHz(dropHz), fallSeconds(fallSeconds) {}

    // The next sample, t seconds after the fall began.
    float Next(double t) {
        phase += (endHz + dropHz * std::exp(-t / fallSeconds)) / Rate;
        return SineTable::At(phase);
    }

private:
    double endHz;
    double dropHz;
    double fallSeconds;
    double phase = 0.0;
};

// Sparse clicks of random strength and sign, each dying away by decay a sample, heard
// through a bandpass: the sparks and the falling debris of the explosions.
class Clicks {
public:
    Clicks(double weakest, float decay, double bandHz, double resonance)
        : weakest(weakest), decay(decay), band(bandHz, resonance, Rate) {}

    // A new click starts with the chance given.
    float Next(tools::Random& random, double chance) {
        if (random.Chance(chance)) {
            level = random.RangeDouble(weakest, 1.0) * (random.Chance(0.5) ? 1.0f : -1.0f);
        }
        level *= decay;
        return band.Bandpass(level);
    }

private:
    double weakest;
    float decay;
    Filter band;
    float level = 0.0f;
};

} // namespace

StereoBuffer SoundEffects::Engine() {
    StereoBuffer out(Frames(1.7));
    tools::Random random(0xE5617E);
    Roar roar(0xE5617F, 1.05, 1.1);
    Filter hum;
    Filter whine;
    SlowNoise flutter(12.0, 0x4E1);
    Oscillator saw;
    saw.wave = Wave::Saw;
    Oscillator square;
    square.wave = Wave::Square;
    double whinePhase = 0.0;
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double t = i / Rate;
        // Swell over 0.12 s, hold, fade from 0.9 s.
        const double attack = std::min(1.0, t / 0.12);
        const double fade = t < 0.9 ? 1.0 : std::exp(-(t - 0.9) / 0.22);
        const double env = attack * attack * fade;
        const double spool = 1.0 - std::exp(-t / 0.25); // the turbine spinning up

        if (i % 16 == 0) {
            roar.Tune(260.0 + 700.0 * spool * fade);
            hum.Set(420.0 + 300.0 * spool, 0.9, Rate);
            whine.Set(1500.0 + 900.0 * spool, 4.0, Rate);
        }
        const double humHz = 48.0 + 18.0 * spool;
        saw.increment = humHz / Rate;
        square.increment = humHz * 2.003 / Rate;
        const float wobble = 1.0f + 0.18f * flutter.Next();
        const float body = hum.Lowpass(saw.Next(random) * 0.7f + square.Next(random) * 0.3f);
        whinePhase += (900.0 + 650.0 * spool) / Rate;
        const float turbine = whine.Bandpass(static_cast<float>(SineTable::At(whinePhase))) * 0.5f;
        const float roarL = roar.Left(random);
        const float roarR = roar.Right();
        const float shared = body * 0.9f * wobble + turbine * static_cast<float>(spool) * 0.5f;
        out.left[i] = static_cast<float>(env) * Saturate(1.4f * (shared + roarL * 1.3f * wobble));
        out.right[i] = static_cast<float>(env) * Saturate(1.4f * (shared + roarR * 1.3f * wobble));
    }
    Finish(out, 0.3, 0.6, 0.25f, 0.05, -17.0);
    return out;
}

StereoBuffer SoundEffects::Torpedo() {
    StereoBuffer out(Frames(1.15));
    tools::Random random(0x70E9ED0);
    Filter zapFilter;
    Filter whooshFilter;
    Filter thumpNoise(900.0, 0.8, Rate);
    Oscillator zap;
    zap.wave = Wave::Saw;
    Oscillator zapSub;
    zapSub.wave = Wave::Square;
    FallingSine thumpSine(45.0, 110.0, 0.04);
    double wobblePhase = 0.0;
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double t = i / Rate;
        // The launch thump: a falling sine with a puff of noise.
        const double thumpEnv = std::min(1.0, t / 0.002) * std::exp(-t / 0.09);
        const float thump =
            static_cast<float>(thumpSine.Next(t) * thumpEnv) +
            thumpNoise.Lowpass(random.Noise()) * static_cast<float>(std::exp(-t / 0.02));

        // The zap: a bright saw diving from 1.9 kHz to 160 Hz, wobbling as it goes.
        const double zapHz = 160.0 + 1750.0 * std::exp(-t / 0.11);
        wobblePhase += 31.0 / Rate;
        const double wobble = 1.0 + 0.04 * SineTable::At(wobblePhase);
        zap.increment = zapHz * wobble / Rate;
        zapSub.increment = zapHz * 0.5 * wobble / Rate;
        if (i % 16 == 0) {
            zapFilter.Set(zapHz * 3.0, 2.5, Rate);
            whooshFilter.Set(600.0 + 3200.0 * std::exp(-t / 0.3), 1.8, Rate);
        }
        const double zapEnv = std::min(1.0, t / 0.004) * std::exp(-t / 0.22);
        const float zapSound =
            zapFilter.Lowpass(zap.Next(random) * 0.7f + zapSub.Next(random) * 0.3f) *
            static_cast<float>(zapEnv);

        // The whoosh: band-passed noise travelling from left to right.
        const double whooshEnv = std::min(1.0, t / 0.05) * std::exp(-t / 0.4);
        const float whoosh = whooshFilter.Bandpass(random.Noise()) * static_cast<float>(whooshEnv);
        const double travel = std::min(1.0, t / 0.7);
        const float toLeft = static_cast<float>(std::cos(travel * std::numbers::pi / 2.0));
        const float toRight = static_cast<float>(std::sin(travel * std::numbers::pi / 2.0));

        const float centre = thump * 0.7f + zapSound;
        out.left[i] = centre + whoosh * 2.0f * (0.3f + toLeft);
        out.right[i] = centre + whoosh * 2.0f * (0.3f + toRight);
    }
    const StereoBuffer dry = out;
    EchoDelay echo;
    echo.seconds = 0.16;
    echo.feedback = 0.3f;
    echo.toneHz = 2500.0;
    echo.Process(dry, out, 0.3f, Rate);
    Finish(out, 0.45, 0.5, 0.3f, 0.1, -18.5);
    return out;
}

StereoBuffer SoundEffects::SmallExplosion() {
    StereoBuffer out(Frames(1.15));
    tools::Random random(0x5EA11);
    Roar body(0x5EA12, 0.93, 0.9);
    SlowNoise rumble(30.0, 0x5EA13);
    FallingSine thumpSine(38.0, 70.0, 0.05);
    Clicks sparks(0.4, 0.93f, 2600.0, 1.5);
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double t = i / Rate;
        if (i % 16 == 0) {
            body.Tune(380.0 + 4800.0 * std::exp(-t / 0.16));
        }
        const double bodyEnv = std::min(1.0, t / 0.003) * std::exp(-t / 0.22);
        const float modulation = 1.0f + 0.35f * rumble.Next();
        const float left = body.Left(random) * static_cast<float>(bodyEnv) * modulation;
        const float right = body.Right() * static_cast<float>(bodyEnv) * modulation;

        const float thump =
            static_cast<float>(thumpSine.Next(t) * std::min(1.0, t / 0.002) * std::exp(-t / 0.16));

        // Sparse sparks: random clicks, thinning out.
        const float sparkling = sparks.Next(random, 0.004 * std::exp(-t / 0.3)) * 0.6f;

        const float crack = Crack(random, t, 0.012, 0.6f);
        out.left[i] = Saturate(1.6f * (left * 2.0f + thump * 0.55f + sparkling + crack));
        out.right[i] = Saturate(1.6f * (right * 2.0f + thump * 0.55f - sparkling * 0.7f + crack));
    }
    Finish(out, 0.5, 0.5, 0.35f, 0.15, -14.0);
    return out;
}

StereoBuffer SoundEffects::LargeExplosion() {
    StereoBuffer out(Frames(2.9));
    tools::Random random(0x1A26E);
    Roar body(0x1A26F, 0.9, 0.8);
    SlowNoise rumbleLeft(9.0, 0x1A270);
    SlowNoise rumbleRight(11.0, 0x1A271);
    FallingSine boomSine(26.0, 60.0, 0.12);
    FallingSine secondSine(32.0, 50.0, 0.08);
    Clicks grit(0.3, 0.95f, 3200.0, 1.2);
    constexpr double Second = 0.28; // a second burst follows the first
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double t = i / Rate;
        if (i % 16 == 0) {
            body.Tune(200.0 + 3800.0 * std::exp(-t / 0.35) +
                      (t > Second ? 1800.0 * std::exp(-(t - Second) / 0.12) : 0.0));
        }
        double bodyEnv =
            std::min(1.0, t / 0.004) * (0.55 * std::exp(-t / 0.35) + 0.45 * std::exp(-t / 1.1));
        if (t > Second) {
            bodyEnv += 0.5 * std::exp(-(t - Second) / 0.25);
        }
        const float left =
            body.Left(random) * static_cast<float>(bodyEnv) * (1.0f + 0.5f * rumbleLeft.Next());
        const float right =
            body.Right() * static_cast<float>(bodyEnv) * (1.0f + 0.5f * rumbleRight.Next());

        // The boom: a sub-bass drop, and a lighter one for the second burst.
        const double boomEnv = std::min(1.0, t / 0.003) * std::exp(-t / 0.6);
        float boom = static_cast<float>(boomSine.Next(t) * boomEnv);
        if (t > Second) {
            boom += static_cast<float>(secondSine.Next(t - Second) * 0.6 *
                                       std::exp(-(t - Second) / 0.3));
        }

        // Debris: clicks that keep falling for a while after the blast.
        const double density = 0.006 * std::exp(-t / 0.9) * std::min(1.0, t / 0.15);
        const float falling = grit.Next(random, density) * 0.5f;

        const float crack = Crack(random, t, 0.02, 0.8f);
        out.left[i] = Saturate(1.5f * (left * 2.2f + boom * 0.7f + falling + crack));
        out.right[i] = Saturate(1.5f * (right * 2.2f + boom * 0.7f - falling * 0.8f + crack));
    }
    Finish(out, 0.8, 0.45, 0.45f, 0.4, -13.0);
    return out;
}

StereoBuffer SoundEffects::Refused() {
    StereoBuffer out(Frames(0.32));
    tools::Random random(0x5EF05ED);
    Oscillator blip;
    blip.wave = Wave::Triangle;
    Filter soft(2400.0, 0.7, Rate);
    // Two blips, a fourth apart and falling: 70 ms each, 40 ms between.
    constexpr double Starts[] = {0.0, 0.11};
    constexpr double Pitches[] = {523.25, 392.0};
    constexpr double Length = 0.07;
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double t = i / Rate;
        float sample = 0.0f;
        for (int b = 0; b < 2; ++b) {
            const double local = t - Starts[b];
            if (local < 0.0 || local >= Length) {
                continue;
            }
            blip.increment = Pitches[b] / Rate;
            float tone = 0.0f;
            blip.Fill(&tone, 1, random);
            const double envelope = Swell(local) * std::exp(-local / 0.035);
            sample += static_cast<float>(tone * envelope);
        }
        const float shaped = soft.Lowpass(sample);
        out.left[i] = shaped;
        out.right[i] = shaped;
    }
    Finish(out, 0.25, 0.6, 0.12f, 0.05, -24.0);
    return out;
}

} // namespace vantor::tools::sounds
