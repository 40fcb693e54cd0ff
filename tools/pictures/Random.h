#pragma once

#include <cstdint>

// A small seeded generator (splitmix64), so every run draws the same pictures.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t Next() {
        state += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    float Uniform() { return static_cast<float>(Next() >> 40) / 16777216.0f; }

    float Range(float low, float high) { return low + (high - low) * Uniform(); }

    // Uniform integer in [0, count).
    int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }

private:
    std::uint64_t state;
};
