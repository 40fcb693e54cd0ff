// The fuzzers' committed seed corpus, replayed through the very functions the fuzz targets
// call. Each file's name says what must become of it.
#include "fuzz/FuzzMediaCommand.h"
#include "fuzz/FuzzPicture.h"
#include "fuzz/FuzzReplay.h"

#include "graphics/PictureLoader.h"
#include "support/ByteFile.h"
#include "support/RecordingReporter.h"
#include "support/TempDirectory.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

namespace fs = std::filesystem;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The corpus files of a target, sorted so that failures read the same on every run.
std::vector<fs::path> Files(const char* target) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(VANTOR_FUZZ_CORPUS) / target)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(SeedCorpus, EveryPictureIsLoadedOrReportedAsItsNameSays) {
    const std::vector<fs::path> files = Files("picture");
    int loads = 0;
    int fileErrors = 0;
    int frameErrors = 0;
    for (const fs::path& path : files) {
        const std::string name = path.filename().string();
        const std::vector<uint8_t> bytes = ByteFile::Read(path);
        const fuzz::PictureFuzzOutcome outcome = fuzz::RunPictureInput(bytes.data(), bytes.size());
        EXPECT_EQ(outcome.fault, nullptr) << name << ": " << outcome.fault;
        EXPECT_TRUE(outcome.decoded) << name;
        if (StartsWith(name, "loads-")) {
            ++loads;
            EXPECT_TRUE(outcome.loaded) << name << ": " << (outcome.text ? outcome.text : "");
            EXPECT_GT(outcome.width, 0) << name;
        } else if (StartsWith(name, "file-error-")) {
            ++fileErrors;
            EXPECT_FALSE(outcome.loaded) << name;
            EXPECT_STREQ(outcome.text, graphics::PictureLoader::FileError) << name;
        } else if (StartsWith(name, "frame-error-")) {
            ++frameErrors;
            EXPECT_FALSE(outcome.loaded) << name;
            EXPECT_STREQ(outcome.text, graphics::PictureLoader::FrameError) << name;
        } else {
            ADD_FAILURE() << name << ": the name does not say what must become of the file";
        }
    }
    // Every kind of outcome is represented, for each of the three kinds of picture.
    EXPECT_GE(loads, 10);
    EXPECT_GE(fileErrors, 3);
    EXPECT_GE(frameErrors, 10);
}

// What the loader made of a picture: its sides, or the reports it gave.
std::string Outcome(SDL_Surface* picture, const RecordingReporter& reporter) {
    std::string outcome;
    if (picture != nullptr) {
        outcome = std::to_string(picture->w) + "x" + std::to_string(picture->h);
        SDL_FreeSurface(picture);
    }
    for (const auto& [text, fileName] : reporter.reports) {
        outcome += "; " + text + " (" + fileName + ")";
    }
    return outcome;
}

TEST(SeedCorpus, EveryPictureLoadsFromMemoryAsFromItsFile) {
    const TempDirectory folder;
    for (const fs::path& path : Files("picture")) {
        const std::vector<uint8_t> bytes = ByteFile::Read(path);
        // The file under the same name as the bytes get, so that the reports read alike.
        const std::string name = folder.File("picture");
        fs::copy_file(path, name, fs::copy_options::overwrite_existing);
        std::string fileOutcome;
        {
            const RecordingReporter fromFile;
            fileOutcome = Outcome(graphics::PictureLoader::Load(name.c_str()), fromFile);
        }
        std::string memoryOutcome;
        {
            const RecordingReporter fromMemory;
            memoryOutcome = Outcome(
                graphics::PictureLoader::LoadFromMemory(bytes.data(), bytes.size(), name.c_str()),
                fromMemory);
        }
        EXPECT_EQ(memoryOutcome, fileOutcome) << path.filename();
        EXPECT_FALSE(fileOutcome.empty()) << path.filename();
    }
}

TEST(SeedCorpus, EveryCommandIsValidOrNotAsItsNameSays) {
    int valid = 0;
    int invalid = 0;
    for (const fs::path& path : Files("media-command")) {
        const std::string name = path.filename().string();
        const std::vector<uint8_t> bytes = ByteFile::Read(path);
        const fuzz::CommandFuzzOutcome outcome = fuzz::RunCommandInput(bytes.data(), bytes.size());
        EXPECT_EQ(outcome.fault, nullptr) << name << ": " << outcome.fault;
        if (StartsWith(name, "valid-")) {
            ++valid;
            EXPECT_NE(outcome.verb, sound::MediaCommand::Verb::Invalid) << name;
            EXPECT_FALSE(outcome.file.empty()) << name;
        } else if (StartsWith(name, "invalid-")) {
            ++invalid;
            EXPECT_EQ(outcome.verb, sound::MediaCommand::Verb::Invalid) << name;
        } else {
            ADD_FAILURE() << name << ": the name does not say what must become of the command";
        }
    }
    EXPECT_GE(valid, 31); // at least every command of the game
    EXPECT_GE(invalid, 10);
}

TEST(SeedCorpus, EveryReplayPlaysAgainOrIsRefusedAsItsNameSays) {
    using Result = app::ReplayRun::Result;
    int equal = 0;
    int diverged = 0;
    int unreadable = 0;
    for (const fs::path& path : Files("replay")) {
        const std::string name = path.filename().string();
        const std::vector<uint8_t> bytes = ByteFile::Read(path);
        const fuzz::ReplayFuzzOutcome outcome = fuzz::RunReplayInput(bytes.data(), bytes.size());
        EXPECT_EQ(outcome.fault, nullptr) << name << ": " << outcome.fault;
        if (StartsWith(name, "equal-")) {
            ++equal;
            EXPECT_TRUE(outcome.read) << name << ": " << outcome.problem;
            EXPECT_EQ(outcome.result, Result::Equal) << name;
        } else if (StartsWith(name, "diverged-")) {
            ++diverged;
            EXPECT_TRUE(outcome.read) << name << ": " << outcome.problem;
            EXPECT_EQ(outcome.result, Result::Diverged) << name;
        } else if (StartsWith(name, "unreadable-")) {
            ++unreadable;
            EXPECT_FALSE(outcome.read) << name;
        } else {
            ADD_FAILURE() << name << ": the name does not say what must become of the replay";
        }
    }
    EXPECT_GE(equal, 2);
    EXPECT_GE(diverged, 2);
    EXPECT_GE(unreadable, 5);
}

} // namespace

} // namespace vantor::test
