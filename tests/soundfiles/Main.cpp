// The sound file tests. Run as "vantor-soundfile-tests --generate DIR" it only writes the game's
// sound files into DIR (emptied first); the test run then checks that folder, named by
// VANTOR_SOUND_DIR, so the sounds are made once however many test processes run.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "tools/sounds/GenerateSounds.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--generate") == 0) {
        std::error_code error;
        std::filesystem::remove_all(argv[2], error);
        std::filesystem::create_directories(argv[2], error);
        if (error) {
            std::fprintf(stderr, "cannot create %s: %s\n", argv[2], error.message().c_str());
            return 1;
        }
        return vantor::tools::sounds::GenerateSounds(argv[2]) ? 0 : 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
