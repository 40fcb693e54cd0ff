#pragma once

#include <cstdint>

// A small seeded generator (splitmix64), so every noise burst and every generated melody
// comes out the same on every run.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // In [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    double Range(double low, double high) { return low + (high - low) * Uniform(); }

    // White noise sample in [-1, 1).
    float Noise() { return static_cast<float>(Uniform() * 2.0 - 1.0); }

    // In [0, count).
    int Below(int count) { return static_cast<int>(Uniform() * count); }

    bool Chance(double probability) { return Uniform() < probability; }

private:
    std::uint64_t state;
};
