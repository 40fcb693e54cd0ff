// Decoding on call, for a program without threads (the web build): nothing is decoded until
// DecodeNext asks, one file a call, and every command means what it means with the thread.
#include "MixerPlayerTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

namespace {
constexpr auto OnCall = sound::MixerPlayer::Decoding::OnCall;
}

TEST_F(MixerPlayerTest, OnCallNothingIsDecodedUntilAsked) {
    GatedPlayer player(true, OnCall);
    OpenAndCount(player, {{"a.wav", 0.5, 440}, {"b.wav", 0.5, 660}});
    const char* files[] = {"a.wav", "b.wav"};
    player.WarmUp(files, 2);
    player.Send("play a.wav");

    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(player.Decoded().empty());
    EXPECT_EQ(player.PendingCount(), 2);
    EXPECT_EQ(player.StateOf("a.wav"), FileState::Decoding);
    EXPECT_FALSE(player.IsPlaying("a.wav"));
    // Waiting cannot help: only DecodeNext decodes.
    EXPECT_FALSE(player.WaitForDecoding(std::chrono::milliseconds(10)));

    EXPECT_TRUE(player.DecodeNext());
    EXPECT_EQ(player.Decoded(), std::vector<std::string>{"a.wav"});
    EXPECT_EQ(player.PendingCount(), 1);
    EXPECT_TRUE(player.IsPlaying("a.wav"));
    EXPECT_EQ(player.StateOf("b.wav"), FileState::Decoding);

    EXPECT_TRUE(player.DecodeNext());
    EXPECT_FALSE(player.DecodeNext());
    EXPECT_EQ(player.PendingCount(), 0);
    EXPECT_TRUE(player.WaitForDecoding(std::chrono::milliseconds(10)));
    EXPECT_EQ(player.StateOf("b.wav"), FileState::Ready);
    EXPECT_FALSE(player.IsPlaying("b.wav"));
    StopCounting();
}

TEST_F(MixerPlayerTest, OnCallAFileWaitedForGoesFirstAndLoopsAsAsked) {
    GatedPlayer player(true, OnCall);
    OpenAndCount(player, {{"a.wav", 0.5, 440}, {"b.wav", 0.5, 550}, {"c.wav", 0.5, 660}});
    const char* files[] = {"a.wav", "b.wav", "c.wav"};
    player.WarmUp(files, 3);
    player.Send("play c.wav repeat");
    player.Send("play extra.wav");
    WriteTone({"extra.wav", 0.5, 330});

    while (player.DecodeNext()) {
    }
    const std::vector<std::string> order = {"c.wav", "extra.wav", "a.wav", "b.wav"};
    EXPECT_EQ(player.Decoded(), order);
    EXPECT_TRUE(player.IsLooping("c.wav"));
    EXPECT_TRUE(player.IsPlaying("extra.wav"));
    EXPECT_FALSE(player.IsLooping("extra.wav"));
    EXPECT_EQ(player.StartCount("c.wav"), 1);
    StopCounting();
}

TEST_F(MixerPlayerTest, OnCallAStopBeforeTheDecodeCancelsThePlay) {
    GatedPlayer player(true, OnCall);
    OpenAndCount(player, {{"intro.mp3", 0.5, 440}});
    player.Send("play intro.mp3");
    player.Send("stop intro.mp3");

    EXPECT_TRUE(player.DecodeNext());
    ExpectThePlayCancelledAndTheFileWorking(player, "intro.mp3");
    StopCounting();
}

TEST_F(MixerPlayerTest, OnCallAFailedFileIsDecodedOnce) {
    GatedPlayer player(true, OnCall);
    OpenAndCount(player);
    player.Send("play missing.mp3");
    EXPECT_TRUE(player.DecodeNext());
    EXPECT_EQ(player.StateOf("missing.mp3"), FileState::Failed);
    player.Send("play missing.mp3");
    EXPECT_FALSE(player.DecodeNext());
    EXPECT_EQ(player.Decoded().size(), 1u);
    StopCounting();
}

TEST_F(MixerPlayerTest, DecodeNextDoesNothingWithAThreadOrWhenClosed) {
    {
        GatedPlayer player(false);
        ASSERT_NO_FATAL_FAILURE(OpenHeldAtTheGate(player, {"a.wav", 0.5, 440}));
        // The thread holds the file at its gate; DecodeNext must not decode it too.
        EXPECT_FALSE(player.DecodeNext());
        EXPECT_EQ(player.Decoded().size(), 1u);
        player.OpenGate();
        ASSERT_TRUE(player.WaitForDecoding(Patience));
        StopCounting();
    }
    GatedPlayer closed(true, OnCall);
    closed.WarmUp(std::vector<const char*>{"a.wav"}.data(), 1);
    closed.Send("play a.wav");
    EXPECT_FALSE(closed.DecodeNext());
    EXPECT_TRUE(closed.Decoded().empty());
}

} // namespace vantor::test
