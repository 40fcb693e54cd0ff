#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

namespace vantor::test {

// One picture file decoded the plain way (by SDL2_image) into 0xAARRGGBB pixels, to compare the
// game's drawing with.
class PictureFile {
public:
    explicit PictureFile(const std::string& path);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // False when the file could not be decoded; it then has no pixels at all.
    bool Decoded() const { return surface != nullptr; }
    int Width() const { return surface != nullptr ? surface->w : 0; }
    int Height() const { return surface != nullptr ? surface->h : 0; }
    // The pixel at (x, y); 0 outside the picture.
    uint32_t At(int x, int y) const;

    SDL_Surface* surface = nullptr; // ARGB8888
};

} // namespace vantor::test
