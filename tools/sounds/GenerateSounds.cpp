// Synthesizes every sound file of the game into the asset folder.
#include <fstream>
#include <string>
#include <vector>

#include "tools/AssetFolder.h"
#include "tools/sounds/GenerateSounds.h"
#include "tools/sounds/SoundLibrary.h"

namespace vantor::tools::sounds {

bool GenerateSounds(const std::string& dir) {
    const tools::AssetFolder folder("sounds", dir);
    if (!folder.Exists()) {
        return false;
    }
    SoundLibrary library;
    bool allMade = true;
    for (const std::string& file : SoundLibrary::Files()) {
        std::vector<unsigned char> mp3;
        std::string error;
        if (!library.Make(file, mp3, error)) {
            folder.Report("cannot make " + file + ": " + error);
            allMade = false;
            continue;
        }
        const std::string path = folder.Path(file);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(mp3.data()),
                  static_cast<std::streamsize>(mp3.size()));
        out.close();
        if (!out) {
            folder.Report("cannot write " + path);
            allMade = false;
        }
    }
    return allMade;
}

} // namespace vantor::tools::sounds
