// Runs the picture tests, or with --generate DIR only fills DIR with the pictures (the test
// runner does that once before the tests).
#include "tools/pictures/GeneratePictures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--generate") == 0) {
        std::filesystem::create_directories(argv[2]);
        return vantor::tools::pictures::GeneratePictures(argv[2]) ? 0 : 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
