#include "tools/pictures/PictureWriter.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cmath>
#include <cstdlib>

namespace vantor::tools::pictures {

namespace {

// The key removes a pixel when every channel lies within 0.7 of the key's; anything written
// next to a key keeps at least this distance (0..255) in one channel, a little more than 0.7.
constexpr int kKeyClearance = 184;

int Byte(float v) {
    return static_cast<int>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

// Fills an RGB24 or RGBA32 surface from the canvas; opaque formats are laid over black.
SDL_Surface* ToSurface(const Canvas& canvas, bool alpha) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, canvas.width, canvas.height, alpha ? 32 : 24,
                                       alpha ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24);
    if (surface == nullptr) {
        return nullptr;
    }
    auto* bytes = static_cast<Uint8*>(surface->pixels);
    const int step = alpha ? 4 : 3;
    for (int y = 0; y < canvas.height; ++y) {
        Uint8* row = bytes + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (int x = 0; x < canvas.width; ++x) {
            const Colour& c = canvas.At(x, y);
            const float k = alpha ? 1.0f : std::clamp(c.a, 0.0f, 1.0f);
            row[x * step + 0] = static_cast<Uint8>(Byte(c.r * k));
            row[x * step + 1] = static_cast<Uint8>(Byte(c.g * k));
            row[x * step + 2] = static_cast<Uint8>(Byte(c.b * k));
            if (alpha) {
                row[x * step + 3] = static_cast<Uint8>(Byte(c.a));
            }
        }
    }
    return surface;
}

// Readies an RGB24 surface made from the canvas for drawing through the key: the transparent
// part becomes exactly the key colour and every other pixel is moved, where needed, out of
// the key's reach.
void PaintKey(SDL_Surface* surface, const Canvas& canvas, const Colour& key) {
    auto* bytes = static_cast<Uint8*>(surface->pixels);
    for (int y = 0; y < canvas.height; ++y) {
        Uint8* row = bytes + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (int x = 0; x < canvas.width; ++x) {
            const Colour& c = canvas.At(x, y);
            Uint8* p = row + x * 3;
            if (c.a < 0.5f) {
                p[0] = static_cast<Uint8>(Byte(key.r));
                p[1] = static_cast<Uint8>(Byte(key.g));
                p[2] = static_cast<Uint8>(Byte(key.b));
                continue;
            }
            // Edge pixels keep their own colour rather than a mix with the key.
            int r = Byte(c.r);
            int g = Byte(c.g);
            int b = Byte(c.b);
            PictureWriter::MoveOutOfKey(r, g, b, key);
            p[0] = static_cast<Uint8>(r);
            p[1] = static_cast<Uint8>(g);
            p[2] = static_cast<Uint8>(b);
        }
    }
}

} // namespace

// The canvas as a surface, written by one of SDL's savers (0 when it worked).
template <typename Saver>
void PictureWriter::Save(const std::string& name, const Canvas& canvas, bool alpha, Saver save) {
    SDL_Surface* surface = ToSurface(canvas, alpha);
    if (surface == nullptr || save(surface, Path(name).c_str()) != 0) {
        Fail(name, SDL_GetError());
    }
    SDL_FreeSurface(surface);
}

void PictureWriter::Fail(const std::string& name, const char* why) {
    folder.Report("cannot write " + Path(name) + ": " + why);
    ok = false;
}

void PictureWriter::MoveOutOfKey(int& r, int& g, int& b, const Colour& key) {
    int* channels[3] = {&r, &g, &b};
    const int keyBytes[3] = {Byte(key.r), Byte(key.g), Byte(key.b)};
    int cheapest = -1;
    int cheapestTarget = 0;
    int cheapestCost = 1 << 30;
    for (int i = 0; i < 3; ++i) {
        const int v = *channels[i];
        const int k = keyBytes[i];
        if (std::abs(v - k) >= kKeyClearance) {
            return;
        }
        // Either side of the key's reach, where the channel range allows it.
        const int candidates[2] = {k - kKeyClearance, k + kKeyClearance};
        for (int target : candidates) {
            if (target < 0 || target > 255) {
                continue;
            }
            const int cost = std::abs(target - v);
            if (cost < cheapestCost) {
                cheapestCost = cost;
                cheapest = i;
                cheapestTarget = target;
            }
        }
    }
    if (cheapest >= 0) {
        *channels[cheapest] = cheapestTarget;
    }
}

void PictureWriter::Bmp(const std::string& name, const Canvas& canvas) {
    Save(name, canvas, false,
         [](SDL_Surface* surface, const char* path) { return SDL_SaveBMP(surface, path); });
}

void PictureWriter::KeyedBmp(const std::string& name, const Canvas& canvas, const Colour& key) {
    Save(name, canvas, false, [&](SDL_Surface* surface, const char* path) {
        PaintKey(surface, canvas, key);
        return SDL_SaveBMP(surface, path);
    });
}

void PictureWriter::Png(const std::string& name, const Canvas& canvas) {
    Save(name, canvas, true,
         [](SDL_Surface* surface, const char* path) { return IMG_SavePNG(surface, path); });
}

void PictureWriter::Jpg(const std::string& name, const Canvas& canvas, int quality) {
    Save(name, canvas, false, [quality](SDL_Surface* surface, const char* path) {
        return IMG_SaveJPG(surface, path, quality);
    });
}

} // namespace vantor::tools::pictures
