// The player's volume for each kind of sound and its pause, as the shell uses them for the
// volume keys, mute and the pause key.
#include "MixerPlayerTest.h"
#include "ToneFiles.h"

#include "support/ByteFile.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace vantor::test {

using namespace std::chrono_literals;

namespace {

// Sound files under the names of the game's own: a track, an effect and a voice, and one the
// game never names.
constexpr const char* Track = "track03.mp3";
constexpr const char* Effect = "smallexplosion1.mp3";
constexpr const char* Voice = "warningstructuralintegrity_ep.mp3";
constexpr const char* Other = "other.wav";

void WriteFiles() {
    for (const char* file : {Track, Effect, Voice, Other}) {
        ByteFile::Write(file, ToneFiles::WavTone(0.05, 440));
    }
}

} // namespace

TEST_F(MixerPlayerTest, EachKindOfSoundPlaysAtItsOwnVolume) {
    WriteFiles();
    sound::MixerPlayer player;
    OpenAndCount(player);
    // Set before the files are known: they take it when they come.
    player.SetVolumes(0.5f, 0.25f, 1.0f);
    WarmUpAndWait(player, {Track, Effect, Voice, Other});
    EXPECT_EQ(player.ChannelVolume(Track), MIX_MAX_VOLUME / 2);
    EXPECT_EQ(player.ChannelVolume(Effect), MIX_MAX_VOLUME / 4);
    EXPECT_EQ(player.ChannelVolume(Voice), MIX_MAX_VOLUME);
    EXPECT_EQ(player.ChannelVolume(Other), MIX_MAX_VOLUME / 4) << "an unknown file is an effect";

    // Changed while they play: at once, and they go on.
    player.Send("play track03.mp3 repeat");
    player.Send("play smallexplosion1.mp3 repeat");
    player.SetVolumes(0.0f, 1.0f, 0.5f);
    EXPECT_EQ(player.ChannelVolume(Track), 0);
    EXPECT_EQ(player.ChannelVolume(Effect), MIX_MAX_VOLUME);
    EXPECT_EQ(player.ChannelVolume(Voice), MIX_MAX_VOLUME / 2);
    std::this_thread::sleep_for(150ms);
    EXPECT_TRUE(player.IsPlaying(Track)) << "silent is not stopped";
    EXPECT_EQ(player.StartCount(Track), 1);
    EXPECT_EQ(channelEnds, 0);

    // Out of range is kept in range.
    player.SetVolumes(3.0f, -1.0f, 1.0f);
    EXPECT_EQ(player.ChannelVolume(Track), MIX_MAX_VOLUME);
    EXPECT_EQ(player.ChannelVolume(Effect), 0);
    EXPECT_EQ(player.ChannelVolume("never.mp3"), -1);
    player.Send("stop track03.mp3");
    player.Send("stop smallexplosion1.mp3");
    StopCounting();
}

TEST_F(MixerPlayerTest, PausedSoundsHoldWhereTheyAreAndGoOnTogether) {
    WriteFiles();
    sound::MixerPlayer player;
    OpenAndCount(player);
    WarmUpAndWait(player, {Track, Effect, Voice});
    player.Send("play track03.mp3 repeat");
    player.Send("play smallexplosion1.mp3");

    player.SetPaused(true);
    EXPECT_TRUE(player.IsHeld(Track));
    EXPECT_TRUE(player.IsHeld(Effect));
    // Held longer than the effect lasts: it does not end meanwhile.
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(player.IsPlaying(Effect));
    EXPECT_TRUE(player.IsPlaying(Track));
    EXPECT_EQ(channelEnds, 0);
    // A sound that starts while paused starts held.
    player.Send("play warningstructuralintegrity_ep.mp3");
    EXPECT_TRUE(player.IsPlaying(Voice));
    EXPECT_TRUE(player.IsHeld(Voice));

    player.SetPaused(false);
    EXPECT_FALSE(player.IsHeld(Track));
    EXPECT_FALSE(player.IsHeld(Voice));
    ASSERT_TRUE(Eventually([&] { return !player.IsPlaying(Effect); }))
        << "the effect plays on to its end";
    EXPECT_TRUE(player.IsPlaying(Track));
    EXPECT_EQ(player.StartCount(Track), 1) << "resumed, not started again";
    player.Send("stop track03.mp3");
    StopCounting();
}

TEST_F(MixerPlayerTest, ASoundDecodedWhilePausedStartsHeld) {
    WriteFiles();
    GatedPlayer player(false);
    OpenAndCount(player);
    WarmUpHeldAtTheGate(player, Track);
    player.Send("play track03.mp3 repeat");
    player.SetPaused(true);
    player.OpenGate();
    ASSERT_TRUE(Eventually([&] { return player.IsPlaying(Track); }));
    EXPECT_TRUE(player.IsHeld(Track));
    player.SetPaused(false);
    EXPECT_FALSE(player.IsHeld(Track));
    player.Send("stop track03.mp3");
    StopCounting();
}

} // namespace vantor::test
