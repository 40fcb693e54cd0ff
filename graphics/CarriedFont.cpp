// The font that comes with the game where the system has none to offer.
#include "graphics/FontFinder.h"

#include <SDL.h>

#include <cstdio>

namespace vantor::graphics {

std::string FontFinder::CarriedFont() {
    char* base = SDL_GetBasePath(); // ends in a separator
    if (base == nullptr) {
        return {};
    }
    std::string path = std::string(base) + "fonts/DejaVuSans.ttf";
    SDL_free(base);
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return path;
    }
    return {};
}

} // namespace vantor::graphics
