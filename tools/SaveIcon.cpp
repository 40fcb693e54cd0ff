// Writes the game's icon at every size the desktop asks for, each drawn at its own size, as
// PNG files in the icon theme's layout: FOLDER/SIZExSIZE/apps/NAME.png.
// Usage: vantor-icon FOLDER NAME
#include "app/GameIcon.h"

#include <SDL_image.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER NAME\n", argv[0]);
        return 2;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const std::string side = std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(argv[1]) / (side + "x" + side) / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::string file = (folder / (std::string(argv[2]) + ".png")).string();
        SDL_Surface* icon = CreateGameIcon(size);
        if (error || icon == nullptr || IMG_SavePNG(icon, file.c_str()) != 0) {
            std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], file.c_str(),
                         error ? error.message().c_str() : SDL_GetError());
            SDL_FreeSurface(icon);
            return 1;
        }
        SDL_FreeSurface(icon);
    }
    return 0;
}
