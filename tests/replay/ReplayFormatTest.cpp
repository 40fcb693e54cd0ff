// The replay file: what the writer writes is what the reader reads, and every kind of bad file
// is refused with one line that says where and what.
#include "app/Replay.h"
#include "app/ReplayReader.h"
#include "app/ReplayWriter.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

using app::Replay;
using app::ReplayReader;
using app::ReplayWriter;
using Kind = Replay::Kind;

// A run with every kind of call, two checkpoints and calls after the last update.
Replay EveryKind() {
    Replay replay;
    replay.gameVersion = "1.0.0";
    replay.seed = 4294967295u;
    replay.calls = {{0, Kind::Enter, 0, 0},     {12, Kind::Left, 0, 767},
                    {12, Kind::Right, 1023, 0}, {599, Kind::Planet, 2, 0},
                    {600, Kind::MenuKey, 1, 0}, {600, Kind::MenuAction, 6, 0},
                    {1300, Kind::Planet, 3, 0}, {1300, Kind::Enter, 1, 0}};
    replay.checkpoints = {{600, 0x0123456789abcdefull}, {1200, 0xfedcba9876543210ull}};
    replay.updates = 1300;
    replay.finalDigest = 1;
    return replay;
}

const char* const EveryKindText = "vantor-replay 1\n"
                                  "game 1.0.0\n"
                                  "seed 4294967295\n"
                                  "0 enter 0\n"
                                  "12 left 0 767\n"
                                  "12 right 1023 0\n"
                                  "599 planet 2\n"
                                  "600 check 0123456789abcdef\n"
                                  "600 menu-key 1\n"
                                  "600 menu-action 6\n"
                                  "1200 check fedcba9876543210\n"
                                  "1300 planet 3\n"
                                  "1300 enter 1\n"
                                  "1300 end 0000000000000001\n";

// Writes the replay as a recording would: the calls and the checkpoints in the order of
// their updates, a checkpoint before the calls made after its update.
bool WriteReplay(ReplayWriter& writer, const std::string& path, const Replay& replay) {
    bool ok = writer.Open(path) && writer.Begin(replay.gameVersion, replay.seed);
    size_t checkpoint = 0;
    for (const Replay::Call& call : replay.calls) {
        while (checkpoint < replay.checkpoints.size() &&
               replay.checkpoints[checkpoint].update <= call.update) {
            ok = ok && writer.Checkpoint(replay.checkpoints[checkpoint].update,
                                         replay.checkpoints[checkpoint].digest);
            ++checkpoint;
        }
        ok = ok && writer.Write(call);
    }
    for (; checkpoint < replay.checkpoints.size(); ++checkpoint) {
        ok = ok && writer.Checkpoint(replay.checkpoints[checkpoint].update,
                                     replay.checkpoints[checkpoint].digest);
    }
    return ok && writer.Finish(replay.updates, replay.finalDigest);
}

std::string Problem(const std::string& text) {
    Replay replay;
    replay.seed = 99;
    std::string problem;
    EXPECT_FALSE(ReplayReader::ReadText(text, replay, problem)) << text;
    EXPECT_EQ(replay.seed, 99u) << "a refused file must leave the replay as it was";
    return problem;
}

const std::string Header = "vantor-replay 1\ngame 1.0.0\nseed 7\n";

TEST(ReplayFile, WhatIsWrittenIsReadBackAsTheDocumentsShowIt) {
    const TempDirectory folder;
    const std::string path = folder.File("run.replay");
    ReplayWriter writer;
    ASSERT_TRUE(WriteReplay(writer, path, EveryKind())) << writer.Problem();
    EXPECT_TRUE(writer.Finished());
    EXPECT_EQ(ByteFile::ReadText(path), EveryKindText);

    Replay read;
    std::string problem;
    ASSERT_TRUE(ReplayReader::ReadFile(path, read, problem)) << problem;
    EXPECT_EQ(read, EveryKind());
    Replay fromText;
    ASSERT_TRUE(ReplayReader::ReadText(EveryKindText, fromText, problem)) << problem;
    EXPECT_EQ(fromText, EveryKind());
}

TEST(ReplayFile, AShortRunNeedsNoCheckpointAndLinesMayEndInCarriageReturns) {
    Replay replay;
    std::string problem;
    ASSERT_TRUE(ReplayReader::ReadText(Header + "599 end ffffffffffffffff\n", replay, problem))
        << problem;
    EXPECT_EQ(replay.updates, 599u);
    EXPECT_TRUE(replay.calls.empty());
    ASSERT_TRUE(ReplayReader::ReadText(
        "vantor-replay 1\r\ngame 2.0-beta~1\r\nseed 0\r\n5 left 3 4\r\n5 end 0000000000000000\r\n",
        replay, problem))
        << problem;
    EXPECT_EQ(replay.gameVersion, "2.0-beta~1");
    EXPECT_EQ(replay.calls, (std::vector<Replay::Call>{{5, Kind::Left, 3, 4}}));
}

TEST(ReplayFile, EveryKindOfBadFileIsRefusedWithItsLine) {
    const std::string end = "0 end 0000000000000000\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        // The header.
        {"", "not a replay: the file is empty"},
        {"PK\x03\x04 garbage\n", "not a replay: the first line is not 'vantor-replay 1'"},
        {"vantor-replay 3\n", "wrong version 3 (this game reads 1)"},
        {"vantor-replay 0\ngame 1\nseed 1\n" + end, "wrong version 0 (this game reads 1)"},
        {"vantor-replay one\n", "not a replay: the first line is not 'vantor-replay 1'"},
        {"vantor-replay 1\nseed 7\n", "line 2: 'game' and its value expected"},
        {"vantor-replay 1\ngame 1.0 beta\n", "line 2: 'game' and its value expected"},
        {"vantor-replay 1\ngame 1/0\n", "line 2: '1/0' is no game version"},
        {"vantor-replay 1\ngame 1.0.0\nseed 4294967296\n",
         "line 3: the seed '4294967296' is no number from 0 to 4294967295"},
        {"vantor-replay 1\ngame 1.0.0\nseed -1\n",
         "line 3: the seed '-1' is no number from 0 to 4294967295"},
        // The calls.
        {Header + "12 jump 3\n", "line 4: unknown call 'jump'"},
        {Header + "12 LEFT 3 4\n", "line 4: unknown call 'LEFT'"},
        {Header + "12 left 3\n", "line 4: 'left' takes 2 numbers"},
        {Header + "12 planet 1 2\n", "line 4: 'planet' takes 1 number"},
        {Header + "12\n", "line 4: a number and nothing after it"},
        {Header + "12 left 1024 4\n",
         "line 4: a click outside the game picture (0 to 1023, 0 to 767)"},
        {Header + "12 right 4 768\n",
         "line 4: a click outside the game picture (0 to 1023, 0 to 767)"},
        {Header + "12 left -1 4\n", "line 4: '-1' is no number left takes"},
        {Header + "12 left 99999999999 4\n", "line 4: '99999999999' is no number left takes"},
        {Header + "12 planet 0\n", "line 4: a planet choice other than 1 to 3"},
        {Header + "12 planet 4\n", "line 4: a planet choice other than 1 to 3"},
        {Header + "12 menu-action 3\n", "line 4: an engineering action other than 4 to 6"},
        {Header + "12 enter 2\n", "line 4: enter with other than 0 or 1"},
        {Header + "12 menu-key 7\n", "line 4: menu-key with other than 0 or 1"},
        {Header + "x12 left 3 4\n", "line 4: 'x12' is no update number from 0 to 36288000"},
        {Header + "36288001 left 3 4\n",
         "line 4: '36288001' is no update number from 0 to 36288000"},
        {Header + "12 left 3  4\n", "line 4: words must be parted by one space"},
        {Header + " 12 left 3 4\n", "line 4: words must be parted by one space"},
        {Header + "12 left 3 4 \n", "line 4: words must be parted by one space"},
        {Header + "12 left\t3 4\n", "line 4: unknown call 'left?3'"},
        {Header + "12 left 3 4 5\n", "line 4: too many words"},
        {Header + "\n", "line 4: an empty line"},
        {Header + std::string("12 left 3 4\0\n", 13), "line 4: '4?' is no number left takes"},
        {Header + "12 " + std::string(70, 'a') + "\n", "line 4: longer than 64 characters"},
        // The order.
        {Header + "12 left 3 4\n11 left 3 4\n", "line 5: the update number goes back from 12"},
        {Header + "600 left 3 4\n", "line 4: no checkpoint after update 600"},
        {Header + "1200 check 0000000000000000\n",
         "line 4: a checkpoint after update 1200 where the next is after 600"},
        {Header + "601 end 0000000000000000\n", "line 4: no checkpoint after update 600"},
        {Header + "600 check 0000000000000000\n599 end 0000000000000000\n",
         "line 5: the end after 599 updates comes after update 600"},
        {Header + "600 check 000000000000000G\n",
         "line 4: 'check' takes a digest of 16 lowercase hex digits"},
        {Header + "6 end 0000000000000000 1\n",
         "line 4: 'end' takes a digest of 16 lowercase hex digits"},
        {Header + end + "0 left 3 4\n", "line 5: something after the end line"},
        {Header + end + "\n", "line 5: something after the end line"},
        // Cut short.
        {Header, "truncated: no end line"},
        {Header + "12 left 3 4\n", "truncated: no end line"},
        {Header + "12 left 3 4\n12 en", "truncated: line 5 is cut short"},
        {Header + "0 end 0000000000000000", "truncated: line 4 is cut short"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Problem(text), expected) << text;
    }
}

TEST(ReplayFile, AHugeLineIsRefusedBeforeItIsAllRead) {
    const TempDirectory folder;
    const std::string path = folder.File("huge.replay");
    {
        std::ofstream file(path, std::ios::binary);
        file << Header << "1 left ";
        const std::string block(1 << 20, '7');
        for (int i = 0; i < 64; ++i) {
            file << block;
        }
        file << " 4\n0 end 0000000000000000\n";
    }
    Replay replay;
    std::string problem;
    EXPECT_FALSE(ReplayReader::ReadFile(path, replay, problem));
    EXPECT_EQ(problem, "line 4: longer than 64 characters");
}

TEST(ReplayFile, AFileThatIsNotThereOrIsAFolderIsSaidSo) {
    const TempDirectory folder;
    Replay replay;
    std::string problem;
    EXPECT_FALSE(ReplayReader::ReadFile(folder.File("none.replay"), replay, problem));
    EXPECT_EQ(problem.rfind("cannot open: ", 0), 0u) << problem;
    problem.clear();
    EXPECT_FALSE(ReplayReader::ReadFile(folder.Path(), replay, problem));
    EXPECT_FALSE(problem.empty());
}

TEST(ReplayWriter, WritesNothingItsReaderWouldRefuseAndStopsAtTheFirstFault) {
    const TempDirectory folder;
    struct Case {
        const char* name;
        std::function<bool(ReplayWriter&)> fault;
        const char* problem;
    };
    const std::vector<Case> cases = {
        {"call before the header",
         [](ReplayWriter& w) {
             return w.Write({0, Kind::Enter, 0, 0});
         },
         "a call before the replay was begun"},
        {"click outside",
         [](ReplayWriter& w) {
             return w.Begin("1", 0) && w.Write({3, Kind::Left, 1024, 0});
         },
         "cannot record left: a click outside the game picture (0 to 1023, 0 to 767)"},
        {"going back",
         [](ReplayWriter& w) {
             return w.Begin("1", 0) && w.Write({3, Kind::Enter, 0, 0}) &&
                    w.Write({2, Kind::Enter, 0, 0});
         },
         "cannot record enter: the update number goes back from 3"},
        {"checkpoint missing",
         [](ReplayWriter& w) {
             return w.Begin("1", 0) && w.Write({600, Kind::Enter, 0, 0});
         },
         "cannot record enter: no checkpoint after update 600"},
        {"checkpoint out of place",
         [](ReplayWriter& w) { return w.Begin("1", 0) && w.Checkpoint(601, 0); },
         "cannot record the checkpoint: a checkpoint after update 601 where the next is after "
         "600"},
        {"a version no file can name", [](ReplayWriter& w) { return w.Begin("1.0 (beta)", 0); },
         "the game's version is no version a replay can name"},
        {"begun twice", [](ReplayWriter& w) { return w.Begin("1", 0) && w.Begin("1", 0); },
         "begun twice"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.File("fault.replay");
        ReplayWriter writer;
        ASSERT_TRUE(writer.Open(path)) << writer.Problem();
        EXPECT_FALSE(c.fault(writer)) << c.name;
        EXPECT_EQ(writer.Problem(), path + ": " + c.problem) << c.name;
        EXPECT_FALSE(writer.Writing()) << c.name;
        // Nothing more is written, not even the end.
        EXPECT_FALSE(writer.Write({700, Kind::Enter, 0, 0})) << c.name;
        EXPECT_FALSE(writer.Finish(700, 0)) << c.name;
        EXPECT_EQ(writer.Problem(), path + ": " + c.problem) << c.name;
        Replay replay;
        std::string problem;
        EXPECT_FALSE(ReplayReader::ReadFile(path, replay, problem)) << c.name;
    }
}

TEST(ReplayWriter, APathThatCannotBeWrittenIsKnownAtOnce) {
    const TempDirectory folder;
    ReplayWriter writer;
    EXPECT_FALSE(writer.Open(folder.File("no/such/folder/run.replay")));
    EXPECT_NE(writer.Problem().find("cannot write: "), std::string::npos) << writer.Problem();
    EXPECT_FALSE(writer.Begin("1", 0));
    EXPECT_FALSE(writer.Writing());
}

TEST(ReplayWriter, AFlushedUnfinishedRecordingReadsAsTruncated) {
    const TempDirectory folder;
    const std::string path = folder.File("cut.replay");
    ReplayWriter writer;
    ASSERT_TRUE(writer.Open(path) && writer.Begin("1.0.0", 3) &&
                writer.Write({2, Kind::Enter, 0, 0}) && writer.Flush());
    // Another reader sees what was flushed while the run goes on.
    EXPECT_EQ(ByteFile::ReadText(path), "vantor-replay 1\ngame 1.0.0\nseed 3\n2 enter 0\n");
    Replay replay;
    std::string problem;
    EXPECT_FALSE(ReplayReader::ReadFile(path, replay, problem));
    EXPECT_EQ(problem, "truncated: no end line");
}

} // namespace

} // namespace vantor::test
