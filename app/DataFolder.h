#pragma once

#include <string>
#include <vector>

namespace vantor::app {

// The folder of the game's pictures and sounds. The level opens them by bare name, so the game
// makes that folder its working directory. It is, in this order: the folder the player asked
// for (--data-dir or VANTOR_DATA_DIR); the data folder the program was installed with, found
// from the program's own place, so that a moved installation still finds its files; the build
// tree's generated folder, for a program run from where it was built; and last the working
// directory as it is.
class DataFolder {
public:
    // Enters the folder asked for, or failing that (asked is empty) the first one that holds
    // the game's files. False, with the reason, only when the folder asked for cannot be
    // entered. Returns the folder entered in folder (empty when the working directory stays).
    static bool Enter(const std::string& asked, std::string& folder, std::string& error);

    // Whether dir holds the game's files (judged by one picture every game needs).
    static bool HasGameFiles(const std::string& dir);

    // The game's files (every picture file of the picture manifest, every sound file) that dir
    // lacks, in the lists' order: none when it holds them all. A dir that is no folder lacks
    // them all.
    static std::vector<std::string> MissingFiles(const std::string& dir);
    // What the player is told of them: the folder, the first ten files and how many more.
    static std::string MissingMessage(const std::string& dir,
                                      const std::vector<std::string>& missing);

    // The folders to look in, after a folder asked for, in their order.
    static std::string InstalledFolder();
    static std::string BuildFolder();
};

} // namespace vantor::app
