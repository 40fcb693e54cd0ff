#include "app/GameIcon.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vantor::app {

namespace {

// The icon is drawn on a 32 by 32 grid of its own, whatever its size in pixels.
constexpr float Grid = 32.0f;
// Samples across each pixel, each way, for smooth edges.
constexpr int Samples = 4;

struct Colour {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
};

// Whether (x, y) lies inside the triangle (ax, ay), (bx, by), (cx, cy).
bool InTriangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy) {
    const float d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
    const float d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
    const float d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

// A few fixed stars on the disc, in grid units.
constexpr float Stars[][3] = {{9, 6, 0.45f}, {23, 7, 0.35f},  {26, 22, 0.4f},
                              {6, 21, 0.3f}, {18, 27, 0.35f}, {12, 25, 0.25f}};

// What the icon shows at the point (x, y) of its grid, drawn for an icon of the given size.
Colour At(float x, float y, int size) {
    const float distance = std::hypot(x - 16.0f, y - 16.0f);
    Colour colour; // clear outside the disc
    if (distance <= 15.5f) {
        // A deep blue disc, lighter toward its rim.
        const float shade = 30.0f + distance * 3.0f;
        colour = {10, shade / 2.0f, shade + 30.0f, 255};
        if (size >= 48 && distance > 14.6f) {
            colour = {70, 140, 230, 255}; // the rim
        }
        if (size >= 48) {
            for (const auto& star : Stars) {
                if (std::hypot(x - star[0], y - star[1]) < star[2]) {
                    colour = {235, 240, 255, 255};
                }
            }
        }
    }
    if (InTriangle(x, y, 27, 16, 7, 7, 7, 25) && !InTriangle(x, y, 12, 16, 7, 12, 7, 20)) {
        // The hull, lit from above.
        const float light = 1.0f - (y - 7.0f) / 18.0f * 0.22f;
        colour = {225 * light, 235 * light, 245 * light, 255};
        // Panel lines along the hull where they can be seen.
        if (size >= 128 && (std::fabs(y - 16.0f) < 0.12f || std::fabs(x - 17.0f) < 0.12f)) {
            colour = {150, 165, 185, 255};
        }
    }
    if (InTriangle(x, y, 21, 16, 15, 13, 15, 19)) {
        // The cockpit, brighter toward its nose.
        const float glow = (x - 15.0f) / 6.0f;
        colour = {40 + 120 * glow, 200 + 40 * glow, 255, 255};
    }
    if (InTriangle(x, y, 7.5f, 13.5f, 7.5f, 18.5f, 2.5f, 16.0f)) {
        // The engine's flame, yellow where it leaves the ship, orange at its tip.
        const float tip = std::clamp((7.5f - x) / 5.0f, 0.0f, 1.0f);
        colour = {255, 220 - 110 * tip, 90 - 70 * tip, 255};
    }
    return colour;
}

uint32_t Argb(float a, float r, float g, float b) {
    auto byte = [](float value) {
        return static_cast<uint32_t>(std::lround(std::clamp(value, 0.0f, 255.0f)));
    };
    return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
}

} // namespace

SDL_Surface* CreateGameIcon(int size) {
    if (size < 1 || size > 4096) {
        return nullptr;
    }
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) {
        return nullptr;
    }
    auto* pixels = static_cast<uint32_t*>(icon->pixels);
    const int pitch = icon->pitch / 4;
    const float unit = Grid / static_cast<float>(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // The samples' average, their colours weighted by their alpha.
            float r = 0;
            float g = 0;
            float b = 0;
            float a = 0;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const Colour c = At((x + (sx + 0.5f) / Samples) * unit,
                                        (y + (sy + 0.5f) / Samples) * unit, size);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            pixels[y * pitch + x] = a > 0 ? Argb(a / (Samples * Samples), r / a, g / a, b / a) : 0;
        }
    }
    return icon;
}

} // namespace vantor::app
