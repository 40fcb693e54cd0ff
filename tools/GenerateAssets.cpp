// Makes every picture and sound file the game reads, deterministically, into one folder.
#include "tools/GenerateAssets.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "%s: cannot create %s: %s\n", argv[0], dir.c_str(),
                     error.message().c_str());
        return 1;
    }
    const bool pictures = GeneratePictures(dir);
    const bool sounds = GenerateSounds(dir);
    return pictures && sounds ? 0 : 1;
}
