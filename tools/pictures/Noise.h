#pragma once

#include <cstdint>

namespace vantor::tools::pictures {

// Seeded gradient noise in two and three dimensions, and sums of octaves of it.
// Every result lies roughly in 0..1 with 0.5 as the mean.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed(seed) {}

    float At(float x, float y) const;
    float At(float x, float y, float z) const;

    // Fractal sum of octaves, each twice the frequency and half the weight of the last.
    float Fractal(float x, float y, int octaves) const;
    float Fractal(float x, float y, float z, int octaves) const;

    // Sharp creases where the noise crosses its mean: filaments and cracks.
    float Ridged(float x, float y, int octaves) const;
    float Ridged(float x, float y, float z, int octaves) const;

private:
    std::uint32_t Hash(int x, int y, int z) const;
    float Gradient2(int x, int y, float dx, float dy) const;
    float Gradient3(int x, int y, int z, float dx, float dy, float dz) const;

    std::uint32_t seed;
};

} // namespace vantor::tools::pictures
