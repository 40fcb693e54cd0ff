// Sound files missing, empty or corrupt in a copy of the generated asset folder, with the
// real sound player on SDL's dummy audio driver behind the game's commands, as the game
// starts it: the broken files play silently, the good ones play, nothing is printed, and a
// whole game runs on.
#include "SoundingGame.h"
#include "TempAssets.h"

#include "app/GameManager.h"
#include "game/Sector01.h"
#include "sound/MediaControl.h"
#include "sound/MediaPlayer.h"
#include "sound/MixerPlayer.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"
#include "support/WorkingDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

using namespace std::chrono_literals;
using FileState = sound::MixerPlayer::FileState;

// Passes every command on to the real player and keeps the files the game asked to play.
class PlayedFiles final : public sound::MediaPlayer {
public:
    explicit PlayedFiles(sound::MediaPlayer& player) : player(player) {}

    void Send(const char* command) override {
        const sound::MediaCommand parsed = sound::MediaCommand::Parse(command);
        if (parsed.verb == sound::MediaCommand::Verb::Play) {
            files.insert(std::string(parsed.file));
        }
        player.Send(command);
    }

    sound::MediaPlayer& player;
    std::set<std::string> files;
};

enum class Breakage { Missing, Empty, Corrupt };

class BrokenSounds : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        GameManager::SetGraphics(nullptr); // the level plays headless
    }

    void TearDown() override { sound::SetMediaPlayer(nullptr); }

    // Every other file of the game's twenty, starting with the title music.
    static std::vector<std::string> BrokenFiles() {
        std::vector<std::string> files;
        for (size_t i = 0; i < sound::SoundFiles::Names.size(); i += 2) {
            files.emplace_back(sound::SoundFiles::Names[i]);
        }
        return files;
    }

    // Corrupt files of several sorts: noise, text, the real file scrambled, and a tag that
    // promises an MP3 with noise behind it.
    std::vector<uint8_t> Corrupted(const std::string& file, size_t index) {
        const std::vector<uint8_t> original = TempAssets::ReadOriginal(file);
        std::mt19937 random(unsigned(index) + 11);
        std::vector<uint8_t> bytes(original.size());
        for (uint8_t& byte : bytes) {
            byte = uint8_t(random());
        }
        switch (index % 4) {
        case 0:
            bytes[0] = 0x00; // noise that starts like no sound file
            break;
        case 1: {
            const std::string text = "this is not a sound\n";
            bytes.assign(text.begin(), text.end());
            break;
        }
        case 2:
            for (size_t i = 0; i < bytes.size(); ++i) {
                bytes[i] = original[i] ^ 0x5A;
            }
            break;
        default:
            bytes[0] = 'I';
            bytes[1] = 'D';
            bytes[2] = '3';
            bytes[3] = 3;
            bytes[4] = 0;
            bytes[5] = 0;
            break;
        }
        return bytes;
    }

    void Break(Breakage breakage) {
        const std::vector<std::string> files = BrokenFiles();
        for (size_t i = 0; i < files.size(); ++i) {
            switch (breakage) {
            case Breakage::Missing:
                assets.Remove(files[i]);
                break;
            case Breakage::Empty:
                assets.Write(files[i], {});
                break;
            case Breakage::Corrupt:
                assets.Write(files[i], Corrupted(files[i], i));
                break;
            }
        }
    }

    // Starts the player as the game does (every file decoded ahead), plays a whole game and
    // checks what was heard. A missing or empty file is passed over without a word; about a
    // corrupt one the MP3 decoder may leave a note on stderr.
    void PlayAGameWith(Breakage breakage) {
        Break(breakage);
        ::testing::internal::CaptureStderr();
        PlayAndListen();
        const std::string printed = ::testing::internal::GetCapturedStderr();
        if (breakage != Breakage::Corrupt) {
            EXPECT_EQ(printed, "");
        }
    }

    void PlayAndListen() {
        sound::MixerPlayer player;
        ASSERT_TRUE(player.Open());
        player.WarmUp(sound::SoundFiles::Names.data(), int(sound::SoundFiles::Names.size()));
        ASSERT_TRUE(player.WaitForDecoding(10s));
        PlayedFiles played(player);
        sound::SetMediaPlayer(&played);

        Sector01 level;
        SoundingGame game(level);
        game.Play();
        sound::SetMediaPlayer(nullptr);
        level.Unload();
        ASSERT_TRUE(player.WaitForDecoding(10s));

        // The game asked for every one of its files.
        EXPECT_EQ(played.files.size(), sound::SoundFiles::Names.size());
        const std::vector<std::string> broken = BrokenFiles();
        const std::set<std::string> brokenSet(broken.begin(), broken.end());
        for (const char* file : sound::SoundFiles::Names) {
            if (brokenSet.count(file) != 0) {
                EXPECT_EQ(player.StateOf(file), FileState::Failed) << file;
                EXPECT_EQ(player.StartCount(file), 0) << file;
                EXPECT_FALSE(player.IsPlaying(file)) << file;
            } else {
                EXPECT_EQ(player.StateOf(file), FileState::Ready) << file;
                EXPECT_GE(player.StartCount(file), 1) << file << " was never heard";
            }
        }
        player.Close();
    }

    TempAssets assets;
    WorkingDirectory inAssets{assets.Dir()};
};

TEST_F(BrokenSounds, MissingFilesPlaySilentlyAndTheGameRunsOn) {
    PlayAGameWith(Breakage::Missing);
}

TEST_F(BrokenSounds, EmptyFilesPlaySilentlyAndTheGameRunsOn) {
    PlayAGameWith(Breakage::Empty);
}

TEST_F(BrokenSounds, CorruptFilesPlaySilentlyAndTheGameRunsOn) {
    PlayAGameWith(Breakage::Corrupt);
}

} // namespace

} // namespace vantor::test
