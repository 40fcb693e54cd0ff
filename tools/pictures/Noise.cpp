#include "tools/pictures/Noise.h"

#include <cmath>

namespace vantor::tools::pictures {

namespace {

float Fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

float Lerp(float a, float b, float t) {
    return a + (b - a) * t;
}

// Octaves of noise, each at twice the frequency and half the weight of the one before,
// averaged by their weights. share(weight, x, y, z) is one octave's part of the sum; a
// two-dimensional noise leaves z alone.
template <typename Share> float SumOfOctaves(float x, float y, float z, int octaves, Share share) {
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += share(weight, x, y, z);
        total += weight;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f - 5.3f;
        z = z * 2.03f + 3.7f;
        weight *= 0.5f;
    }
    return sum / total;
}

// An octave of ridged noise: sharp creases where the noise crosses its mean.
float RidgeShare(float weight, float noise) {
    const float ridge = 1.0f - std::fabs(2.0f * noise - 1.0f);
    return weight * ridge * ridge;
}

} // namespace

std::uint32_t Noise::Hash(int x, int y, int z) const {
    std::uint32_t h = seed * 0x9e3779b9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27d4eb2fu;
    h = (h ^ (h >> 15)) * 0x165667b1u;
    h ^= static_cast<std::uint32_t>(z) * 0x9e3779b1u;
    h = (h ^ (h >> 16)) * 0x85ebca6bu;
    return h ^ (h >> 13);
}

float Noise::Gradient2(int x, int y, float dx, float dy) const {
    // Eight directions around the circle.
    static const float directions[8][2] = {
        {1, 0},  {0.7071f, 0.7071f},   {0, 1},  {-0.7071f, 0.7071f},
        {-1, 0}, {-0.7071f, -0.7071f}, {0, -1}, {0.7071f, -0.7071f}};
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u + seed * 0x9e3779b9u;
    h = ((h ^ (h >> 15)) + static_cast<std::uint32_t>(y)) * 0xd8163841u;
    h = (h ^ (h >> 13)) * 0x2c1b3c6du;
    const float* d = directions[(h >> 24) & 7u];
    return d[0] * dx + d[1] * dy;
}

float Noise::Gradient3(int x, int y, int z, float dx, float dy, float dz) const {
    // The twelve edge directions of a cube, four of them twice to make sixteen.
    static const float directions[16][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0},
                                            {1, 0, 1}, {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
                                            {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1},
                                            {1, 1, 0}, {-1, 1, 0}, {0, -1, 1}, {0, -1, -1}};
    const float* d = directions[Hash(x, y, z) >> 28];
    return d[0] * dx + d[1] * dy + d[2] * dz;
}

float Noise::At(float x, float y) const {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float dx = x - fx;
    const float dy = y - fy;
    const float u = Fade(dx);
    const float v = Fade(dy);
    const float n00 = Gradient2(ix, iy, dx, dy);
    const float n10 = Gradient2(ix + 1, iy, dx - 1, dy);
    const float n01 = Gradient2(ix, iy + 1, dx, dy - 1);
    const float n11 = Gradient2(ix + 1, iy + 1, dx - 1, dy - 1);
    return 0.5f + 0.7f * Lerp(Lerp(n00, n10, u), Lerp(n01, n11, u), v);
}

float Noise::At(float x, float y, float z) const {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const float fz = std::floor(z);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const int iz = static_cast<int>(fz);
    const float dx = x - fx;
    const float dy = y - fy;
    const float dz = z - fz;
    const float u = Fade(dx);
    const float v = Fade(dy);
    const float w = Fade(dz);
    const float n000 = Gradient3(ix, iy, iz, dx, dy, dz);
    const float n100 = Gradient3(ix + 1, iy, iz, dx - 1, dy, dz);
    const float n010 = Gradient3(ix, iy + 1, iz, dx, dy - 1, dz);
    const float n110 = Gradient3(ix + 1, iy + 1, iz, dx - 1, dy - 1, dz);
    const float n001 = Gradient3(ix, iy, iz + 1, dx, dy, dz - 1);
    const float n101 = Gradient3(ix + 1, iy, iz + 1, dx - 1, dy, dz - 1);
    const float n011 = Gradient3(ix, iy + 1, iz + 1, dx, dy - 1, dz - 1);
    const float n111 = Gradient3(ix + 1, iy + 1, iz + 1, dx - 1, dy - 1, dz - 1);
    const float near = Lerp(Lerp(n000, n100, u), Lerp(n010, n110, u), v);
    const float far = Lerp(Lerp(n001, n101, u), Lerp(n011, n111, u), v);
    return 0.5f + 0.5f * Lerp(near, far, w);
}

float Noise::Fractal(float x, float y, int octaves) const {
    return SumOfOctaves(x, y, 0.0f, octaves, [this](float weight, float px, float py, float) {
        return weight * At(px, py);
    });
}

float Noise::Fractal(float x, float y, float z, int octaves) const {
    return SumOfOctaves(x, y, z, octaves, [this](float weight, float px, float py, float pz) {
        return weight * At(px, py, pz);
    });
}

float Noise::Ridged(float x, float y, int octaves) const {
    return SumOfOctaves(x, y, 0.0f, octaves, [this](float weight, float px, float py, float) {
        return RidgeShare(weight, At(px, py));
    });
}

float Noise::Ridged(float x, float y, float z, int octaves) const {
    return SumOfOctaves(x, y, z, octaves, [this](float weight, float px, float py, float pz) {
        return RidgeShare(weight, At(px, py, pz));
    });
}

} // namespace vantor::tools::pictures
