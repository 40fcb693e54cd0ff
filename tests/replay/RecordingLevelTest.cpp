// The recording level: the level behind it sees exactly the calls it would have seen, and the
// replay holds each of them with its update, the checkpoints and the end.
#include "app/RecordingLevel.h"
#include "app/GameManager.h"
#include "app/ReplayReader.h"
#include "app/ReplayWriter.h"
#include "support/AllocationCounter.h"
#include "support/ByteFile.h"
#include "support/LevelCalls.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using app::RecordingLevel;
using app::Replay;
using app::ReplayReader;
using app::ReplayWriter;
using Kind = Replay::Kind;

// A level that notes its calls, recorded into a file of the folder. Its digest is the number
// of calls it has had, so that each checkpoint says when it was taken.
struct Recorded {
    explicit Recorded(const std::string& path) {
        EXPECT_TRUE(writer.Open(path)) << writer.Problem();
    }

    uint64_t Digest() const { return level.calls.size(); }

    // One frame as the shell runs it.
    void Frame() {
        recorder.Update();
        recorder.Render();
    }

    LevelCalls level;
    ReplayWriter writer;
    RecordingLevel recorder{
        level, writer, {[] { return 77u; }, [this] { return Digest(); }}, "1.0.0"};
};

Replay Read(const std::string& path) {
    Replay replay;
    std::string problem;
    EXPECT_TRUE(ReplayReader::ReadFile(path, replay, problem)) << problem;
    return replay;
}

TEST(RecordingLevel, PassesEveryCallOnInOrderAndRecordsEachWithItsUpdate) {
    const TempDirectory folder;
    Recorded run(folder.File("run.replay"));
    run.recorder.Load();
    run.recorder.OnEnter(false);
    run.Frame();
    run.recorder.OnLeftClick(300, 200);
    run.recorder.OnRightClick(1023, 767);
    run.Frame();
    run.Frame();
    run.recorder.OnMenuKey(true);
    run.recorder.OnMenuAction(5);
    run.recorder.OnPlanetChoice(3);
    run.recorder.OnEnter(true);
    run.recorder.Unload();

    EXPECT_EQ(run.level.calls,
              (std::vector<std::string>{"enter", "update", "render", "left 300,200",
                                        "right 1023,767", "update", "render", "update", "render",
                                        "menu", "action 5", "planet 3", "enter true"}));
    ASSERT_TRUE(run.recorder.Finish()) << run.writer.Problem();
    EXPECT_EQ(run.recorder.Updates(), 3u);

    const Replay replay = Read(folder.File("run.replay"));
    EXPECT_EQ(replay.gameVersion, "1.0.0");
    EXPECT_EQ(replay.seed, 77u);
    EXPECT_EQ(replay.calls, (std::vector<Replay::Call>{{0, Kind::Enter, 0, 0},
                                                       {1, Kind::Left, 300, 200},
                                                       {1, Kind::Right, 1023, 767},
                                                       {3, Kind::MenuKey, 1, 0},
                                                       {3, Kind::MenuAction, 5, 0},
                                                       {3, Kind::Planet, 3, 0},
                                                       {3, Kind::Enter, 1, 0}}));
    EXPECT_TRUE(replay.checkpoints.empty());
    EXPECT_EQ(replay.updates, 3u);
    EXPECT_EQ(replay.finalDigest, run.Digest());
}

TEST(RecordingLevel, TakesACheckpointAfterEverySixHundredthUpdateBeforeItsRender) {
    const TempDirectory folder;
    Recorded run(folder.File("run.replay"));
    run.recorder.Load();
    std::vector<uint64_t> expected;
    for (int frame = 1; frame <= 1900; ++frame) {
        run.recorder.Update();
        if (frame % 600 == 0) {
            // The digest of the level as its update left it.
            expected.push_back(run.Digest());
        }
        run.recorder.Render();
        if (frame % 250 == 0) {
            run.recorder.OnPlanetChoice(1);
        }
    }
    ASSERT_TRUE(run.recorder.Finish()) << run.writer.Problem();
    const Replay replay = Read(folder.File("run.replay"));
    ASSERT_EQ(replay.checkpoints.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(replay.checkpoints[i].update, 600 * (i + 1));
        EXPECT_EQ(replay.checkpoints[i].digest, expected[i]);
    }
    EXPECT_EQ(replay.calls.size(), 7u);
    EXPECT_EQ(replay.updates, 1900u);
}

TEST(RecordingLevel, FinishedWithinAFrameTheReplayEndsAfterItsRender) {
    const TempDirectory folder;
    Recorded run(folder.File("run.replay"));
    run.recorder.Load();
    run.Frame();
    run.recorder.Update();
    // Where the shell looks at the level: between the update and the drawing.
    ASSERT_TRUE(run.recorder.Finish());
    EXPECT_FALSE(run.writer.Finished());
    EXPECT_FALSE(run.recorder.Finish()) << "already on its way to the end";
    run.recorder.Render();
    EXPECT_TRUE(run.writer.Finished());
    const Replay replay = Read(folder.File("run.replay"));
    EXPECT_EQ(replay.updates, 2u);
    EXPECT_EQ(replay.finalDigest, 4u) << "the digest after the second render";

    // Calls after the end reach the level all the same, and nothing more is written.
    run.recorder.OnEnter(false);
    run.Frame();
    EXPECT_EQ(run.level.calls.back(), "render");
    EXPECT_EQ(run.level.calls.size(), 7u);
    EXPECT_FALSE(run.recorder.Finish());
    EXPECT_EQ(ByteFile::ReadText(folder.File("run.replay")),
              "vantor-replay 1\ngame 1.0.0\nseed 77\n2 end 0000000000000004\n");
}

TEST(RecordingLevel, AWriterThatFailsStopsTheRecordingButNeverThePlay) {
    const TempDirectory folder;
    Recorded run(folder.File("run.replay"));
    run.recorder.Load();
    // No shell sends this: a click outside the game picture, which no replay holds.
    run.recorder.OnLeftClick(-5, 40000);
    EXPECT_FALSE(run.writer.Problem().empty());
    run.recorder.OnRightClick(1, 2);
    run.Frame();
    EXPECT_EQ(run.level.calls,
              (std::vector<std::string>{"left -5,40000", "right 1,2", "update", "render"}));
    EXPECT_FALSE(run.recorder.Finish());
    Replay replay;
    std::string problem;
    EXPECT_FALSE(ReplayReader::ReadFile(folder.File("run.replay"), replay, problem));
    EXPECT_EQ(problem, "truncated: no end line");
}

// A level that only counts its calls, so that whatever allocates is the recording's.
class CountingLevel : public GameManager {
public:
    void Load() override {}
    void Unload() override {}
    void Render() override { ++calls; }
    void Update() override { ++calls; }
    void OnLeftClick(int, int) override { ++calls; }
    void OnRightClick(int, int) override { ++calls; }
    void OnPlanetChoice(int) override { ++calls; }
    void OnEnter(bool) override { ++calls; }
    void OnMenuKey(bool) override { ++calls; }
    void OnMenuAction(int) override { ++calls; }

    uint64_t calls = 0;
};

TEST(RecordingLevel, RecordingAFrameAllocatesNothing) {
    if (!AllocationCounter::Counts()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    const TempDirectory folder;
    CountingLevel level;
    ReplayWriter writer;
    ASSERT_TRUE(writer.Open(folder.File("run.replay")));
    RecordingLevel recorder(level, writer, {[] { return 1u; }, [&level] { return level.calls; }},
                            "1.0.0");
    recorder.Load();
    auto frames = [&recorder](int count) {
        for (int frame = 0; frame < count; ++frame) {
            recorder.Update();
            recorder.Render();
            recorder.OnLeftClick(frame % 1024, frame % 768);
            recorder.OnMenuAction(4);
        }
    };
    // Past the first checkpoint and flush, so that every path has run once.
    frames(700);
    const size_t before = AllocationCounter::ThreadCount();
    frames(1300);
    EXPECT_EQ(AllocationCounter::ThreadCount(), before);
    ASSERT_TRUE(recorder.Finish()) << writer.Problem();
    EXPECT_EQ(Read(folder.File("run.replay")).checkpoints.size(), 3u);
}

} // namespace

} // namespace vantor::test
