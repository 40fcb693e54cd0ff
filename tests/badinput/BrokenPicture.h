#pragma once

#include "PictureCase.h"
#include "TempAssets.h"

#include "support/OffscreenLevel.h"
#include "support/PictureFile.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace vantor::test {

// One picture file of the level broken at a time, in a copy of the generated asset folder, and
// the whole level loaded from it on the offscreen device: the game reports that one file as
// the picture loader does and nothing else, every other picture loads whole, and the game
// plays every screen, drawing everything else.
class BrokenPicture : public ::testing::TestWithParam<PictureCase> {
public:
    // No picture of the game needs more than a few megabytes; a decoder that believed a header
    // claiming 16384 by 16384 would ask for a gigabyte.
    static constexpr std::size_t RefuseFrom = std::size_t(256) << 20;
    static constexpr uint32_t HugeSide = 16384;

protected:
    using Damage = PictureCase::Damage;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void TearDown() override;

    // Breaks the file in the copied folder, loads the level from there and puts the file
    // back. For a picture that still loads, keeps what it holds now to compare the screen with.
    void LoadWithBrokenFile(const PictureCase& broken);
    void Break(const PictureCase& broken);
    // The cell's side of an animation strip; 0 for any other file.
    static int StripCell(const std::string& file);

    // The one report the case calls for, naming the file as the level names it, or none.
    void ExpectOnlyTheBrokenFileReported(const PictureCase& broken);
    // The broken picture is missing from its sheet or holds what the file holds now; every
    // other picture is there at the size of its file.
    void ExpectEveryOtherPictureLoaded(const PictureCase& broken);
    // Plays the way a player gets into the game, then every screen: each is drawn and looked
    // at where its pictures show, then runs on for a few frames.
    void PlayEveryScreen(const std::string& brokenFile);
    void ExpectTheGameRunsOn(const PictureCase& broken);

    // Updates and draws frames as the frame loop does.
    void Frames(int count);
    void Draw() { offscreen->Draw(); }

    // A generated picture as the build made it, decoded once for the whole suite.
    static const PictureFile& Original(const std::string& file);

    static constexpr uint32_t StripColour = 0xFFE01EA0;

    static inline TempAssets* assets = nullptr;
    static inline std::map<std::string, PictureFile> originals;

    RecordingPlayer sound;
    std::unique_ptr<OffscreenLevel> offscreen;
    Sector01* level = nullptr;
    std::unique_ptr<PictureFile> brokenPicture;
    std::pair<long long, long long> brokenSides;
    std::size_t largestAllocation = 0;
};

} // namespace vantor::test
