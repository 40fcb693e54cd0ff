// Playing and stopping: once, looped, again while playing, several files at once, with the
// command's words however spaced.
#include "MixerPlayerTest.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace vantor::test {

using namespace std::chrono_literals;

TEST_F(MixerPlayerTest, PlaysAnMp3OnceAndAgainAfterItEnded) {
    sound::MixerPlayer player;
    OpenWithTones(player, {{"tone.mp3", 0.15, 440}});

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
    sound::MixerPlayer player;
    OpenWithTones(player, {{"loop.wav", 0.05, 440}});

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
    sound::MixerPlayer player;
    OpenWithTones(player, {{"GameOver.mp3", 3.0, 330}, {"track.wav", 0.05, 550}});

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
    sound::MixerPlayer player;
    OpenWithTones(player, {{"warning.mp3", 2.0, 660}});

    player.Send("play  warning.mp3");
    player.Send("play warning.mp3");
    EXPECT_TRUE(player.IsPlaying("warning.mp3"));
    EXPECT_EQ(player.StartCount("warning.mp3"), 1);
    player.Send("  stop   warning.mp3  ");
    EXPECT_FALSE(player.IsPlaying("warning.mp3"));
    StopCounting();
}

TEST_F(MixerPlayerTest, StopOfAFileThatIsNotPlayingDoesNothing) {
    sound::MixerPlayer player;
    OpenWithTones(player, {{"music.wav", 3.0, 220}, {"track05.wav", 1.0, 440}});

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
    sound::MixerPlayer player;
    OpenWithTones(
        player,
        {{"track01.mp3", 1.0, 220}, {"zeb_engine_2.wav", 2.0, 330}, {"voice.wav", 2.0, 440}});

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

} // namespace vantor::test
