#include "app/DataFolder.h"
#include "game/PictureManifest.h"
#include "sound/SoundFiles.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

using app::DataFolder;

// Every file the game needs, in the order the check names them.
std::vector<std::string> EveryFile() {
    std::vector<std::string> files(game::PictureManifest::Files.begin(),
                                   game::PictureManifest::Files.end());
    files.insert(files.end(), sound::SoundFiles::EveryName.begin(),
                 sound::SoundFiles::EveryName.end());
    return files;
}

void Touch(const std::string& path) {
    std::ofstream(path) << "x";
}

TEST(DataFolderTest, AFolderWithEveryFileLacksNothingAndEachGapIsNamed) {
    TempDirectory folder;
    const std::vector<std::string> every = EveryFile();
    for (const std::string& name : every) {
        Touch(folder.File(name));
    }
    EXPECT_TRUE(DataFolder::MissingFiles(folder.Path()).empty());

    // One file gone, and one whose name is taken by a folder: both are missing, in list order.
    fs::remove(folder.File(every.back()));
    fs::remove(folder.File(every.front()));
    fs::create_directory(folder.File(every.front()));
    EXPECT_EQ(DataFolder::MissingFiles(folder.Path()),
              (std::vector<std::string>{every.front(), every.back()}));
}

TEST(DataFolderTest, AnEmptyFolderOrAFileInsteadOfAFolderLacksEverything) {
    TempDirectory folder;
    EXPECT_EQ(DataFolder::MissingFiles(folder.Path()), EveryFile());
    Touch(folder.File("not-a-folder"));
    EXPECT_EQ(DataFolder::MissingFiles(folder.File("not-a-folder")), EveryFile());
    EXPECT_EQ(DataFolder::MissingFiles(folder.File("nowhere")), EveryFile());
}

TEST(DataFolderTest, TheMessageNamesTheFolderTheFirstTenAndHowManyMore) {
    const std::vector<std::string> every = EveryFile();
    const std::string all = std::to_string(every.size());

    const std::string none = DataFolder::MissingMessage("/games/vantor", every);
    EXPECT_NE(none.find("/games/vantor"), std::string::npos) << none;
    EXPECT_NE(none.find("none of its " + all + " files is there"), std::string::npos) << none;
    EXPECT_NE(none.find(every[9] + " and " + std::to_string(every.size() - 10) + " more)"),
              std::string::npos)
        << none;
    EXPECT_EQ(none.find(every[10]), std::string::npos) << none;
    EXPECT_NE(none.find("--data-dir"), std::string::npos) << none;
    EXPECT_EQ(none.find('\n'), std::string::npos) << none;

    const std::string one = DataFolder::MissingMessage("data", {"Planet7.bmp"});
    EXPECT_NE(one.find("1 of its " + all + " files is missing (Planet7.bmp)."), std::string::npos)
        << one;

    const std::string two = DataFolder::MissingMessage("data", {"Planet7.bmp", "ship.wav"});
    EXPECT_NE(two.find("2 of its " + all + " files are missing (Planet7.bmp, ship.wav)."),
              std::string::npos)
        << two;
    EXPECT_EQ(two.find("more"), std::string::npos) << two;
}

} // namespace
} // namespace vantor::test
