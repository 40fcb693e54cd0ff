#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor::tools::sounds {

// A state-variable filter (trapezoidal, so it stays stable while its cutoff moves). After
// Process, low, band and high hold the three outputs for the same input sample. A filter
// is a plain value its user owns, used by one thread at a time; nothing in it can fail, and a
// cutoff out of range is held between 10 Hz and 0.45 of the sample rate.
class Filter {
public:
    float low = 0.0f;
    float band = 0.0f;
    float high = 0.0f;

    // An untuned filter, to be tuned by Set before it is used.
    Filter() = default;
    // A filter set to the cutoff and resonance given, as by Set.
    Filter(double cutoff, double resonance, double sampleRate) {
        Set(cutoff, resonance, sampleRate);
    }

    // resonance is the filter's Q: 0.707 is flat, higher rings at the cutoff.
    void Set(double cutoff, double resonance, double sampleRate) {
        const double limited = std::clamp(cutoff, 10.0, sampleRate * 0.45);
        const double g = std::tan(std::numbers::pi * limited / sampleRate);
        k = 1.0 / std::max(resonance, 0.1);
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }

    void Process(float input) {
        const double v3 = input - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        low = static_cast<float>(v2);
        band = static_cast<float>(v1);
        high = static_cast<float>(input - k * v1 - v2);
    }

    float Lowpass(float input) {
        Process(input);
        return low;
    }

    float Highpass(float input) {
        Process(input);
        return high;
    }

    float Bandpass(float input) {
        Process(input);
        return band;
    }

private:
    double k = 1.414;
    double a1 = 0.0;
    double a2 = 0.0;
    double a3 = 0.0;
    double ic1 = 0.0;
    double ic2 = 0.0;
};

} // namespace vantor::tools::sounds
