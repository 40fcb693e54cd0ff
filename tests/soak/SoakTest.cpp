// A long game with a random player: the level installed in LevelController, loaded from the
// generated files onto the offscreen picture, and every frame updated and drawn as the frame
// loop does. Run under the sanitizers this finds memory faults and undefined behaviour on
// paths no scripted test takes; in any build it checks that memory stays flat once play has
// settled and that the player really went everywhere.
#include "CommandChecker.h"
#include "RandomPlayer.h"
#include "ResidentMemory.h"
#include "Screen.h"

#include "app/GameManager.h"
#include "app/LevelController.h"
#include "game/Sector01.h"
#include "graphics/Graphics.h"
#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"
#include "support/GeneratedAssets.h"
#include "support/RecordingReporter.h"
#include "support/WorkingDirectory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

namespace vantor::test {

namespace {

constexpr uint32_t Seed = 20240611;
constexpr int Frames = 50000;
// Memory is compared between this frame and the last: by then every picture, glyph and
// sound command has been used many times over.
constexpr int SettledFrame = 10000;
constexpr long AllowedGrowthKilobytes = 1024;

// What happened over the run, beyond the screens shown.
struct Story {
    std::array<int64_t, ScreenCount> framesOn = {};
    int defeats = 0;
    int victories = 0;
    int restarts = 0; // from an end screen back to the title
    int sectorsEntered = 0;
    int highestSector = 1;
    int enemiesDestroyed = 0;

    void Follow(Screen before, Screen now, float sectorBefore, const Sector01& level,
                int killsBefore) {
        framesOn[static_cast<int>(now)] += 1;
        if (now != before) {
            defeats += now == Screen::Defeat;
            victories += now == Screen::Victory;
            restarts +=
                now == Screen::Title && (before == Screen::Defeat || before == Screen::Victory);
        }
        if (level.sector > sectorBefore && level.sector <= 15) {
            sectorsEntered += 1;
        }
        if (level.sector > static_cast<float>(highestSector)) {
            highestSector = static_cast<int>(level.sector);
        }
        if (level.enemiesDestroyed > killsBefore) {
            enemiesDestroyed += level.enemiesDestroyed - killsBefore;
        }
    }
};

const char* InputName(int input) {
    static const char* const names[RandomPlayer::InputCount] = {
        "left click", "right click", "1", "2", "3", "4", "5", "6", "menu key", "Enter"};
    return names[input];
}

} // namespace

TEST(Soak, FiftyThousandFramesOfRandomPlayStayCleanAndFlat) {
    Graphics graphics;
    ASSERT_TRUE(graphics.InitOffscreen());
    GameManager::SetGraphics(&graphics);
    CommandChecker sound;

    // Loaded from the asset folder, as the game starts in it.
    auto* level = new Sector01();
    {
        const RecordingReporter reporter;
        const WorkingDirectory inAssets(GeneratedAssets::Dir());
        LevelController::LoadInitialLevel(level);
        for (const auto& [text, fileName] : reporter.reports) {
            std::fprintf(stderr, "picture report: %s%s\n", text.c_str(), fileName.c_str());
        }
        EXPECT_EQ(reporter.reports.size(), 0u)
            << "every picture should load from " << GeneratedAssets::Dir();
    }

    // Loading seeds the game's dice with the clock; a fixed seed and a fresh game make every
    // run play the same.
    level->ChooseSeed(Seed);
    level->NewGame();

    RandomPlayer player(Seed);
    Story story;
    long settledKilobytes = -1;
    Screen screen = ScreenOf(*level);
    for (int frame = 1; frame <= Frames; ++frame) {
        const float sectorBefore = level->sector;
        const int killsBefore = level->enemiesDestroyed;
        player.Act(*level);
        LevelController::Update();
        graphics.BeginDraw();
        LevelController::Render();
        graphics.EndDraw();

        const Screen now = ScreenOf(*level);
        story.Follow(screen, now, sectorBefore, *level, killsBefore);
        screen = now;
        if (frame == SettledFrame) {
            settledKilobytes = ResidentKilobytes();
        }
        if (frame % 10000 == 0) {
            std::printf("frame %5d: resident %ld kB, sector %d, %d games ended\n", frame,
                        ResidentKilobytes(), static_cast<int>(level->sector),
                        story.defeats + story.victories);
        }
    }
    const long finalKilobytes = ResidentKilobytes();

    std::printf("frames on each screen:");
    for (int s = 0; s < ScreenCount; ++s) {
        std::printf(" %s %lld,", ScreenName(static_cast<Screen>(s)),
                    static_cast<long long>(story.framesOn[s]));
    }
    std::printf("\ninputs given:");
    for (int i = 0; i < RandomPlayer::InputCount; ++i) {
        std::printf(" %s %lld,", InputName(i), static_cast<long long>(player.given[i]));
    }
    std::printf("\n%d defeats, %d victories, %d restarts, %d sectors entered (highest %d), "
                "%d enemies destroyed, %lld sound commands\n",
                story.defeats, story.victories, story.restarts, story.sectorsEntered,
                story.highestSector, story.enemiesDestroyed, static_cast<long long>(sound.sent));
    std::printf("resident memory: %ld kB at frame %d, %ld kB at frame %d\n", settledKilobytes,
                SettledFrame, finalKilobytes, Frames);

    for (int s = 0; s < ScreenCount; ++s) {
        EXPECT_GT(story.framesOn[s], 0) << "never saw the " << ScreenName(static_cast<Screen>(s));
    }
    for (int i = 0; i < RandomPlayer::InputCount; ++i) {
        EXPECT_GT(player.given[i], 0) << "never gave " << InputName(i);
    }
    EXPECT_GT(story.defeats, 0);
    EXPECT_GT(story.victories, 0);
    EXPECT_GT(story.restarts, 1);
    EXPECT_EQ(sound.invalid, 0);
    EXPECT_EQ(sound.unknownFile, 0);

    ASSERT_GT(settledKilobytes, 0);
    ASSERT_GT(finalKilobytes, 0);
    EXPECT_LT(finalKilobytes - settledKilobytes, AllowedGrowthKilobytes)
        << "resident memory grew from " << settledKilobytes << " kB at frame " << SettledFrame
        << " to " << finalKilobytes << " kB at frame " << Frames;

    // Unloading leaves no picture or text style behind.
    LevelController::SwitchLevel(nullptr);
    EXPECT_EQ(LevelController::currentLevel, nullptr);
    EXPECT_EQ(SpriteSheet::live, 0);
    EXPECT_EQ(TextWriter::live, 0);
    GameManager::SetGraphics(nullptr);
}

} // namespace vantor::test
