// The records of the best runs: their order, the best ten, and the file that keeps them between
// runs, written whole and put aside when it cannot be read.
#include "app/Records.h"
#include "app/RecordsFile.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

namespace fs = std::filesystem;
using app::Records;
using app::RecordsFile;
using Result = Records::Result;
using GameRun = Records::Run;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

GameRun MakeRun(Result result, int sector, int kills, int seconds,
                const char* date = "2026-12-09 14:30") {
    return GameRun{date, result, sector, kills, 1, 2, seconds};
}

// Runs from the best down, each strictly better than the next.
std::vector<GameRun> BestFirst() {
    return {
        MakeRun(Result::Victory, 16, 20, 900), MakeRun(Result::Victory, 16, 20, 901),
        MakeRun(Result::Victory, 16, 3, 100),  MakeRun(Result::Defeat, 15, 40, 2000),
        MakeRun(Result::Left, 15, 39, 50),     MakeRun(Result::Defeat, 15, 39, 51),
        MakeRun(Result::Left, 9, 99, 10),      MakeRun(Result::Defeat, 8, 0, 5),
        MakeRun(Result::Defeat, 1, 0, 30),     MakeRun(Result::Left, 1, 0, 31),
        MakeRun(Result::Defeat, 1, 0, 600000),
    };
}

TEST(Records, VictoryFirstThenTheSectorThenTheKillsThenTheShorterTime) {
    const std::vector<GameRun> best = BestFirst();
    for (size_t a = 0; a < best.size(); ++a) {
        for (size_t b = 0; b < best.size(); ++b) {
            EXPECT_EQ(Records::Better(best[a], best[b]), a < b) << a << " against " << b;
        }
    }
    std::vector<GameRun> shuffled = best;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    Records records;
    for (const GameRun& run : shuffled) {
        EXPECT_GE(records.Add(run), 0);
    }
    EXPECT_EQ(records.Runs(), best);
}

TEST(Records, OfEqualRunsTheEarlierStaysAheadAndAddTellsThePlace) {
    Records records;
    EXPECT_EQ(records.Add(MakeRun(Result::Defeat, 4, 2, 60, "2026-01-01 10:00")), 0);
    EXPECT_EQ(records.Add(MakeRun(Result::Left, 4, 2, 60, "2026-01-02 10:00")), 1);
    EXPECT_EQ(records.Add(MakeRun(Result::Defeat, 4, 2, 60, "2026-01-03 10:00")), 2);
    EXPECT_EQ(records.Add(MakeRun(Result::Defeat, 5, 0, 999)), 0);
    EXPECT_EQ(records.Runs()[1].date, "2026-01-01 10:00");
    EXPECT_EQ(records.Runs()[3].date, "2026-01-03 10:00");
}

TEST(Records, TheTenBestAreShownAndTheHundredBestKept) {
    Records records;
    // Sector 1 to 15 with 0 to 9 kills: 150 runs, the best of which end in sector 15.
    std::vector<GameRun> all;
    for (int sector = 1; sector <= 15; ++sector) {
        for (int kills = 0; kills < 10; ++kills) {
            all.push_back(MakeRun(Result::Defeat, sector, kills, 100));
        }
    }
    std::shuffle(all.begin(), all.end(), std::mt19937(3));
    for (const GameRun& run : all) {
        records.Add(run);
    }
    ASSERT_EQ(records.Runs().size(), Records::Kept);
    ASSERT_EQ(records.Best().size(), Records::Shown);
    for (size_t i = 0; i < Records::Shown; ++i) {
        EXPECT_EQ(records.Best()[i].sector, 15);
        EXPECT_EQ(records.Best()[i].kills, 9 - static_cast<int>(i));
    }
    EXPECT_EQ(records.Best(3).size(), 3u);
    // The worst kept: sector 6 with no kill; below it nothing is taken, above it the worst goes.
    EXPECT_EQ(records.Runs().back().sector, 6);
    EXPECT_EQ(records.Runs().back().kills, 0);
    EXPECT_EQ(records.Add(MakeRun(Result::Defeat, 6, 0, 101)), -1);
    EXPECT_EQ(records.Add(MakeRun(Result::Victory, 16, 1, 5000)), 0);
    EXPECT_EQ(records.Runs().size(), Records::Kept);
    EXPECT_EQ(records.Runs().back().sector, 6);
    EXPECT_EQ(records.Runs().back().kills, 1);

    Records few;
    few.Add(MakeRun(Result::Left, 2, 0, 10));
    EXPECT_EQ(few.Best().size(), 1u);
}

TEST(Records, ADateIsTheLocalTimeToTheMinute) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char expected[32];
    std::strftime(expected, sizeof expected, "%Y-%m-%d %H:%M", &local);
    EXPECT_EQ(Records::DateOf(now), expected);
    std::string why;
    EXPECT_TRUE(Records::IsRun(MakeRun(Result::Left, 2, 0, 0, expected), why)) << why;
}

TEST(Records, ARunHoldsOnlyWhatARunOfTheGameCan) {
    std::string why;
    EXPECT_TRUE(Records::IsRun(MakeRun(Result::Victory, 16, 0, 0, "1999-12-31 23:59"), why));
    for (const char* date :
         {"", "2026-12-09", "2026-12-09 14:30:00", "2026/12/09 14:30", "2026-13-09 14:30",
          "2026-12-00 14:30", "2026-12-09 24:00", "2026-12-09 14:60", "20x6-12-09 14:30"}) {
        EXPECT_FALSE(Records::IsRun(MakeRun(Result::Left, 2, 0, 0, date), why)) << date;
    }
    GameRun run = MakeRun(Result::Left, 2, 0, 0);
    for (int sector : {0, 17}) {
        run.sector = sector;
        EXPECT_FALSE(Records::IsRun(run, why)) << sector;
    }
    run = MakeRun(Result::Left, 2, -1, 0);
    EXPECT_FALSE(Records::IsRun(run, why));
    run = MakeRun(Result::Left, 2, 0, -1);
    EXPECT_FALSE(Records::IsRun(run, why));
    run = MakeRun(Result::Left, 2, 0, 0);
    run.rank = 3;
    EXPECT_FALSE(Records::IsRun(run, why));
    run.rank = 0;
    run.weaponLevel = -1;
    EXPECT_FALSE(Records::IsRun(run, why));
    EXPECT_EQ(why, "the weapon level is not 0 to 2");
}

TEST(RecordsFile, WhatIsSavedIsWhatTheNextRunReads) {
    const TempDirectory folder;
    const std::string path = folder.File("share/vantor-game/records.ini");
    Records records;
    for (const GameRun& run : BestFirst()) {
        records.Add(run);
    }
    RecordsFile file(path);
    ASSERT_TRUE(file.Save(records));
    EXPECT_FALSE(fs::exists(path + ".new")) << "the temporary file is left over";
    RecordsFile again(path);
    EXPECT_EQ(again.Load(), records);
    EXPECT_TRUE(again.Problem().empty());

    Records one;
    one.Add(MakeRun(Result::Victory, 16, 23, 1834));
    EXPECT_EQ(RecordsFile::Text(one),
              "# Vantor Game records: the best runs, best first. The game keeps the best 100\n"
              "# and writes this file whole after every run.\n"
              "\n"
              "[run 1]\n"
              "date = 2026-12-09 14:30\n"
              "result = victory\n"
              "sector = 16\n"
              "kills = 23\n"
              "rank = 1\n"
              "weapon_level = 2\n"
              "seconds = 1834\n");
}

TEST(RecordsFile, NoFileMeansNoRecordsAndNothingWritten) {
    const TempDirectory folder;
    const std::string path = folder.File("records.ini");
    RecordsFile file(path);
    EXPECT_TRUE(file.Load().Runs().empty());
    EXPECT_TRUE(file.Problem().empty());
    EXPECT_FALSE(fs::exists(path));
}

TEST(RecordsFile, AHandEditedFileIsReadInTheOrderOfTheRuns) {
    Records records;
    int line = 0;
    std::string why;
    const std::string text = "; my best\n"
                             "[run 1]\n"
                             "date = 2026-01-01 09:00\nresult = defeat\nsector = 3\nkills = 1\n"
                             "rank = 0\nweapon_level = 0\nseconds = 60\nmood = great\n"
                             "[run 2]\n"
                             "seconds = 999\nweapon_level = 2\nrank = 2\nkills = 40\n"
                             "sector = 16\nresult = victory\ndate = 2026-01-02 09:00\n";
    ASSERT_TRUE(RecordsFile::Parse(text, records, line, why)) << line << ": " << why;
    ASSERT_EQ(records.Runs().size(), 2u);
    EXPECT_EQ(records.Runs()[0].result, Result::Victory);
    EXPECT_EQ(records.Runs()[1].sector, 3);
}

TEST(RecordsFile, EveryKindOfBadFileIsRefusedWithItsLine) {
    const std::string run = "date = 2026-01-01 09:00\nresult = defeat\nsector = 3\nkills = 1\n"
                            "rank = 0\nweapon_level = 0\nseconds = 60\n";
    struct Bad {
        std::string text;
        int line;
        const char* why;
    };
    const std::vector<Bad> bads = {
        {"[run 1]\nthis is no setting\n", 2, "no section, no setting and no comment"},
        {"[run 1\n" + run, 1, "no section, no setting and no comment"},
        {"kills = 3\n", 1, "\"kills\" is not in a [run N] section"},
        {"[best]\n" + run, 2, "\"date\" is not in a [run N] section"},
        {"[run 1]\n" + run + "kills = 2\n", 9, "kills is given twice"},
        {"[run 1]\nresult = won\n", 2, "\"won\" is no value for result"},
        {"[run 1]\nsector = 17\n", 2, "\"17\" is no value for sector"},
        {"[run 1]\nkills = -3\n", 2, "\"-3\" is no value for kills"},
        {"[run 1]\nseconds = 3000000000\n", 2, "\"3000000000\" is no value for seconds"},
        {"[run 1]\nrank = 1.5\n", 2, "\"1.5\" is no value for rank"},
        {"[run 1]\n" + run + "[run 2]\nresult = left\nsector = 2\n", 10, "[run 2] has no date"},
        {"[run 1]\ndate = yesterday\nresult = defeat\nsector = 3\nkills = 1\nrank = 0\n"
         "weapon_level = 0\nseconds = 60\n",
         2, "[run 1]: the date is not written YYYY-MM-DD HH:MM"},
        {"[run 1]\n; " + std::string(300, 'x') + "\n", 2, "the line is too long"},
    };
    for (const Bad& bad : bads) {
        Records records;
        records.Add(MakeRun(Result::Left, 2, 0, 1));
        const Records before = records;
        int line = 0;
        std::string why;
        EXPECT_FALSE(RecordsFile::Parse(bad.text, records, line, why)) << bad.text;
        EXPECT_EQ(line, bad.line) << bad.text;
        EXPECT_EQ(why, bad.why) << bad.text;
        EXPECT_EQ(records, before) << bad.text;
    }
}

TEST(RecordsFile, ABadFileIsKeptAsideWithOneLineSaidAndTheNextSaveWritesAnew) {
    const TempDirectory folder;
    const std::string path = folder.File("records.ini");
    const std::string garbage = "[run 1]\nsector = lots\n";
    WriteText(path, garbage);
    WriteText(path + ".bad", "an older bad file");
    RecordsFile file(path);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(file.Load().Runs().empty());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(path + ":2: "), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_EQ(file.Problem(), "records.ini could not be read (line 2): the records start empty, "
                              "the file is kept as records.ini.bad");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(ByteFile::ReadText(path + ".bad"), garbage);

    Records records;
    records.Add(MakeRun(Result::Defeat, 7, 3, 400));
    ASSERT_TRUE(file.Save(records));
    RecordsFile again(path);
    EXPECT_EQ(again.Load(), records);
    EXPECT_TRUE(again.Problem().empty());
}

TEST(RecordsFile, AFailedWriteLeavesTheOldFileWholeAndIsSaidOnce) {
    const TempDirectory folder;
    const std::string path = folder.File("records.ini");
    Records records;
    records.Add(MakeRun(Result::Victory, 16, 12, 1200));
    RecordsFile file(path);
    ASSERT_TRUE(file.Save(records));
    const std::string before = ByteFile::ReadText(path);
    // The temporary file's place is taken by a folder: no new content can be written.
    fs::create_directory(path + ".new");
    Records more = records;
    more.Add(MakeRun(Result::Defeat, 3, 0, 10));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(file.Save(more));
    EXPECT_FALSE(file.Save(more));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "said more than once: " << said;
    EXPECT_NE(said.find("the records will not be kept"), std::string::npos) << said;
    EXPECT_EQ(ByteFile::ReadText(path), before);
    EXPECT_EQ(RecordsFile(path).Load(), records);
}

} // namespace

} // namespace vantor::test
