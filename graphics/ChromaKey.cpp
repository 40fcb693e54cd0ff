#include "graphics/ChromaKey.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace vantor::graphics {

namespace {

bool Near(Uint8 channel, float key) {
    return std::fabs(float(channel) / 255.0f - key) <= ChromaKey::Tolerance;
}

} // namespace

bool ChromaKey::Matches(Uint8 r, Uint8 g, Uint8 b, float keyR, float keyG, float keyB) {
    return Near(r, keyR) && Near(g, keyG) && Near(b, keyB);
}

void ChromaKey::Apply(SDL_Surface* picture, float keyR, float keyG, float keyB) {
    if (picture == nullptr || picture->format == nullptr ||
        picture->format->format != SDL_PIXELFORMAT_ARGB8888) {
        return;
    }
    // One table per channel of which of its 256 values lie near the key.
    bool nearR[256];
    bool nearG[256];
    bool nearB[256];
    for (int value = 0; value < 256; ++value) {
        nearR[value] = Near(Uint8(value), keyR);
        nearG[value] = Near(Uint8(value), keyG);
        nearB[value] = Near(Uint8(value), keyB);
    }

    const int width = picture->w;
    const int height = picture->h;
    auto pixelAt = [picture](int x, int y) {
        return reinterpret_cast<uint32_t*>(static_cast<Uint8*>(picture->pixels) +
                                           size_t(y) * size_t(picture->pitch)) +
               x;
    };

    std::vector<Uint8> keyed(size_t(width) * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = *pixelAt(x, y);
            if (nearR[(pixel >> 16) & 0xFF] && nearG[(pixel >> 8) & 0xFF] && nearB[pixel & 0xFF]) {
                keyed[size_t(y) * size_t(width) + size_t(x)] = 1;
            }
        }
    }

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (keyed[size_t(y) * size_t(width) + size_t(x)] == 0) {
                continue;
            }
            uint32_t sumR = 0;
            uint32_t sumG = 0;
            uint32_t sumB = 0;
            uint32_t count = 0;
            for (int ny = y - 1; ny <= y + 1; ++ny) {
                for (int nx = x - 1; nx <= x + 1; ++nx) {
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height ||
                        keyed[size_t(ny) * size_t(width) + size_t(nx)] != 0) {
                        continue;
                    }
                    const uint32_t neighbour = *pixelAt(nx, ny);
                    if ((neighbour >> 24) == 0) {
                        continue; // transparent already: its colour shows nowhere
                    }
                    sumR += (neighbour >> 16) & 0xFF;
                    sumG += (neighbour >> 8) & 0xFF;
                    sumB += neighbour & 0xFF;
                    ++count;
                }
            }
            uint32_t colour = 0;
            if (count > 0) {
                colour = (sumR / count) << 16 | (sumG / count) << 8 | (sumB / count);
            }
            *pixelAt(x, y) = colour; // alpha 0
        }
    }
}

} // namespace vantor::graphics
