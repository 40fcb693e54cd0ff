// Makes every picture and sound file the game reads, deterministically, into one folder.
#include "tools/AssetFolder.h"
#include "tools/pictures/GeneratePictures.h"
#include "tools/sounds/GenerateSounds.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    if (!vantor::tools::AssetFolder(argv[0], dir).Create()) {
        return 1;
    }
    const bool pictures = vantor::tools::pictures::GeneratePictures(dir);
    const bool sounds = vantor::tools::sounds::GenerateSounds(dir);
    return pictures && sounds ? 0 : 1;
}
