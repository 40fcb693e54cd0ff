#include "app/GameIcon.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int Size = 32;

// Whether (x, y) lies inside the triangle (ax, ay), (bx, by), (cx, cy).
bool InTriangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy) {
    const float d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
    const float d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
    const float d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

uint32_t Argb(int a, int r, int g, int b) {
    return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 |
           static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

} // namespace

SDL_Surface* CreateGameIcon() {
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, Size, Size, 32, SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) {
        return nullptr;
    }
    auto* pixels = static_cast<uint32_t*>(icon->pixels);
    const int pitch = icon->pitch / 4;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const float px = x + 0.5f;
            const float py = y + 0.5f;
            const float distance = std::hypot(px - 16.0f, py - 16.0f);
            uint32_t colour = 0; // transparent outside the disc
            if (distance <= 15.5f) {
                // A deep blue disc, lighter toward its rim.
                const int shade = static_cast<int>(30 + distance * 3);
                colour = Argb(255, 10, shade / 2, shade + 30);
            }
            if (InTriangle(px, py, 27, 16, 7, 7, 7, 25) &&
                !InTriangle(px, py, 12, 16, 7, 12, 7, 20)) {
                colour = Argb(255, 225, 235, 245); // hull
            }
            if (InTriangle(px, py, 21, 16, 15, 13, 15, 19)) {
                colour = Argb(255, 40, 200, 255); // cockpit
            }
            if (px < 7.5f && px > 4.0f && std::fabs(py - 16.0f) < 2.5f) {
                colour = Argb(255, 255, 150, 30); // engine flame
            }
            pixels[y * pitch + x] = colour;
        }
    }
    return icon;
}
