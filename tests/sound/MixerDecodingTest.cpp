// Decoding in the background: what a command does while its file is still being decoded, the
// order files are decoded in, and the table of files the player keeps.
#include "MixerPlayerTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

TEST_F(MixerPlayerTest, AFailedFileIsDecodedOnlyOnce) {
    GatedPlayer player(true);
    OpenAndCount(player);
    for (int frame = 0; frame < 50; ++frame) {
        player.Send("play longrangescanplanetcomplete_clean.mp3");
    }
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.StateOf("longrangescanplanetcomplete_clean.mp3"), FileState::Failed);

    // The file turning up later does not bring it back: the failure is remembered.
    WriteTone({"longrangescanplanetcomplete_clean.mp3", 0.2, 440});
    for (int frame = 0; frame < 50; ++frame) {
        player.Send("play longrangescanplanetcomplete_clean.mp3");
    }
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.Decoded().size(), 1u);
    EXPECT_FALSE(player.IsPlaying("longrangescanplanetcomplete_clean.mp3"));
    StopCounting();
}

TEST_F(MixerPlayerTest, APlayWhileTheFileIsDecodingStartsWhenItIsReady) {
    GatedPlayer player(false);
    ASSERT_NO_FATAL_FAILURE(OpenHeldAtTheGate(player, {"track01.mp3", 1.0, 440}));

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
    GatedPlayer player(false);
    ASSERT_NO_FATAL_FAILURE(OpenHeldAtTheGate(player, {"intro.mp3", 1.0, 440}));

    player.Send("play intro.mp3");
    player.Send("stop intro.mp3");
    player.OpenGate();
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    ExpectThePlayCancelledAndTheFileWorking(player, "intro.mp3");
    StopCounting();
}

TEST_F(MixerPlayerTest, AFileOutsideTheWarmUpIsDecodedInTheBackgroundOnItsFirstPlay) {
    GatedPlayer player(false);
    OpenAndCount(player, {{"extra.wav", 1.0, 440}});

    player.Send("play extra.wav");
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1, Patience));
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
        WriteTone({file, 0.5, 440});
    }
    GatedPlayer player(false);
    OpenAndCount(player);
    const char* files[] = {"a.wav", "b.wav", "c.wav", "d.wav"};
    player.WarmUp(files, 4);
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1, Patience));

    player.Send("play d.wav");
    player.OpenGate();
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    const std::vector<std::string> order = {"a.wav", "d.wav", "b.wav", "c.wav"};
    EXPECT_EQ(player.Decoded(), order);
    EXPECT_TRUE(player.IsPlaying("d.wav"));
    StopCounting();
}

TEST_F(MixerPlayerTest, WarmUpSkipsNullAndInvalidNamesAndDuplicates) {
    GatedPlayer player(true);
    OpenAndCount(player, {{"a.wav", 0.1, 440}});
    const std::string tooLong(sound::MediaCommand::MaxFileNameLength + 1, 'a');
    const char* files[] = {"a.wav", nullptr, "", "two words", tooLong.c_str(), "a.wav"};
    player.WarmUp(files, 6);
    player.WarmUp(nullptr, 3);
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    EXPECT_EQ(player.Decoded(), std::vector<std::string>{"a.wav"});
    EXPECT_EQ(player.StateOf("a.wav"), FileState::Ready);
    StopCounting();
}

TEST_F(MixerPlayerTest, AFullTableMakesRoomFromFilesThatFailed) {
    WriteTone({"late.wav", 1.0, 440});
    sound::MixerPlayer player;
    OpenWithTones(player, {{"kept.wav", 1.0, 440}});

    for (int i = 0; i < 3 * sound::MixerPlayer::MaxFiles; ++i) {
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

} // namespace vantor::test
