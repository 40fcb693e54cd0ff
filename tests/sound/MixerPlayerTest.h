#pragma once

#include "GatedPlayer.h"

#include "sound/MixerPlayer.h"
#include "support/TempDirectory.h"
#include "support/WorkingDirectory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace vantor::test {

// The sound player's tests: every test runs in a fresh directory of its own, where it writes
// the sound files it plays, on SDL's dummy audio driver.
class MixerPlayerTest : public testing::Test {
protected:
    using FileState = sound::MixerPlayer::FileState;

    static constexpr std::chrono::milliseconds Patience{5000};

    void SetUp() override;

    // Whether the condition comes true within the time given, looking every 2 ms.
    template <typename Condition>
    static bool Eventually(Condition condition, std::chrono::milliseconds timeout = Patience) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

    // A sine tone for a test to play, in a file of the test's directory: WAV or MP3, as the
    // file's name ends.
    struct Tone {
        const char* file;
        double seconds;
        double frequency;
    };
    static void WriteTone(const Tone& tone);

    // Opens the player and counts channel ends from now on.
    static void OpenAndCount(sound::MixerPlayer& player);
    // Writes the tones first.
    static void OpenAndCount(sound::MixerPlayer& player, const std::vector<Tone>& tones);
    // Writes the tones, opens the player counting channel ends and warms the tones' files up,
    // waiting until each is ready.
    static void OpenWithTones(sound::MixerPlayer& player, const std::vector<Tone>& tones);
    // Stops the counting before the player closes (closing halts every channel).
    static void StopCounting();
    static void WarmUpAndWait(sound::MixerPlayer& player, std::vector<const char*> files);
    // Opens the player (without counting) and plays the file, warmed up first: the player works.
    static void OpensAndPlays(sound::MixerPlayer& player, const char* file);
    // Gives the gated player the one file to warm up and waits until its decoding has started
    // and is held at the gate.
    static void WarmUpHeldAtTheGate(GatedPlayer& player, const char* file);
    // Writes the tone, opens the gated player counting channel ends and warms the tone's file
    // up, held at the gate.
    static void OpenHeldAtTheGate(GatedPlayer& player, const Tone& tone);
    // For a file played and stopped again before its decoding ended, once the decoding is done:
    // the file is ready, the play was cancelled (nothing started) and a play now starts it, as
    // it would have had the play come after the stop while still decoding.
    static void ExpectThePlayCancelledAndTheFileWorking(sound::MixerPlayer& player,
                                                        const char* file);

    // SDL_mixer reports every end of a channel's sound, whether it ran out, was halted or was
    // cut off by a restart. Counting them shows independently of the player's own bookkeeping
    // that a sound was not restarted.
    static inline std::atomic<int> channelEnds{0};
    static void CountChannelEnd(int channel);

    TempDirectory directory;
    WorkingDirectory inDirectory{directory.Path()};
};

} // namespace vantor::test
