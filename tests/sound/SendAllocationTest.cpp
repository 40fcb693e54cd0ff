// The game sends sound commands every frame, so sending must allocate nothing on the game's
// thread.
#include "ToneFiles.h"

#include "sound/MixerPlayer.h"
#include "support/AllocationCounter.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"
#include "support/WorkingDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace vantor::test {

namespace {

TEST(SendAllocationTest, SendingCommandsAllocatesNothing) {
    if (!AllocationCounter::Counts()) {
        GTEST_SKIP() << "operator new cannot be replaced in this build";
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const TempDirectory directory;
    const WorkingDirectory inDirectory(directory.Path());
    ByteFile::Write("GameOver.mp3", ToneFiles::Mp3Tone(2.0, 440));
    ByteFile::Write("track01.wav", ToneFiles::WavTone(1.0, 440));
    sound::MixerPlayer player;
    ASSERT_TRUE(player.Open());
    const char* files[] = {"GameOver.mp3", "track01.wav", "missing.mp3"};
    player.WarmUp(files, 3);
    ASSERT_TRUE(player.WaitForDecoding(std::chrono::seconds(5)));

    const size_t before = AllocationCounter::ThreadCount();
    for (int frame = 0; frame < 100; ++frame) {
        player.Send("stop track01.wav");
        player.Send("stop track07.mp3");
        player.Send("play GameOver.mp3");
        player.Send("play missing.mp3");
        player.Send("play  track01.wav repeat");
        player.Send("stop track01.wav");
        player.Send("pause everything");
    }
    const size_t allocations = AllocationCounter::ThreadCount() - before;
    EXPECT_EQ(allocations, 0u);
    EXPECT_TRUE(player.IsPlaying("GameOver.mp3"));
}

} // namespace

} // namespace vantor::test
