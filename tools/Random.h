#pragma once

#include <cstdint>

namespace vantor::tools {

// The generators' seeded random numbers (splitmix64), so every picture, noise burst and
// generated melody comes out the same on every run. The pictures draw in float from 24 bits,
// the sounds in double from 53 bits; both are kept, under their own names, because every
// generated file depends on the exact numbers drawn.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // In [0, 1), from the top 24 bits, so that every value is exact in a float.
    float UniformFloat() { return static_cast<float>(Next() >> 40) / 16777216.0f; }
    // In [0, 1), from the top 53 bits, so that every value is exact in a double.
    double UniformDouble() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    float RangeFloat(float low, float high) { return low + (high - low) * UniformFloat(); }
    double RangeDouble(double low, double high) { return low + (high - low) * UniformDouble(); }

    // White noise sample in [-1, 1).
    float Noise() { return static_cast<float>(UniformDouble() * 2.0 - 1.0); }

    // In [0, count): UniformDouble scaled up and cut down to a whole number.
    int Below(int count) { return static_cast<int>(UniformDouble() * count); }

    bool Chance(double probability) { return UniformDouble() < probability; }

private:
    std::uint64_t state;
};

} // namespace vantor::tools
