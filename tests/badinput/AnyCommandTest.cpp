// Any string at all given to SendMediaCommand, with the real sound player installed behind it
// as the game installs it: nothing is played that the game did not ask for, the player never
// hangs or prints, and the game's own sounds still play as they should.
#include "SoundingGame.h"
#include "TempAssets.h"

#include "app/GameManager.h"
#include "game/Sector01.h"
#include "sound/MediaControl.h"
#include "sound/MixerPlayer.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"
#include "support/ByteFile.h"
#include "support/WorkingDirectory.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using FileState = sound::MixerPlayer::FileState;

// Strings of every sort that are not the game's commands: random bytes, overlong strings,
// odd bytes inside the game's own commands, and well-formed commands naming things that are no
// sound file of the game (devices, folders, files that do not exist).
std::vector<std::string> Junk() {
    std::vector<std::string> junk = {
        "",
        " ",
        "play",
        "stop",
        "play  ",
        "repeat",
        "play intro.mp3 repeat repeat",
        "stop intro.mp3 repeat",
        "PLAY intro.mp3",
        "play\tintro.mp3",
        "play intro.mp3\n",
        "play intro.mp3\r\n",
        std::string(1 << 20, 'p'),
        "play " + std::string(1 << 20, 'x'),
        "play " + std::string(sound::MediaCommand::MaxFileNameLength + 1, 'x'),
        std::string(300, ' ') + "play intro.mp3",
        "play /dev/zero",
        "play /dev/urandom repeat",
        "play /dev/stdin",
        "play /dev/null",
        "play /",
        "play ..",
        "play .",
        "stop /dev/zero",
        "play no-such-sound.mp3",
        "play ../intro.mp3",
    };
    // Every byte that is not printable ASCII, inside each command of the game.
    for (const char* command : sound::SoundCommands::AllCommands) {
        const std::string text = command;
        for (int byte = 1; byte < 256; ++byte) {
            if (byte >= 0x21 && byte <= 0x7E) {
                continue;
            }
            if (byte == ' ') {
                continue;
            }
            std::string odd = text;
            odd.insert(odd.begin() + long(byte % odd.size()), char(byte));
            junk.push_back(odd);
        }
    }
    std::mt19937 random(20261209);
    for (int i = 0; i < 3000; ++i) {
        std::string text(random() % 300, '\0');
        for (char& c : text) {
            c = char(random() % 255 + 1);
        }
        junk.push_back(text);
    }
    // Well-formed commands naming files nobody has, more than the player has room for.
    for (int i = 0; i < 200; ++i) {
        junk.push_back((i % 2 == 0 ? "play nothing" : "stop nothing") + std::to_string(i) + ".mp3" +
                       (i % 3 == 0 ? " repeat" : ""));
    }
    return junk;
}

class AnyCommand : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        GameManager::SetGraphics(nullptr);
        ASSERT_TRUE(player.Open());
        player.WarmUp(sound::SoundFiles::Names.data(), int(sound::SoundFiles::Names.size()));
        ASSERT_TRUE(player.WaitForDecoding(10s));
        sound::SetMediaPlayer(&player);
    }

    void TearDown() override {
        sound::SetMediaPlayer(nullptr);
        player.Close();
    }

    // Nothing of the game plays or has ever been started.
    void ExpectSilence() {
        EXPECT_EQ(Mix_Playing(-1), 0);
        for (const char* file : sound::SoundFiles::Names) {
            EXPECT_EQ(player.StartCount(file), 0) << file;
            EXPECT_EQ(player.StateOf(file), FileState::Ready) << file;
        }
    }

    TempAssets assets;
    WorkingDirectory inAssets{assets.Dir()};
    sound::MixerPlayer player;
};

TEST_F(AnyCommand, NamesOfDevicesAndFoldersAreNoSoundsAndNeverHangThePlayer) {
    for (const char* name : {"/dev/zero", "/dev/urandom", "/dev/stdin", "/dev/null", "/", ".."}) {
        sound::SendMediaCommand((std::string("play ") + name + " repeat").c_str());
        ASSERT_TRUE(player.WaitForDecoding(10s)) << name << " is still being read";
        EXPECT_EQ(player.StateOf(name), FileState::Failed) << name;
    }
    ExpectSilence();
}

TEST_F(AnyCommand, JunkPlaysNothingAndNeverHangsThePlayer) {
    ::testing::internal::CaptureStderr();
    for (const std::string& text : Junk()) {
        sound::SendMediaCommand(text.c_str());
    }
    // Whatever the junk gave the player to read has been settled.
    EXPECT_TRUE(player.WaitForDecoding(10s));
    ExpectSilence();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(AnyCommand, JunkBetweenTheFramesOfAGameLeavesItsSoundsAlone) {
    const std::vector<std::string> junk = Junk();
    size_t next = 0;
    Sector01 level;
    SoundingGame game(level);
    // A few strings of junk before every frame, the whole lot over the game.
    game.Play([&] {
        for (int i = 0; i < 40; ++i) {
            sound::SendMediaCommand(junk[next].c_str());
            next = (next + 1) % junk.size();
        }
    });
    level.Unload();
    EXPECT_GT(game.frames, 50);
    ASSERT_TRUE(player.WaitForDecoding(10s));
    for (const char* file : sound::SoundFiles::Names) {
        EXPECT_GE(player.StartCount(file), 1) << file << " was never heard";
    }
}

TEST_F(AnyCommand, TheSeedCorpusOfTheCommandFuzzerPlaysOnlyWhatItNames) {
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(VANTOR_FUZZ_CORPUS) / "media-command")) {
        sound::SendMediaCommand(ByteFile::ReadText(entry.path()).c_str());
    }
    ASSERT_TRUE(player.WaitForDecoding(10s));
    // The corpus plays every file of the game once and stops every track again; of the rest,
    // a device and a folder are no sound files.
    for (const char* file : sound::SoundFiles::Names) {
        EXPECT_GE(player.StartCount(file), 1) << file;
    }
    EXPECT_EQ(player.StateOf("/dev/zero"), FileState::Failed);
    EXPECT_EQ(player.StateOf(".."), FileState::Failed);
}

} // namespace

} // namespace vantor::test
