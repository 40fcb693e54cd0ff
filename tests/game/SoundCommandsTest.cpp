#include "sound/SoundCommands.h"
#include "sound/MediaControl.h"
#include "sound/SectorMusic.h"
#include "sound/SoundFiles.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

std::vector<std::string> Words(const std::string& command) {
    std::istringstream in(command);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

TEST(SoundCatalogue, EveryCommandIsAPlayOrStopOfAKnownFile) {
    const std::set<std::string> files(sound::SoundFiles::Names.begin(),
                                      sound::SoundFiles::Names.end());
    EXPECT_EQ(files.size(), 20u);

    std::set<std::string> distinct;
    std::set<std::string> played;
    for (const char* command : sound::SoundCommands::AllCommands) {
        ASSERT_NE(command, nullptr);
        distinct.insert(command);
        const auto words = Words(command);
        ASSERT_GE(words.size(), 2u) << command;
        ASSERT_LE(words.size(), 3u) << command;
        EXPECT_TRUE(words[0] == "play" || words[0] == "stop") << command;
        EXPECT_TRUE(files.count(words[1])) << command;
        if (words.size() == 3) {
            EXPECT_EQ(words[0], "play") << command;
            EXPECT_EQ(words[2], "repeat") << command;
        }
        if (words[0] == "play") {
            played.insert(words[1]);
        }
    }
    EXPECT_EQ(distinct.size(), 31u);
    EXPECT_EQ(played, files) << "every file is played by some command";
}

TEST(SoundCatalogue, OnlyTheShieldsWarningHasTwoBlanks) {
    EXPECT_STREQ(sound::SoundCommands::PlayShieldsFailing,
                 "play  warningprimaryshieldsfailing_ep.mp3");
    const auto doubled = std::count_if(
        sound::SoundCommands::AllCommands.begin(), sound::SoundCommands::AllCommands.end(),
        [](const char* command) { return std::string(command).find("  ") != std::string::npos; });
    EXPECT_EQ(doubled, 1);
}

TEST(SectorMusicRule, EachSectorStopsTheLastTrackAndLoopsItsOwn) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"stop track01.mp3", "play track02.mp3 repeat"}, // sector 2
        {"stop track02.mp3", "play track03.mp3 repeat"},
        {"stop track03.mp3", "play track04.mp3 repeat"},
        {"stop track04.mp3", "play track05.mp3 repeat"},
        {"stop track05.mp3", "play track06.mp3 repeat"},
        {"stop track06.mp3", "play track07.mp3 repeat"},
        {"stop track07.mp3", "play track01.mp3 repeat"}, // sector 8 starts the cycle again
        {"stop track01.mp3", "play track02.mp3 repeat"},
        {"stop track02.mp3", "play track03.mp3 repeat"},
        {"stop track03.mp3", "play track04.mp3 repeat"},
        {"stop track04.mp3", "play track05.mp3 repeat"},
        {"stop track05.mp3", "play track06.mp3 repeat"},
        {"stop track06.mp3", "play track07.mp3 repeat"},
        {"stop track07.mp3", "play BossTrack.mp3 repeat"}, // sector 15, the boss
    };
    for (int sector = 2; sector <= 15; ++sector) {
        const sound::SectorMusic music = sound::SectorMusic::ForSector(sector);
        ASSERT_NE(music.stop, nullptr) << sector;
        ASSERT_NE(music.play, nullptr) << sector;
        EXPECT_EQ(music.stop, expected[sector - 2].first) << "sector " << sector;
        EXPECT_EQ(music.play, expected[sector - 2].second) << "sector " << sector;
    }
}

TEST(SectorMusicRule, NoChangeOutsideTheSectorsThatCanBeEntered) {
    for (int sector : {-7, 0, 1, 16, 17, 100}) {
        const sound::SectorMusic music = sound::SectorMusic::ForSector(sector);
        EXPECT_EQ(music.stop, nullptr) << sector;
        EXPECT_EQ(music.play, nullptr) << sector;
    }
}

TEST(MediaControl, CommandsReachTheInstalledPlayerUnchangedAndInOrder) {
    {
        RecordingPlayer recorder;
        EXPECT_EQ(sound::CurrentMediaPlayer(), &recorder);
        sound::SendMediaCommand("play  warningprimaryshieldsfailing_ep.mp3");
        sound::SendMediaCommand(nullptr);
        sound::SendMediaCommand("");
        sound::SendMediaCommand("stop track05.mp3");
        const std::vector<std::string> expected = {"play  warningprimaryshieldsfailing_ep.mp3", "",
                                                   "stop track05.mp3"};
        EXPECT_EQ(recorder.commands, expected);
    }
    // With the recorder gone the default player is back and sending stays harmless.
    ASSERT_NE(sound::CurrentMediaPlayer(), nullptr);
    sound::SendMediaCommand("play intro.mp3");
}

} // namespace

} // namespace vantor::test
