// Writes the window's icon as a PNG for the desktop: the same picture the game draws for its
// window. Usage: vantor-icon OUTPUT.png
#include "app/GameIcon.h"

#include <SDL_image.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    SDL_Surface* icon = CreateGameIcon();
    if (icon == nullptr || IMG_SavePNG(icon, argv[1]) != 0) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1], SDL_GetError());
        SDL_FreeSurface(icon);
        return 1;
    }
    SDL_FreeSurface(icon);
    return 0;
}
