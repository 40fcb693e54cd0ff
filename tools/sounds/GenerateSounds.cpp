// Synthesizes every sound file of the game into the asset folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/GenerateAssets.h"
#include "tools/sounds/SoundLibrary.h"

bool GenerateSounds(const std::string& dir) {
    std::error_code folderError;
    if (!std::filesystem::is_directory(dir, folderError)) {
        std::fprintf(stderr, "cannot write sounds: %s is not a folder\n", dir.c_str());
        return false;
    }
    SoundLibrary library;
    bool allMade = true;
    for (const std::string& file : SoundLibrary::Files()) {
        std::vector<unsigned char> mp3;
        std::string error;
        if (!library.Make(file, mp3, error)) {
            std::fprintf(stderr, "cannot make %s: %s\n", file.c_str(), error.c_str());
            allMade = false;
            continue;
        }
        const std::string path = dir + "/" + file;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(mp3.data()),
                  static_cast<std::streamsize>(mp3.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            allMade = false;
        }
    }
    return allMade;
}
