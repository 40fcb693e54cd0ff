// The picture files the level reads are those of the generated asset folder.
#include "LevelPictures.h"

#include "support/GeneratedAssets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

namespace fs = std::filesystem;

TEST(LevelPictureFiles, AreEveryPictureOfTheAssetFolderEachOnce) {
    const std::vector<std::string> files = LevelPictures::Files();
    const std::set<std::string> named(files.begin(), files.end());
    EXPECT_EQ(files.size(), 56u);
    EXPECT_EQ(named.size(), files.size());
    std::set<std::string> inFolder;
    for (const fs::directory_entry& entry : fs::directory_iterator(GeneratedAssets::Dir())) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".bmp" || extension == ".png" || extension == ".jpg") {
            inFolder.insert(entry.path().filename().string());
        }
    }
    EXPECT_EQ(named, inFolder);
    EXPECT_EQ(LevelPictures::Strips().size(), 6u);
}

} // namespace

} // namespace vantor::test
