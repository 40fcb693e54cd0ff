// Music kept compressed and decoded as it plays: what the player holds for it, what comes out
// of the mixer, and a stream's end, its loop and its pause, against the same for a file kept
// decoded.
#include "MixerPlayerTest.h"

#include "support/ByteFile.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

namespace vantor::test {

using namespace std::chrono_literals;

namespace {

// What the mixer sends to the device, after every channel is mixed: a second of it at most,
// from the moment listening starts.
class Listener {
public:
    Listener() { Mix_SetPostMix(&Listener::Take, this); }
    ~Listener() { Mix_SetPostMix(nullptr, nullptr); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // The left channel's samples heard so far.
    std::vector<int16_t> Heard() {
        std::lock_guard lock(mutex);
        std::vector<int16_t> left;
        for (size_t i = 0; i + 1 < count; i += 2) {
            left.push_back(samples[i]);
        }
        return left;
    }

    void Clear() {
        std::lock_guard lock(mutex);
        count = 0;
    }

private:
    static void Take(void* self, Uint8* stream, int length) {
        auto* listener = static_cast<Listener*>(self);
        std::lock_guard lock(listener->mutex);
        const auto* in = reinterpret_cast<const int16_t*>(stream);
        for (int i = 0; i < length / 2 && listener->count < listener->samples.size(); ++i) {
            listener->samples[listener->count++] = in[i];
        }
    }

    std::mutex mutex;
    std::vector<int16_t> samples = std::vector<int16_t>(2 * 44100);
    size_t count = 0;
};

double Loudness(const std::vector<int16_t>& samples) {
    double sum = 0.0;
    for (int16_t sample : samples) {
        sum += double(sample) * double(sample);
    }
    return samples.empty() ? 0.0 : std::sqrt(sum / double(samples.size()));
}

// The tone's pitch from how often the samples cross zero upward.
double Frequency(const std::vector<int16_t>& samples) {
    int crossings = 0;
    for (size_t i = 1; i < samples.size(); ++i) {
        crossings += samples[i - 1] < 0 && samples[i] >= 0 ? 1 : 0;
    }
    return samples.empty() ? 0.0 : crossings * 44100.0 / double(samples.size());
}

// Waits until the listener has heard at least the samples of the left channel.
std::vector<int16_t> HearAtLeast(Listener& listener, size_t samples) {
    std::vector<int16_t> heard;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while ((heard = listener.Heard()).size() < samples &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(5ms);
    }
    return heard;
}

} // namespace

TEST_F(MixerPlayerTest, MusicIsKeptAsItsFileAndEffectsAsTheirSamples) {
    sound::MixerPlayer player;
    OpenWithTones(player, {{"track02.mp3", 4.0, 440}, {"smallexplosion1.mp3", 4.0, 440}});
    const size_t decoded = size_t(4.0 * 44100) * 4; // 16-bit stereo

#if VANTOR_STREAM_MUSIC
    EXPECT_EQ(player.HeldBytes("track02.mp3"), std::filesystem::file_size("track02.mp3"));
    EXPECT_LT(player.HeldBytes("track02.mp3"), decoded / 5);
#else
    // Built without libmpg123, the music is decoded whole, as the effects are.
    EXPECT_GE(player.HeldBytes("track02.mp3"), decoded);
#endif
    // The effect is kept decoded, as long as it lasts.
    EXPECT_GE(player.HeldBytes("smallexplosion1.mp3"), decoded);
    EXPECT_LT(player.HeldBytes("smallexplosion1.mp3"), decoded + decoded / 10);
    EXPECT_EQ(player.HeldBytes("never.mp3"), 0u);
    StopCounting();
}

TEST_F(MixerPlayerTest, StreamedMusicSoundsAsItsFileHolds) {
    sound::MixerPlayer player;
    OpenWithTones(player, {{"track03.mp3", 2.0, 440}, {"voice.mp3", 2.0, 440}});
    Listener listener;

    // The same tone, once streamed as music and once decoded whole as any other file.
    player.Send("play track03.mp3 repeat");
    std::this_thread::sleep_for(100ms);
    listener.Clear();
    const std::vector<int16_t> streamed = HearAtLeast(listener, 8192);
    player.Send("stop track03.mp3");
    player.Send("play voice.mp3");
    std::this_thread::sleep_for(100ms);
    listener.Clear();
    const std::vector<int16_t> decoded = HearAtLeast(listener, 8192);
    player.Send("stop voice.mp3");

    ASSERT_GE(streamed.size(), 8192u);
    ASSERT_GE(decoded.size(), 8192u);
    EXPECT_GT(Loudness(decoded), 1000.0);
    EXPECT_NEAR(Loudness(streamed), Loudness(decoded), Loudness(decoded) * 0.1);
    EXPECT_NEAR(Frequency(streamed), 440.0, 20.0);
    EXPECT_NEAR(Frequency(decoded), 440.0, 20.0);
    StopCounting();
}

TEST_F(MixerPlayerTest, StreamedMusicPlayedOnceLastsAsLongAsItsFileAndStartsAgain) {
    sound::MixerPlayer player;
    OpenWithTones(player, {{"intro.mp3", 0.4, 330}});

    for (int play = 1; play <= 2; ++play) {
        const auto started = std::chrono::steady_clock::now();
        player.Send("play intro.mp3");
        EXPECT_TRUE(player.IsPlaying("intro.mp3"));
        EXPECT_FALSE(player.IsLooping("intro.mp3"));
        EXPECT_EQ(player.StartCount("intro.mp3"), play);
        ASSERT_TRUE(Eventually([&] { return !player.IsPlaying("intro.mp3"); }));
        const auto lasted = std::chrono::steady_clock::now() - started;
        // Neither cut short nor left running: about the 0.4 s of the file.
        EXPECT_GT(lasted, 300ms) << "play " << play;
        EXPECT_LT(lasted, 1500ms) << "play " << play;
        EXPECT_EQ(channelEnds, play);
    }
    StopCounting();
}

TEST_F(MixerPlayerTest, AStreamedRepeatGoesOnPastItsEndAndHoldsWhilePaused) {
    sound::MixerPlayer player;
    OpenWithTones(player, {{"BossTrack.mp3", 0.2, 550}});
    Listener listener;

    player.Send("play BossTrack.mp3 repeat");
    // Well past the end of the file: the loop came round and still sounds.
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(player.IsLooping("BossTrack.mp3"));
    listener.Clear();
    const std::vector<int16_t> looping = HearAtLeast(listener, 8192);
    EXPECT_GT(Loudness(looping), 1000.0);
    EXPECT_EQ(channelEnds, 0);

    player.SetPaused(true);
    EXPECT_TRUE(player.IsHeld("BossTrack.mp3"));
    std::this_thread::sleep_for(100ms);
    listener.Clear();
    const std::vector<int16_t> held = HearAtLeast(listener, 4096);
    EXPECT_LT(Loudness(held), 10.0) << "silent while paused";
    player.SetPaused(false);
    std::this_thread::sleep_for(100ms);
    listener.Clear();
    EXPECT_GT(Loudness(HearAtLeast(listener, 4096)), 1000.0) << "on again";

    player.Send("stop BossTrack.mp3");
    EXPECT_FALSE(player.IsPlaying("BossTrack.mp3"));
    EXPECT_EQ(channelEnds, 1);
    StopCounting();
}

} // namespace vantor::test
