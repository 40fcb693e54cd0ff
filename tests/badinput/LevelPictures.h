#pragma once

#include <SDL.h>

#include <string>
#include <vector>

class Sector01;
class SpriteSheet;

namespace vantor::test {

// The 56 picture files the level reads, as the picture manifest lists them, and where each one
// ends up once loaded.
class LevelPictures {
public:
    struct Picture {
        std::string file;
        SpriteSheet* sheet = nullptr;
        SDL_Texture* texture = nullptr; // null when the file was not loaded
        int cellSide = 0;               // the cell's side for the six animation strips, else 0
    };

    // Every file in the order the level loads them, with the level's sheets for them.
    static std::vector<Picture> Of(const Sector01& level);
    // The file names alone.
    static std::vector<std::string> Files();
    // The strips and their cell sides.
    static std::vector<Picture> Strips();
};

} // namespace vantor::test
