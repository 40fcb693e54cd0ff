// The audio device failing and coming back while the game plays, through a player whose device
// the test takes away and gives back: the player says so once, keeps every command, never holds
// a call while it tries the device, and the music of the moment comes back from where it would
// be by then.
#include "MixerPlayerTest.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace vantor::test {

using namespace std::chrono_literals;

namespace {

// The real device on SDL's dummy driver, which the test can make fail (it reads as lost and
// cannot be opened) and return. Opening it while it is away takes a while, as a sound server
// that does not answer does.
class FailingDevicePlayer : public sound::MixerPlayer {
public:
    ~FailingDevicePlayer() override { Close(); }

    void SetAway(bool gone) { away = gone; }
    int Attempts() const { return attempts; }

protected:
    bool OpenDevice() override {
        ++attempts;
        if (away) {
            std::this_thread::sleep_for(SlowOpen);
            return false;
        }
        return sound::MixerPlayer::OpenDevice();
    }
    bool DeviceLost() override { return away || sound::MixerPlayer::DeviceLost(); }

private:
    static constexpr std::chrono::milliseconds SlowOpen{300};
    std::atomic<bool> away{false};
    std::atomic<int> attempts{0};
};

// The longest a call to the player took while the condition was not yet true, calling it over
// and over as frames would.
template <typename Call, typename Condition>
std::chrono::microseconds LongestCallUntil(Call call, Condition condition) {
    std::chrono::microseconds longest{0};
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!condition() && std::chrono::steady_clock::now() < deadline) {
        const auto started = std::chrono::steady_clock::now();
        call();
        longest = std::max(longest, std::chrono::duration_cast<std::chrono::microseconds>(
                                        std::chrono::steady_clock::now() - started));
        std::this_thread::sleep_for(5ms);
    }
    return longest;
}

} // namespace

TEST_F(MixerPlayerTest, ALostDeviceIsToldOnceAndTheMusicComesBackFromWhereItWouldBe) {
    FailingDevicePlayer player;
    OpenWithTones(
        player,
        {{"track02.mp3", 8.0, 440}, {"intro.mp3", 0.6, 330}, {"smallexplosion1.mp3", 0.3, 880}});
    player.Send("play track02.mp3 repeat");
    player.Send("play intro.mp3");
    std::this_thread::sleep_for(300ms);

    testing::internal::CaptureStderr();
    player.SetAway(true);
    ASSERT_TRUE(Eventually([&] { return !player.HasDevice(); }));
    // Without a device the game plays on: the music keeps its time, commands and volumes are
    // kept, an effect falls in the silence, nothing fails. (Music decoded whole, in a build
    // without libmpg123, stops with its device and waits for the next track.)
    constexpr bool MusicKeepsItsTime = VANTOR_STREAM_MUSIC;
    EXPECT_EQ(player.IsPlaying("track02.mp3"), MusicKeepsItsTime);
    EXPECT_EQ(player.IsLooping("track02.mp3"), MusicKeepsItsTime);
    player.Send("play smallexplosion1.mp3");
    EXPECT_FALSE(player.IsPlaying("smallexplosion1.mp3"));
    player.SetVolumes(0.5f, 1.0f, 1.0f);
    EXPECT_EQ(player.ChannelVolume("track02.mp3"), MIX_MAX_VOLUME / 2);
    const int playedAtTheLoss = player.PlayedMs("track02.mp3");
    std::this_thread::sleep_for(600ms);
    if (MusicKeepsItsTime) {
        EXPECT_NEAR(player.PlayedMs("track02.mp3") - playedAtTheLoss, 600, 250);
    }
    // The single play of 0.6 s has ended in the silence meanwhile.
    EXPECT_FALSE(player.IsPlaying("intro.mp3"));
    // The pause holds the music where it is, as with a device.
    player.SetPaused(true);
    const int heldAt = player.PlayedMs("track02.mp3");
    EXPECT_EQ(player.IsHeld("track02.mp3"), MusicKeepsItsTime);
    std::this_thread::sleep_for(400ms);
    EXPECT_NEAR(player.PlayedMs("track02.mp3"), heldAt, 20);
    player.SetPaused(false);

    const auto returned = std::chrono::steady_clock::now();
    const int playedAtTheReturn = player.PlayedMs("track02.mp3");
    player.SetAway(false);
    ASSERT_TRUE(Eventually([&] { return player.HasDevice(); }));
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - returned);
    const std::string told = testing::internal::GetCapturedStderr();

    // Said once when it went and once when it came back, whatever the attempts in between.
    EXPECT_GE(player.Attempts(), 2);
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 2) << told;
    EXPECT_NE(told.find("sound device stopped"), std::string::npos) << told;
    // The music sounds again on its channel, from where it would be: not from its start.
    EXPECT_EQ(player.IsPlaying("track02.mp3"), MusicKeepsItsTime);
    EXPECT_FALSE(player.IsHeld("track02.mp3"));
    if (MusicKeepsItsTime) {
        EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME / 2);
        EXPECT_NEAR(player.PlayedMs("track02.mp3"), playedAtTheReturn + waited.count(), 300);
    }
    EXPECT_FALSE(player.IsPlaying("intro.mp3"));
    EXPECT_EQ(player.StartCount("intro.mp3"), 1);
    // And everything works as before.
    player.Send("play smallexplosion1.mp3");
    EXPECT_TRUE(player.IsPlaying("smallexplosion1.mp3"));
    player.Send("stop track02.mp3");
    EXPECT_FALSE(player.IsPlaying("track02.mp3"));
    StopCounting();
}

TEST_F(MixerPlayerTest, ADeviceMissingAtTheStartIsTriedAgainWithoutHoldingAnyCall) {
    WriteTone({"track05.mp3", 2.0, 440});
    FailingDevicePlayer player;
    player.SetAway(true);
    testing::internal::CaptureStderr();
    // Without KeepTrying the player gives up at once, as before.
    EXPECT_FALSE(player.Open());
    EXPECT_FALSE(player.IsOpen());
    EXPECT_FALSE(player.Open(sound::MixerPlayer::Start::KeepTrying));
    EXPECT_TRUE(player.IsOpen());
    EXPECT_FALSE(player.HasDevice());
    const char* files[] = {"track05.mp3"};
    player.WarmUp(files, 1);
    // Nothing can be decoded for a device not there yet: the file waits, and so does its play.
    player.Send("play track05.mp3 repeat");
    EXPECT_EQ(player.StateOf("track05.mp3"), FileState::Decoding);

    // Each slow attempt runs on the player's thread: a frame's calls never wait for it.
    const auto longestWhileAway = LongestCallUntil(
        [&] {
            player.Send("play track05.mp3 repeat");
            player.SetVolumes(1.0f, 1.0f, 1.0f);
            (void)player.IsPlaying("track05.mp3");
        },
        [&] { return player.Attempts() >= 3; });
    EXPECT_GE(player.Attempts(), 3);
    EXPECT_LT(longestWhileAway, 50ms);

    player.SetAway(false);
    ASSERT_TRUE(Eventually([&] { return player.HasDevice(); }));
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.StateOf("track05.mp3"), FileState::Ready);
    EXPECT_TRUE(player.IsLooping("track05.mp3"));
    EXPECT_EQ(player.StartCount("track05.mp3"), 1);
    player.Close();
    // Nothing is said of a device that was never there, only of one that came.
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told.find("stopped"), std::string::npos) << told;
}

} // namespace vantor::test
