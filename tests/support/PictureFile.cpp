#include "support/PictureFile.h"

#include <SDL_image.h>

namespace vantor::test {

PictureFile::PictureFile(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (loaded != nullptr) {
        surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(loaded);
    }
}

PictureFile::~PictureFile() {
    SDL_FreeSurface(surface);
}

uint32_t PictureFile::At(int x, int y) const {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return 0;
    }
    const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x];
}

} // namespace vantor::test
