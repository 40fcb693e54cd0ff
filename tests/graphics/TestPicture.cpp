#include "TestPicture.h"

#include <SDL_image.h>

#include <stdexcept>

namespace vantor::test {

TestPicture::TestPicture(int width, int height, uint32_t fill) {
    surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) {
        throw std::runtime_error(SDL_GetError());
    }
    Fill(0, 0, width, height, fill);
}

TestPicture::~TestPicture() {
    SDL_FreeSurface(surface);
}

void TestPicture::Set(int x, int y, uint32_t colour) {
    Fill(x, y, 1, 1, colour);
}

void TestPicture::Fill(int x, int y, int width, int height, uint32_t colour) {
    const SDL_Rect area = {x, y, width, height};
    SDL_FillRect(surface, &area, colour);
}

void TestPicture::SavePng(const std::string& path) const {
    if (IMG_SavePNG(surface, path.c_str()) != 0) {
        throw std::runtime_error(SDL_GetError());
    }
}

void TestPicture::SaveBmp(const std::string& path) const {
    // Saved as 24-bit pixels, the common kind of BMP file.
    SDL_Surface* opaque = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGB24, 0);
    const int result = opaque != nullptr ? SDL_SaveBMP(opaque, path.c_str()) : -1;
    SDL_FreeSurface(opaque);
    if (result != 0) {
        throw std::runtime_error(SDL_GetError());
    }
}

void TestPicture::SaveJpg(const std::string& path) const {
    if (IMG_SaveJPG(surface, path.c_str(), 95) != 0) {
        throw std::runtime_error(SDL_GetError());
    }
}

} // namespace vantor::test
