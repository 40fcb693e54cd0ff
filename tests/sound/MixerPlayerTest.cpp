#include "sound/MixerPlayer.h"

#include "ToneFiles.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using FileState = MixerPlayer::FileState;

constexpr auto Patience = 5000ms;

template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds timeout = Patience) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

// SDL_mixer reports every end of a channel's sound, whether it ran out, was halted or was cut
// off by a restart. Counting them shows independently of the player's own bookkeeping that a
// sound was not restarted.
std::atomic<int> channelEnds{0};

void CountChannelEnd(int) {
    ++channelEnds;
}

// A player that records the files it decodes and can hold the decoding thread at a gate, so a
// test can send commands while a file is still being decoded.
class GatedPlayer : public MixerPlayer {
public:
    explicit GatedPlayer(bool gateOpen) : gateOpen(gateOpen) {}
    ~GatedPlayer() override {
        OpenGate();
        Close();
    }

    void OpenGate() {
        std::lock_guard lock(mutex);
        gateOpen = true;
        changed.notify_all();
    }

    bool WaitUntilDecodeStarted(std::size_t count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, Patience, [&] { return decoded.size() >= count; });
    }

    std::vector<std::string> Decoded() {
        std::lock_guard lock(mutex);
        return decoded;
    }

protected:
    Mix_Chunk* Decode(const char* file) override {
        {
            std::unique_lock lock(mutex);
            decoded.emplace_back(file);
            changed.notify_all();
            changed.wait(lock, [this] { return gateOpen; });
        }
        return MixerPlayer::Decode(file);
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool gateOpen;
    std::vector<std::string> decoded;
};

// Every test runs in a fresh directory of its own, on SDL's dummy audio driver.
class MixerPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        previous = std::filesystem::current_path();
        char pattern[] = "/tmp/vantor-sound-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        std::filesystem::current_path(directory);
        channelEnds = 0;
    }

    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(directory);
    }

    // Opens the player and counts channel ends from now on.
    static void OpenAndCount(MixerPlayer& player) {
        ASSERT_TRUE(player.Open()) << SDL_GetError();
        Mix_ChannelFinished(CountChannelEnd);
    }

    // Stops the counting before the player closes (closing halts every channel).
    static void StopCounting() { Mix_ChannelFinished(nullptr); }

    static void WarmUpAndWait(MixerPlayer& player, std::vector<const char*> files) {
        player.WarmUp(files.data(), static_cast<int>(files.size()));
        ASSERT_TRUE(player.WaitForDecoding(Patience));
        for (const char* file : files) {
            ASSERT_EQ(player.StateOf(file), FileState::Ready) << file;
        }
    }

    std::filesystem::path previous;
    std::filesystem::path directory;
};

TEST_F(MixerPlayerTest, PlaysAnMp3OnceAndAgainAfterItEnded) {
    ToneFiles::Write("tone.mp3", ToneFiles::Mp3Tone(0.15, 440));
    MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {"tone.mp3"});

    player.Send("play tone.mp3");
    EXPECT_TRUE(player.IsPlaying("tone.mp3"));
    EXPECT_FALSE(player.IsLooping("tone.mp3"));
    EXPECT_EQ(player.StartCount("tone.mp3"), 1);

    ASSERT_TRUE(Eventually([&] { return !player.IsPlaying("tone.mp3"); }));
    EXPECT_EQ(channelEnds, 1);

    player.Send("play tone.mp3");
    EXPECT_TRUE(player.IsPlaying("tone.mp3"));
    EXPECT_EQ(player.StartCount("tone.mp3"), 2);
    StopCounting();
}

TEST_F(MixerPlayerTest, RepeatLoopsUntilStopped) {
    ToneFiles::Write("loop.wav", ToneFiles::WavTone(0.05, 440));
    MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {"loop.wav"});

    player.Send("play loop.wav repeat");
    EXPECT_TRUE(player.IsLooping("loop.wav"));
    // Several times the length of the tone.
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(player.IsPlaying("loop.wav"));
    EXPECT_TRUE(player.IsLooping("loop.wav"));
    EXPECT_EQ(player.StartCount("loop.wav"), 1);
    EXPECT_EQ(channelEnds, 0);

    player.Send("stop loop.wav");
    EXPECT_FALSE(player.IsPlaying("loop.wav"));
    EXPECT_FALSE(player.IsLooping("loop.wav"));
    EXPECT_EQ(channelEnds, 1);
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(player.IsPlaying("loop.wav"));
    StopCounting();
}

TEST_F(MixerPlayerTest, PlayOfAPlayingFileLeavesItRunning) {
    ToneFiles::Write("GameOver.mp3", ToneFiles::Mp3Tone(3.0, 330));
    ToneFiles::Write("track.wav", ToneFiles::WavTone(0.05, 550));
    MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {"GameOver.mp3", "track.wav"});

    // What the end screen does: the same play command on every frame.
    for (int frame = 0; frame < 20; ++frame) {
        player.Send("play GameOver.mp3");
        player.Send("play track.wav repeat");
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_TRUE(player.IsPlaying("GameOver.mp3"));
    EXPECT_EQ(player.StartCount("GameOver.mp3"), 1);
    EXPECT_TRUE(player.IsLooping("track.wav"));
    EXPECT_EQ(player.StartCount("track.wav"), 1);
    EXPECT_EQ(channelEnds, 0);

    // A repeat for a file already playing once does not restart it either.
    player.Send("play GameOver.mp3 repeat");
    EXPECT_EQ(player.StartCount("GameOver.mp3"), 1);
    EXPECT_FALSE(player.IsLooping("GameOver.mp3"));
    EXPECT_EQ(channelEnds, 0);
    StopCounting();
}

TEST_F(MixerPlayerTest, TwoBlanksNameTheSameFile) {
    ToneFiles::Write("warning.mp3", ToneFiles::Mp3Tone(2.0, 660));
    MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {"warning.mp3"});

    player.Send("play  warning.mp3");
    player.Send("play warning.mp3");
    EXPECT_TRUE(player.IsPlaying("warning.mp3"));
    EXPECT_EQ(player.StartCount("warning.mp3"), 1);
    player.Send("  stop   warning.mp3  ");
    EXPECT_FALSE(player.IsPlaying("warning.mp3"));
    StopCounting();
}

TEST_F(MixerPlayerTest, StopOfAFileThatIsNotPlayingDoesNothing) {
    ToneFiles::Write("music.wav", ToneFiles::WavTone(3.0, 220));
    ToneFiles::Write("track05.wav", ToneFiles::WavTone(1.0, 440));
    MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {"music.wav", "track05.wav"});

    player.Send("play music.wav repeat");
    player.Send("stop track05.wav");
    player.Send("stop never.wav");
    player.Send("stop track05.wav");

    EXPECT_TRUE(player.IsLooping("music.wav"));
    EXPECT_FALSE(player.IsPlaying("track05.wav"));
    EXPECT_EQ(player.StartCount("track05.wav"), 0);
    // A stop does not make the player go looking for a file.
    EXPECT_EQ(player.StateOf("never.wav"), FileState::Unknown);
    EXPECT_EQ(channelEnds, 0);
    StopCounting();
}

TEST_F(MixerPlayerTest, SeveralFilesPlayAtOnce) {
    ToneFiles::Write("track01.mp3", ToneFiles::Mp3Tone(1.0, 220));
    ToneFiles::Write("zeb_engine_2.wav", ToneFiles::WavTone(2.0, 330));
    ToneFiles::Write("voice.wav", ToneFiles::WavTone(2.0, 440));
    MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {"track01.mp3", "zeb_engine_2.wav", "voice.wav"});

    player.Send("play track01.mp3 repeat");
    player.Send("play zeb_engine_2.wav");
    player.Send("play voice.wav");
    EXPECT_TRUE(player.IsLooping("track01.mp3"));
    EXPECT_TRUE(player.IsPlaying("zeb_engine_2.wav"));
    EXPECT_TRUE(player.IsPlaying("voice.wav"));
    EXPECT_EQ(Mix_Playing(-1), 3);

    player.Send("stop zeb_engine_2.wav");
    EXPECT_TRUE(player.IsLooping("track01.mp3"));
    EXPECT_FALSE(player.IsPlaying("zeb_engine_2.wav"));
    EXPECT_TRUE(player.IsPlaying("voice.wav"));
    EXPECT_EQ(Mix_Playing(-1), 2);
    EXPECT_EQ(channelEnds, 1);
    StopCounting();
}

TEST_F(MixerPlayerTest, BadFilesStaySilentWithoutAWord) {
    ToneFiles::Write("empty.mp3", {});
    std::vector<unsigned char> noise(20000);
    std::mt19937 random(7);
    for (auto& byte : noise) {
        byte = static_cast<unsigned char>(random() & 0xff);
    }
    ToneFiles::Write("noise.mp3", noise);
    ToneFiles::Write("text.mp3", {'h', 'e', 'l', 'l', 'o', '\n'});
    ToneFiles::Write("header.mp3", {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 10, 0xff, 0xfb});
    ToneFiles::Write("riff.wav", {'R', 'I', 'F', 'F', 100, 0, 0, 0, 'W', 'A', 'V', 'E'});
    std::vector<unsigned char> truncated = ToneFiles::Mp3Tone(0.5, 440);
    truncated.resize(truncated.size() / 2);
    ToneFiles::Write("truncated.mp3", truncated);
    ToneFiles::Write("good.mp3", ToneFiles::Mp3Tone(2.0, 440));
    const std::vector<const char*> bad = {"missing.mp3", "empty.mp3",  "noise.mp3",
                                          "text.mp3",    "header.mp3", "riff.wav"};

    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    MixerPlayer player;
    OpenAndCount(player);
    player.WarmUp(bad.data(), static_cast<int>(bad.size()));
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    for (const char* file : bad) {
        EXPECT_EQ(player.StateOf(file), FileState::Failed) << file;
        const std::string play = std::string("play ") + file;
        player.Send(play.c_str());
        player.Send((play + " repeat").c_str());
        EXPECT_FALSE(player.IsPlaying(file)) << file;
        EXPECT_EQ(player.StartCount(file), 0) << file;
    }
    EXPECT_EQ(Mix_Playing(-1), 0);

    // A cut-off file plays what is there, or nothing; either way it is settled, not stuck.
    player.Send("play truncated.mp3");
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_NE(player.StateOf("truncated.mp3"), FileState::Decoding);

    // The good file plays on regardless.
    player.Send("play good.mp3");
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_TRUE(player.IsPlaying("good.mp3"));
    StopCounting();
    player.Close();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(MixerPlayerTest, AFailedFileIsDecodedOnlyOnce) {
    GatedPlayer player(true);
    OpenAndCount(player);
    for (int frame = 0; frame < 50; ++frame) {
        player.Send("play longrangescanplanetcomplete_clean.mp3");
    }
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.StateOf("longrangescanplanetcomplete_clean.mp3"), FileState::Failed);

    // The file turning up later does not bring it back: the failure is remembered.
    ToneFiles::Write("longrangescanplanetcomplete_clean.mp3", ToneFiles::Mp3Tone(0.2, 440));
    for (int frame = 0; frame < 50; ++frame) {
        player.Send("play longrangescanplanetcomplete_clean.mp3");
    }
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.Decoded().size(), 1u);
    EXPECT_FALSE(player.IsPlaying("longrangescanplanetcomplete_clean.mp3"));
    StopCounting();
}

TEST_F(MixerPlayerTest, APlayWhileTheFileIsDecodingStartsWhenItIsReady) {
    ToneFiles::Write("track01.mp3", ToneFiles::Mp3Tone(1.0, 440));
    GatedPlayer player(false);
    OpenAndCount(player);
    const char* files[] = {"track01.mp3"};
    player.WarmUp(files, 1);
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1));

    // The decoding thread is held at the gate: the command must return all the same.
    player.Send("play track01.mp3 repeat");
    EXPECT_EQ(player.StateOf("track01.mp3"), FileState::Decoding);
    EXPECT_FALSE(player.IsPlaying("track01.mp3"));

    player.OpenGate();
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_TRUE(player.IsLooping("track01.mp3"));
    EXPECT_EQ(player.StartCount("track01.mp3"), 1);
    StopCounting();
}

TEST_F(MixerPlayerTest, AStopWhileTheFileIsDecodingCancelsThePlay) {
    ToneFiles::Write("intro.mp3", ToneFiles::Mp3Tone(1.0, 440));
    GatedPlayer player(false);
    OpenAndCount(player);
    const char* files[] = {"intro.mp3"};
    player.WarmUp(files, 1);
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1));

    player.Send("play intro.mp3");
    player.Send("stop intro.mp3");
    player.OpenGate();
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.StateOf("intro.mp3"), FileState::Ready);
    EXPECT_FALSE(player.IsPlaying("intro.mp3"));
    EXPECT_EQ(player.StartCount("intro.mp3"), 0);

    // A play after the stop while still decoding would have started it: the file works.
    player.Send("play intro.mp3");
    EXPECT_TRUE(player.IsPlaying("intro.mp3"));
    StopCounting();
}

TEST_F(MixerPlayerTest, AFileOutsideTheWarmUpIsDecodedInTheBackgroundOnItsFirstPlay) {
    ToneFiles::Write("extra.wav", ToneFiles::WavTone(1.0, 440));
    GatedPlayer player(false);
    OpenAndCount(player);

    player.Send("play extra.wav");
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1));
    EXPECT_EQ(player.StateOf("extra.wav"), FileState::Decoding);
    EXPECT_FALSE(player.IsPlaying("extra.wav"));

    player.OpenGate();
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_TRUE(player.IsPlaying("extra.wav"));
    EXPECT_FALSE(player.IsLooping("extra.wav"));
    StopCounting();
}

TEST_F(MixerPlayerTest, AFileWaitedForIsDecodedBeforeTheRestOfTheWarmUp) {
    for (const char* file : {"a.wav", "b.wav", "c.wav", "d.wav"}) {
        ToneFiles::Write(file, ToneFiles::WavTone(0.5, 440));
    }
    GatedPlayer player(false);
    OpenAndCount(player);
    const char* files[] = {"a.wav", "b.wav", "c.wav", "d.wav"};
    player.WarmUp(files, 4);
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1));

    player.Send("play d.wav");
    player.OpenGate();
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    const std::vector<std::string> order = {"a.wav", "d.wav", "b.wav", "c.wav"};
    EXPECT_EQ(player.Decoded(), order);
    EXPECT_TRUE(player.IsPlaying("d.wav"));
    StopCounting();
}

TEST_F(MixerPlayerTest, WarmUpSkipsNullAndInvalidNamesAndDuplicates) {
    ToneFiles::Write("a.wav", ToneFiles::WavTone(0.1, 440));
    GatedPlayer player(true);
    OpenAndCount(player);
    const std::string tooLong(MediaCommand::MaxFileNameLength + 1, 'a');
    const char* files[] = {"a.wav", nullptr, "", "two words", tooLong.c_str(), "a.wav"};
    player.WarmUp(files, 6);
    player.WarmUp(nullptr, 3);
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.Decoded(), std::vector<std::string>{"a.wav"});
    EXPECT_EQ(player.StateOf("a.wav"), FileState::Ready);
    StopCounting();
}

TEST_F(MixerPlayerTest, WithoutAnAudioDeviceEverythingIsHarmless) {
    ToneFiles::Write("intro.mp3", ToneFiles::Mp3Tone(0.2, 440));
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    MixerPlayer player;
    EXPECT_FALSE(player.Open());
    EXPECT_FALSE(player.IsOpen());

    const char* files[] = {"intro.mp3"};
    player.WarmUp(files, 1);
    player.Send("play intro.mp3");
    player.Send("play intro.mp3 repeat");
    player.Send("stop intro.mp3");
    player.Send("garbage");
    EXPECT_TRUE(player.WaitForDecoding(0ms));
    EXPECT_EQ(player.StateOf("intro.mp3"), FileState::Unknown);
    EXPECT_FALSE(player.IsPlaying("intro.mp3"));
    player.Close();

    // The failed attempt left nothing behind: with a device the same player works.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(player.Open()) << SDL_GetError();
    WarmUpAndWait(player, {"intro.mp3"});
    player.Send("play intro.mp3");
    EXPECT_TRUE(player.IsPlaying("intro.mp3"));
}

TEST_F(MixerPlayerTest, OnlyOnePlayerHoldsTheDevice) {
    ToneFiles::Write("intro.mp3", ToneFiles::Mp3Tone(0.5, 440));
    MixerPlayer first;
    MixerPlayer second;
    ASSERT_TRUE(first.Open());
    EXPECT_FALSE(second.Open());
    second.Send("play intro.mp3");
    EXPECT_EQ(second.StateOf("intro.mp3"), FileState::Unknown);

    first.Close();
    EXPECT_EQ(first.StateOf("intro.mp3"), FileState::Unknown);
    ASSERT_TRUE(second.Open());
    WarmUpAndWait(second, {"intro.mp3"});
    second.Send("play intro.mp3");
    EXPECT_TRUE(second.IsPlaying("intro.mp3"));
}

TEST_F(MixerPlayerTest, AnyStringIsHarmless) {
    ToneFiles::Write("good.wav", ToneFiles::WavTone(1.0, 440));
    MixerPlayer player;
    OpenAndCount(player);

    std::vector<std::string> junk = {
        "",
        " ",
        "play",
        "stop",
        "play good.wav repeat repeat",
        "stop good.wav repeat",
        "play\tgood.wav",
        "play good.wav\n",
        "PLAY good.wav",
        std::string(100000, 'p'),
        "play " + std::string(100000, 'x'),
        "play " + std::string(MediaCommand::MaxFileNameLength + 1, 'x'),
        std::string(300, ' ') + "play good.wav",
        "play \x80\x81\xfe\xff",
        "play g\xc3\xb6\xc3\xb6"
        "d.wav",
        "stop \x01\x02\x03",
    };
    std::mt19937 random(12345);
    for (int i = 0; i < 2000; ++i) {
        std::string text(random() % 300, '\0');
        for (char& c : text) {
            c = static_cast<char>(random() % 255 + 1);
        }
        // A byte outside printable ASCII at the front keeps every one of them malformed.
        text.insert(text.begin(), static_cast<char>(0x80 + random() % 0x80));
        junk.push_back(text);
    }
    for (const std::string& text : junk) {
        player.Send(text.c_str());
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_TRUE(player.WaitForDecoding(0ms));
    EXPECT_EQ(player.StateOf("good.wav"), FileState::Unknown);

    player.Send("play good.wav");
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_TRUE(player.IsPlaying("good.wav"));
    StopCounting();
}

TEST_F(MixerPlayerTest, AFullTableMakesRoomFromFilesThatFailed) {
    ToneFiles::Write("late.wav", ToneFiles::WavTone(1.0, 440));
    ToneFiles::Write("kept.wav", ToneFiles::WavTone(1.0, 440));
    MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {"kept.wav"});

    for (int i = 0; i < 3 * MixerPlayer::MaxFiles; ++i) {
        const std::string command = "play missing" + std::to_string(i) + ".mp3";
        player.Send(command.c_str());
        ASSERT_TRUE(player.WaitForDecoding(Patience));
    }
    player.Send("play late.wav");
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_TRUE(player.IsPlaying("late.wav"));

    // A file that decoded keeps its place.
    player.Send("play kept.wav");
    EXPECT_TRUE(player.IsPlaying("kept.wav"));
    StopCounting();
}

} // namespace
