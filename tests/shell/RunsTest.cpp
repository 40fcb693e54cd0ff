// What the shell keeps of runs and plays again: the records as runs end or are left, their
// lines for the title, the end and the Records screen; a replay played a frame at a time at
// its speed, deaf to the player's clicks and game keys.
#include "app/RecordsFile.h"
#include "app/ReplayPlayback.h"
#include "app/RunRecords.h"
#include "app/ShellOverlay.h"
#include "support/TempDirectory.h"

#include "ShellEvents.h"
#include "ShellTest.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

using app::Records;
using app::RunRecords;
using game::LevelView;
using Calls = std::vector<std::string>;

LevelView InSector(int sector) {
    LevelView view;
    view.playing = true;
    view.sector = sector;
    return view;
}

class RunRecordsTest : public ::testing::Test {
protected:
    // Plays the view for the frames.
    void Play(const LevelView& view, int frames) {
        for (int frame = 0; frame < frames; ++frame) {
            runs.Frame(view);
        }
    }

    TempDirectory folder;
    app::RecordsFile file{folder.Path() + "/records.ini"};
    // 2026-12-10 14:05 UTC, as the local time of the machine running the test says.
    RunRecords runs{&file, Records{}, [] { return std::time_t{1765375500}; }};
};

TEST_F(RunRecordsTest, AnEndedRunIsKeptOnceAndSavedAtOnce) {
    EXPECT_EQ(runs.BestLine(), L"");
    LevelView view = InSector(9);
    view.kills = 7;
    view.rank = 1;
    Play(view, 125 * RunRecords::FramesPerSecond);
    view.gameOver = true;
    Play(view, 600); // the end screen stays: the run is not kept again, the time stands
    ASSERT_EQ(runs.Kept().Runs().size(), 1u);
    const Records::Run& kept = runs.Kept().Runs().front();
    EXPECT_EQ(kept.result, Records::Result::Defeat);
    EXPECT_EQ(kept.sector, 9);
    EXPECT_EQ(kept.kills, 7);
    EXPECT_EQ(kept.rank, 1);
    EXPECT_EQ(kept.seconds, 125);
    EXPECT_EQ(kept.date, Records::DateOf(1765375500));
    EXPECT_EQ(runs.EndLine(), L"This run: sector 9 of 15  \u00b7  7 kills  \u00b7  2:05");
    EXPECT_EQ(app::RecordsFile(file.Path()).Load(), runs.Kept()) << "saved as it ended";

    // The title shows the best run; a better one after it is said to be the new best.
    LevelView title;
    title.titleScreen = true;
    runs.Frame(title);
    EXPECT_EQ(runs.EndLine(), L"");
    EXPECT_EQ(runs.BestLine(), L"Best run: sector 9 of 15  \u00b7  7 kills  \u00b7  2:05");
    view = InSector(16);
    view.kills = 1;
    Play(view, 60);
    view.gameOver = true;
    view.playerWon = true;
    runs.Frame(view);
    EXPECT_EQ(runs.EndLine(),
              L"This run: victory  \u00b7  1 kill  \u00b7  0:01  \u00b7  a new best!");
}

TEST_F(RunRecordsTest, ARunLeftCountsOnlyPastTheFirstSectorAndNotAfterItsEnd) {
    Play(InSector(1), 100);
    runs.Leave();
    EXPECT_TRUE(runs.Kept().Runs().empty()) << "left in the first sector";

    Play(InSector(4), 100);
    runs.Leave();
    ASSERT_EQ(runs.Kept().Runs().size(), 1u);
    EXPECT_EQ(runs.Kept().Runs().front().result, Records::Result::Left);
    EXPECT_EQ(runs.Kept().Runs().front().sector, 4);

    // A run that ends is kept at its end; leaving the end screen adds nothing; straight from
    // an end into a new run (Enter on the end screen) is a new run, kept when it ends.
    LevelView title;
    title.titleScreen = true;
    runs.Frame(title);
    Play(InSector(5), 10);
    LevelView over = InSector(5);
    over.gameOver = true;
    runs.Frame(over);
    ASSERT_EQ(runs.Kept().Runs().size(), 2u);
    runs.Leave();
    EXPECT_EQ(runs.Kept().Runs().size(), 2u);
    Play(InSector(2), 10);
    over.sector = 3;
    runs.Frame(over);
    EXPECT_EQ(runs.Kept().Runs().size(), 3u);
}

TEST_F(RunRecordsTest, TheScreenListsTheTenBestOrSaysThereAreNone) {
    const std::vector<std::wstring> none = runs.ScreenLines();
    ASSERT_FALSE(none.empty());
    EXPECT_EQ(none.front().rfind(L"No runs yet", 0), 0u);
    for (int sector = 2; sector <= 13; ++sector) {
        LevelView view = InSector(sector);
        runs.Frame(view);
        view.gameOver = true;
        runs.Frame(view);
    }
    const std::vector<std::wstring> lines = runs.ScreenLines();
    ASSERT_EQ(lines.size(), Records::Shown);
    EXPECT_EQ(lines.front().rfind(L"1.  Defeat, sector 13 of 15", 0), 0u) << lines.front().c_str();
    EXPECT_EQ(lines.back().rfind(L"10.  Defeat, sector 4 of 15", 0), 0u) << lines.back().c_str();
}

// A replay of four calls over three updates.
app::Replay ShortReplay() {
    app::Replay replay;
    replay.gameVersion = "1.0.0";
    replay.seed = 7;
    replay.calls = {{0, app::Replay::Kind::Enter, 0, 0},
                    {0, app::Replay::Kind::Left, 100, 200},
                    {2, app::Replay::Kind::Right, 300, 400},
                    {3, app::Replay::Kind::Planet, 2, 0}};
    replay.updates = 3;
    return replay;
}

TEST(ReplayPlaybackTest, EachUpdateGetsTheCallsRecordedBeforeItAndTheEndItsOwnOnce) {
    LevelCalls level;
    app::ReplayPlayback playback(ShortReplay());
    while (playback.Due()) {
        playback.Before(level);
        level.Update();
        playback.Updated();
    }
    EXPECT_FALSE(playback.Over());
    EXPECT_TRUE(playback.End(level));
    EXPECT_FALSE(playback.End(level)) << "the end is said once";
    EXPECT_TRUE(playback.Over());
    EXPECT_EQ(level.calls, (Calls{"enter", "left 100,200", "update", "update", "right 300,400",
                                  "update", "planet 2"}));
}

TEST(ReplayPlaybackTest, TheSpeedDoublesUpToEightAndHalvesDownToOne) {
    app::ReplayPlayback playback(ShortReplay());
    EXPECT_EQ(playback.Speed(), 1);
    for (int expected : {2, 4, 8, 8}) {
        playback.Faster();
        EXPECT_EQ(playback.Speed(), expected);
    }
    for (int expected : {4, 2, 1, 1}) {
        playback.Slower();
        EXPECT_EQ(playback.Speed(), expected);
    }
}

class ReplayShellTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        shell.overlay = std::make_unique<app::ShellOverlay>(&graphics, shell.menu, shell.captions,
                                                            shell.guidance, shell.settings);
        shell.playback = std::make_unique<app::ReplayPlayback>(ShortReplay());
    }
};

TEST_F(ReplayShellTest, TheLevelHearsTheReplayAndNothingOfThePlayers) {
    using ShellEvents::Button;
    using ShellEvents::Down;
    Handle({Button(SDL_BUTTON_LEFT, 500, 300), Button(SDL_BUTTON_RIGHT, 500, 300),
            Down(SDL_SCANCODE_KP_1), Down(SDL_SCANCODE_RETURN)});
    EXPECT_EQ(level->calls, Calls{}) << "the player's clicks and keys reached the replay's level";
    // + runs two updates a frame: the three updates take two frames, then the end.
    Handle({Down(SDL_SCANCODE_KP_PLUS)});
    ASSERT_EQ(shell.playback->Speed(), 2);
    shell.RunFrame();
    shell.RunFrame();
    EXPECT_TRUE(shell.playback->Over());
    EXPECT_EQ(level->calls, (Calls{"enter", "left 100,200", "update", "render", "update", "render",
                                   "right 300,400", "update", "render", "planet 2"}));
    shell.RunFrame();
    EXPECT_EQ(level->calls.size(), 10u) << "nothing after the end";
    // The menu still opens over a replay.
    Handle({Down(SDL_SCANCODE_ESCAPE)});
    EXPECT_TRUE(shell.paused);
}

} // namespace

} // namespace vantor::test
