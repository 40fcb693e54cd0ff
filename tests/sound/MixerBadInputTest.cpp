// Bad sound files, any string as a command, no audio device and a device already taken: the
// player stays silent where it cannot play, prints nothing and plays on.
#include "MixerPlayerTest.h"
#include "ToneFiles.h"

#include "support/ByteFile.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace vantor::test {

using namespace std::chrono_literals;

TEST_F(MixerPlayerTest, BadFilesStaySilentWithoutAWord) {
    ByteFile::Write("empty.mp3", {});
    std::vector<unsigned char> noise(20000);
    std::mt19937 random(7);
    for (auto& byte : noise) {
        byte = static_cast<unsigned char>(random() & 0xff);
    }
    ByteFile::Write("noise.mp3", noise);
    ByteFile::Write("text.mp3", {'h', 'e', 'l', 'l', 'o', '\n'});
    ByteFile::Write("header.mp3", {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 10, 0xff, 0xfb});
    ByteFile::Write("riff.wav", {'R', 'I', 'F', 'F', 100, 0, 0, 0, 'W', 'A', 'V', 'E'});
    std::vector<unsigned char> truncated = ToneFiles::Mp3Tone(0.5, 440);
    truncated.resize(truncated.size() / 2);
    ByteFile::Write("truncated.mp3", truncated);
    WriteTone({"good.mp3", 2.0, 440});
    const std::vector<const char*> bad = {"missing.mp3", "empty.mp3",  "noise.mp3",
                                          "text.mp3",    "header.mp3", "riff.wav"};

    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    sound::MixerPlayer player;
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

TEST_F(MixerPlayerTest, MusicIsJudgedByItsFirstFramesAndEndsSilentlyWhereItBreaks) {
    // Three seconds of music whose second half is lost (zeroed, as a damaged copy may be), one
    // that breaks right after its first frame's header, and a WAV named as music.
    std::vector<unsigned char> damaged = ToneFiles::Mp3Tone(3.0, 440);
    std::fill(damaged.begin() + std::ptrdiff_t(damaged.size() / 2), damaged.end(), 0);
    ByteFile::Write("track04.mp3", damaged);
    std::vector<unsigned char> headOnly = ToneFiles::Mp3Tone(1.0, 440);
    std::fill(headOnly.begin() + 4, headOnly.end(), 0);
    ByteFile::Write("track06.mp3", headOnly);
    ByteFile::Write("track07.mp3", ToneFiles::WavTone(0.5, 440));

    testing::internal::CaptureStderr();
    sound::MixerPlayer player;
    OpenAndCount(player);
    const char* files[] = {"track04.mp3", "track06.mp3", "track07.mp3"};
    player.WarmUp(files, 3);
    ASSERT_TRUE(player.WaitForDecoding(Patience));
#if VANTOR_STREAM_MUSIC
    // The first frames of the damaged file decode, so it plays, kept as its file.
    EXPECT_EQ(player.StateOf("track04.mp3"), FileState::Ready);
    EXPECT_EQ(player.HeldBytes("track04.mp3"), damaged.size());
    EXPECT_EQ(player.StateOf("track06.mp3"), FileState::Failed);
    // It plays up to the break, about half way, and ends there rather than in silence.
    const auto started = std::chrono::steady_clock::now();
    player.Send("play track04.mp3");
    EXPECT_TRUE(player.IsPlaying("track04.mp3"));
    ASSERT_TRUE(Eventually([&] { return !player.IsPlaying("track04.mp3"); }));
    const auto lasted = std::chrono::steady_clock::now() - started;
    EXPECT_GT(lasted, 1000ms);
    EXPECT_LT(lasted, 2500ms);
    EXPECT_EQ(channelEnds, 1);
    // And plays again from its start on the next play.
    player.Send("play track04.mp3");
    EXPECT_TRUE(player.IsPlaying("track04.mp3"));
    EXPECT_LT(player.PlayedMs("track04.mp3"), 500);
#endif
    // Music that is no MP3 at all is decoded whole, as any other sound.
    EXPECT_EQ(player.StateOf("track07.mp3"), FileState::Ready);
    EXPECT_GE(player.HeldBytes("track07.mp3"), std::size_t(0.5 * 44100) * 4);
    StopCounting();
    player.Close();
    [[maybe_unused]] const std::string told = testing::internal::GetCapturedStderr();
#if VANTOR_STREAM_MUSIC
    // The game's own decoder plays a damaged file without a word; SDL_mixer's, in a build
    // without libmpg123, passes on libmpg123's notes about it.
    EXPECT_EQ(told, "");
#endif
}

TEST_F(MixerPlayerTest, WithoutAnAudioDeviceEverythingIsHarmless) {
    WriteTone({"intro.mp3", 0.2, 440});
    SDL_setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    sound::MixerPlayer player;
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
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    OpensAndPlays(player, "intro.mp3");
}

TEST_F(MixerPlayerTest, OnlyOnePlayerHoldsTheDevice) {
    WriteTone({"intro.mp3", 0.5, 440});
    sound::MixerPlayer first;
    sound::MixerPlayer second;
    ASSERT_TRUE(first.Open());
    EXPECT_FALSE(second.Open());
    second.Send("play intro.mp3");
    EXPECT_EQ(second.StateOf("intro.mp3"), FileState::Unknown);

    first.Close();
    EXPECT_EQ(first.StateOf("intro.mp3"), FileState::Unknown);
    OpensAndPlays(second, "intro.mp3");
}

TEST_F(MixerPlayerTest, AnyStringIsHarmless) {
    sound::MixerPlayer player;
    OpenAndCount(player, {{"good.wav", 1.0, 440}});

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
        "play " + std::string(sound::MediaCommand::MaxFileNameLength + 1, 'x'),
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

} // namespace vantor::test
