// Replays played again: a recorded game ends on its recorded digest, one changed call parts
// from it at the right checkpoint, and the checking program says so with its exit status.
#include "app/ReplayRun.h"
#include "app/RecordingLevel.h"
#include "app/ReplayReader.h"
#include "app/ReplayWriter.h"
#include "game/LevelDigest.h"
#include "game/Sector01.h"
#include "support/ByteFile.h"
#include "support/RecordingPlayer.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

using app::RecordingLevel;
using app::Replay;
using app::ReplayReader;
using app::ReplayRun;
using app::ReplayWriter;
using game::LevelDigest;
using Result = ReplayRun::Result;

constexpr uint32_t Seed = 1765432109;
constexpr int Frames = 5000;

int Clamped(float value, int size) {
    return std::clamp(static_cast<int>(value), 0, size - 1);
}

// A player who looks at the level between frames and plays through the calls: leaves the
// title, flies about and on to new sectors, fires at the enemy in sight, answers planets,
// works the engineering menu, and starts again after an end.
void Play(GameManager& calls, const Sector01& level) {
    for (int frame = 0; frame < Frames; ++frame) {
        if (frame == 20 || (level.gameOver && frame % 120 == 0)) {
            calls.OnEnter(false);
        }
        if (frame % 200 == 100) {
            const int k = frame / 200;
            const bool onward = k % 4 == 3;
            calls.OnLeftClick(onward ? 1000 : 200 + (97 * k) % 600, 100 + (61 * k) % 500);
        }
        if (frame % 90 == 45 && level.enemyX < 1000 && level.weaponEnergy >= 20) {
            calls.OnRightClick(Clamped(level.enemyX + 50, Replay::GameWidth),
                               Clamped(level.enemyY + 37, Replay::GameHeight));
        }
        if (level.inputLocked && level.gameStarted && !level.menuOpen) {
            calls.OnPlanetChoice(2);
        }
        if (frame % 500 == 250) {
            calls.OnMenuKey(true);
            calls.OnMenuAction(6);
            calls.OnMenuAction(5);
            calls.OnMenuAction(4);
            calls.OnEnter(false);
        }
        calls.Update();
        calls.Render();
    }
    // A call after the last frame, before the player quits.
    calls.OnLeftClick(512, 384);
}

// A game played and recorded into the file; the level as it ended.
struct Recording {
    explicit Recording(const std::string& path) {
        ReplayWriter writer;
        EXPECT_TRUE(writer.Open(path)) << writer.Problem();
        RecordingLevel recorder(level, writer, RecordingLevel::ProbeOf(level), "1.0.0");
        level.ChooseSeed(Seed);
        recorder.Load();
        Play(recorder, level);
        EXPECT_TRUE(recorder.Finish()) << writer.Problem();
        std::string problem;
        EXPECT_TRUE(ReplayReader::ReadFile(path, replay, problem)) << problem;
    }

    RecordingPlayer sound;
    Sector01 level;
    Replay replay;
};

class ReplayRunTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { recording = new Recording(folder->File("game.replay")); }
    static void TearDownTestSuite() {
        delete recording;
        recording = nullptr;
    }

    static inline TempDirectory* folder = new TempDirectory();
    static inline Recording* recording = nullptr;
};

TEST_F(ReplayRunTest, ARecordedGameEndsWhereItsRecordingEnded) {
    const Replay& replay = recording->replay;
    EXPECT_EQ(replay.seed, Seed);
    EXPECT_EQ(replay.updates, uint32_t(Frames));
    EXPECT_EQ(replay.checkpoints.size(), size_t(Frames / 600));
    EXPECT_EQ(replay.finalDigest, LevelDigest::Of(recording->level));
    // The game went somewhere: sectors, kills, an end.
    EXPECT_GT(replay.calls.size(), 60u);
    EXPECT_GT(recording->level.sector, 1.0f);

    const ReplayRun::Outcome outcome = ReplayRun::Verify(replay);
    EXPECT_EQ(outcome.result, Result::Equal) << outcome.Line();
    EXPECT_EQ(outcome.updates, uint32_t(Frames));
    EXPECT_EQ(outcome.digest, replay.finalDigest);
    EXPECT_EQ(outcome.ExitStatus(), 0);
    EXPECT_EQ(outcome.Line(), "equal: 5000 updates, digest " + LevelDigest::Hex(outcome.digest));
}

TEST_F(ReplayRunTest, OneChangedClickPartsAtTheFirstCheckpointAfterIt) {
    for (uint32_t from : {0u, 1300u, 3700u}) {
        Replay changed = recording->replay;
        const auto click =
            std::find_if(changed.calls.begin(), changed.calls.end(), [from](const Replay::Call& c) {
                return c.kind == Replay::Kind::Left && c.update >= from;
            });
        ASSERT_NE(click, changed.calls.end());
        click->a = static_cast<int16_t>(click->a > 500 ? click->a - 37 : click->a + 37);
        const uint32_t checkpoint = (click->update / 600 + 1) * 600;

        const ReplayRun::Outcome outcome = ReplayRun::Verify(changed);
        EXPECT_EQ(outcome.result, Result::Diverged) << "click after update " << click->update;
        EXPECT_EQ(outcome.updates, checkpoint) << "click after update " << click->update;
        EXPECT_EQ(outcome.lastEqual, checkpoint - 600) << "click after update " << click->update;
        EXPECT_EQ(outcome.expected, changed.checkpoints[checkpoint / 600 - 1].digest);
        EXPECT_EQ(outcome.ExitStatus(), 1);
    }
}

TEST_F(ReplayRunTest, AnotherSeedPartsAtOnceAndAnotherEndAtTheEnd) {
    Replay otherSeed = recording->replay;
    otherSeed.seed += 1;
    const ReplayRun::Outcome atOnce = ReplayRun::Verify(otherSeed);
    EXPECT_EQ(atOnce.result, Result::Diverged);
    EXPECT_EQ(atOnce.updates, 600u);
    EXPECT_EQ(atOnce.lastEqual, 0u);
    EXPECT_EQ(atOnce.Line().rfind("diverged after update 600 (the first checkpoint): digest ", 0),
              0u)
        << atOnce.Line();

    // Only the call after the last update differs: every checkpoint agrees, the end does not.
    Replay otherEnd = recording->replay;
    otherEnd.calls.back().a = 0;
    const ReplayRun::Outcome atTheEnd = ReplayRun::Verify(otherEnd);
    EXPECT_EQ(atTheEnd.result, Result::Diverged);
    EXPECT_EQ(atTheEnd.updates, uint32_t(Frames));
    EXPECT_EQ(atTheEnd.lastEqual, 4800u);
    EXPECT_EQ(atTheEnd.Line(), "diverged after update 5000 (equal after update 4800): digest " +
                                   LevelDigest::Hex(atTheEnd.digest) + ", the replay has " +
                                   LevelDigest::Hex(otherEnd.finalDigest));
}

TEST_F(ReplayRunTest, StepByStepAnotherLevelPlaysTheSameGame) {
    const Replay& replay = recording->replay;
    const ReplayRun run(replay);
    const RecordingPlayer sound;
    Sector01 level;
    level.ChooseSeed(replay.seed);
    level.Load();
    size_t issued = 0;
    int compared = 0;
    for (uint32_t update = 0; update < replay.updates; ++update) {
        for (const Replay::Call& call : run.CallsBefore(update)) {
            EXPECT_EQ(call.update, update);
            ReplayRun::Issue(call, level);
            ++issued;
        }
        level.Update();
        if (const std::optional<uint64_t> digest = run.CheckpointAfter(update + 1)) {
            EXPECT_EQ(LevelDigest::Of(level), *digest) << "after update " << update + 1;
            ++compared;
        }
        level.Render();
    }
    EXPECT_EQ(run.CallsBefore(replay.updates).size(), 1u) << "the call after the last update";
    for (const Replay::Call& call : run.CallsBefore(replay.updates)) {
        ReplayRun::Issue(call, level);
        ++issued;
    }
    EXPECT_EQ(issued, replay.calls.size());
    EXPECT_EQ(compared, Frames / 600);
    EXPECT_EQ(LevelDigest::Of(level), replay.finalDigest);
    EXPECT_FALSE(run.CheckpointAfter(0));
    EXPECT_FALSE(run.CheckpointAfter(601));
    EXPECT_FALSE(run.CheckpointAfter(600 * 9));
}

TEST_F(ReplayRunTest, ARunAdvancesAsFarAsItIsAsked) {
    ReplayRun run(recording->replay);
    EXPECT_TRUE(run.Advance(100));
    EXPECT_EQ(run.Now().result, Result::Running);
    EXPECT_EQ(run.Now().updates, 100u);
    EXPECT_EQ(run.Now().ExitStatus(), 2) << "not an answer yet";
    EXPECT_TRUE(run.Advance(4899));
    EXPECT_EQ(run.Now().updates, 4999u);
    EXPECT_FALSE(run.Advance(100));
    EXPECT_EQ(run.Now().result, Result::Equal);
    EXPECT_EQ(run.Now().updates, 5000u);
    EXPECT_FALSE(run.Advance(100));
    EXPECT_EQ(run.Now().updates, 5000u);
    EXPECT_EQ(LevelDigest::Of(run.Level()), recording->replay.finalDigest);
}

TEST_F(ReplayRunTest, AFileThatIsNoReplayIsUnreadable) {
    const std::string path = folder->File("garbage.replay");
    ByteFile::Write(path, {'v', 'a', 'n', '\n'});
    const ReplayRun::Outcome outcome = ReplayRun::VerifyFile(path);
    EXPECT_EQ(outcome.result, Result::Unreadable);
    EXPECT_EQ(outcome.ExitStatus(), 2);
    EXPECT_EQ(outcome.Line(), "unreadable: not a replay: the first line is not 'vantor-replay 1'");
    EXPECT_EQ(ReplayRun::VerifyFile(folder->File("game.replay")).result, Result::Equal);
}

TEST(ReplayRun, TheExampleOfTheDocumentsPlaysAgainOnEveryPlatform) {
    // docs/REPLAYS.md, recorded on Linux.
    const char* const example = "vantor-replay 1\n"
                                "game 1.0.0\n"
                                "seed 1765432109\n"
                                "30 enter 0\n"
                                "40 left 700 400\n"
                                "250 menu-key 1\n"
                                "250 menu-action 6\n"
                                "250 enter 0\n"
                                "600 check 9e5daa258e316ded\n"
                                "612 right 913 158\n"
                                "1200 check 5c20ce72e7cd22a4\n"
                                "1315 planet 2\n"
                                "1380 end 4dafe93e348c8c37\n";
    Replay replay;
    std::string problem;
    ASSERT_TRUE(ReplayReader::ReadText(example, replay, problem)) << problem;
    const RecordingPlayer sound;
    const ReplayRun::Outcome outcome = ReplayRun::Verify(replay);
    EXPECT_EQ(outcome.Line(), "equal: 1380 updates, digest 4dafe93e348c8c37");
}

#ifndef _WIN32
// The program's output and exit status, for the files given.
std::pair<std::string, int> Check(const std::vector<std::string>& files) {
    std::string command = VANTOR_REPLAY_CHECK;
    for (const std::string& file : files) {
        command += " '" + file + "'";
    }
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {"", -1};
    }
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    const int status = pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST_F(ReplayRunTest, TheCheckingProgramSaysOneLineAFileAndExitsWithTheWorst) {
    const std::string good = folder->File("game.replay");
    std::string text = ByteFile::ReadText(good);
    // The recorded end, another digest.
    const size_t end = text.rfind(" end ");
    text.replace(end + 5, 16, "0123456789abcdef");
    const std::string changed = folder->File("changed.replay");
    ByteFile::Write(changed, std::vector<uint8_t>(text.begin(), text.end()));
    const std::string missing = folder->File("missing.replay");

    const auto [equal, equalStatus] = Check({good});
    EXPECT_EQ(equalStatus, 0);
    EXPECT_EQ(equal, good + ": equal: 5000 updates, digest " +
                         LevelDigest::Hex(recording->replay.finalDigest) + "\n");
    const auto [diverged, divergedStatus] = Check({good, changed});
    EXPECT_EQ(divergedStatus, 1);
    EXPECT_NE(diverged.find(changed + ": diverged after update 5000"), std::string::npos)
        << diverged;
    const auto [unreadable, unreadableStatus] = Check({changed, missing, good});
    EXPECT_EQ(unreadableStatus, 2);
    EXPECT_NE(unreadable.find(missing + ": unreadable: cannot open: "), std::string::npos)
        << unreadable;
    EXPECT_EQ(std::count(unreadable.begin(), unreadable.end(), '\n'), 3);
    EXPECT_EQ(Check({}).second, 2) << "no file to check";
}
#endif

} // namespace

} // namespace vantor::test
