#pragma once

#include "tools/Random.h"
#include "tools/sounds/SineTable.h"

namespace vantor::tools::sounds {

enum class Wave { Sine, Triangle, Saw, Square, Pulse, Noise };

// One band-limited (polyBLEP) oscillator. The phase runs in cycles from 0 to 1.
class Oscillator {
public:
    Wave wave = Wave::Sine;
    double phase = 0.0;
    double increment = 0.0; // cycles per sample
    double pulseWidth = 0.25;

    // Writes the next count samples to out.
    void Fill(float* out, int count, tools::Random& random) {
        switch (wave) {
        case Wave::Sine:
            for (int i = 0; i < count; ++i) {
                out[i] = SineTable::At(phase);
                Advance();
            }
            break;
        case Wave::Triangle:
            for (int i = 0; i < count; ++i) {
                out[i] = static_cast<float>(4.0 * (phase < 0.5 ? phase : 1.0 - phase) - 1.0);
                Advance();
            }
            break;
        case Wave::Saw:
            for (int i = 0; i < count; ++i) {
                out[i] = static_cast<float>(2.0 * phase - 1.0 - Blep(phase, increment));
                Advance();
            }
            break;
        case Wave::Square:
        case Wave::Pulse: {
            const double width = wave == Wave::Square ? 0.5 : pulseWidth;
            for (int i = 0; i < count; ++i) {
                double shifted = phase + 1.0 - width;
                if (shifted >= 1.0) {
                    shifted -= 1.0;
                }
                out[i] = static_cast<float>((phase < width ? 1.0 : -1.0) + Blep(phase, increment) -
                                            Blep(shifted, increment));
                Advance();
            }
            break;
        }
        case Wave::Noise:
            for (int i = 0; i < count; ++i) {
                out[i] = random.Noise();
            }
            break;
        }
    }

    float Next(tools::Random& random) {
        float value = 0.0f;
        Fill(&value, 1, random);
        return value;
    }

private:
    void Advance() {
        phase += increment;
        if (phase >= 1.0) {
            phase -= 1.0;
        }
    }

    // Smooths the jump of a saw or square so it does not alias into a hiss.
    static double Blep(double t, double dt) {
        if (t < dt) {
            const double x = t / dt;
            return x + x - x * x - 1.0;
        }
        if (t > 1.0 - dt) {
            const double x = (t - 1.0) / dt;
            return x * x + x + x + 1.0;
        }
        return 0.0;
    }
};

} // namespace vantor::tools::sounds
