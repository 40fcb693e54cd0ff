#include "MixerPlayerTest.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

void MixerPlayerTest::SetUp() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    channelEnds = 0;
}

void MixerPlayerTest::CountChannelEnd(int) {
    ++channelEnds;
}

void MixerPlayerTest::OpenAndCount(MixerPlayer& player) {
    ASSERT_TRUE(player.Open()) << SDL_GetError();
    Mix_ChannelFinished(CountChannelEnd);
}

void MixerPlayerTest::StopCounting() {
    Mix_ChannelFinished(nullptr);
}

void MixerPlayerTest::WarmUpAndWait(MixerPlayer& player, std::vector<const char*> files) {
    player.WarmUp(files.data(), static_cast<int>(files.size()));
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    for (const char* file : files) {
        ASSERT_EQ(player.StateOf(file), FileState::Ready) << file;
    }
}

void MixerPlayerTest::WarmUpHeldAtTheGate(GatedPlayer& player, const char* file) {
    const char* files[] = {file};
    player.WarmUp(files, 1);
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1, Patience));
}
