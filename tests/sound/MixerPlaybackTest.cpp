// Playing and stopping: once, looped, again while playing, several files at once, with the
// command's words however spaced.
#include "MixerPlayerTest.h"
#include "ToneFiles.h"

#include "support/ByteFile.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

TEST_F(MixerPlayerTest, PlaysAnMp3OnceAndAgainAfterItEnded) {
    ByteFile::Write("tone.mp3", ToneFiles::Mp3Tone(0.15, 440));
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
    ByteFile::Write("loop.wav", ToneFiles::WavTone(0.05, 440));
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
    ByteFile::Write("GameOver.mp3", ToneFiles::Mp3Tone(3.0, 330));
    ByteFile::Write("track.wav", ToneFiles::WavTone(0.05, 550));
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
    ByteFile::Write("warning.mp3", ToneFiles::Mp3Tone(2.0, 660));
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
    ByteFile::Write("music.wav", ToneFiles::WavTone(3.0, 220));
    ByteFile::Write("track05.wav", ToneFiles::WavTone(1.0, 440));
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
    ByteFile::Write("track01.mp3", ToneFiles::Mp3Tone(1.0, 220));
    ByteFile::Write("zeb_engine_2.wav", ToneFiles::WavTone(2.0, 330));
    ByteFile::Write("voice.wav", ToneFiles::WavTone(2.0, 440));
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
