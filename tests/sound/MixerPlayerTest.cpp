#include "MixerPlayerTest.h"
#include "ToneFiles.h"

#include "support/ByteFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace vantor::test {

void MixerPlayerTest::SetUp() {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    channelEnds = 0;
}

void MixerPlayerTest::CountChannelEnd(int) {
    ++channelEnds;
}

void MixerPlayerTest::WriteTone(const Tone& tone) {
    const bool mp3 = std::string_view(tone.file).ends_with(".mp3");
    ByteFile::Write(tone.file, mp3 ? ToneFiles::Mp3Tone(tone.seconds, tone.frequency)
                                   : ToneFiles::WavTone(tone.seconds, tone.frequency));
}

void MixerPlayerTest::OpenAndCount(sound::MixerPlayer& player) {
    ASSERT_TRUE(player.Open()) << SDL_GetError();
    Mix_ChannelFinished(CountChannelEnd);
}

void MixerPlayerTest::StopCounting() {
    Mix_ChannelFinished(nullptr);
}

void MixerPlayerTest::WarmUpAndWait(sound::MixerPlayer& player, std::vector<const char*> files) {
    player.WarmUp(files.data(), static_cast<int>(files.size()));
    ASSERT_TRUE(player.WaitForDecoding(Patience));
    for (const char* file : files) {
        ASSERT_EQ(player.StateOf(file), FileState::Ready) << file;
    }
}

void MixerPlayerTest::OpensAndPlays(sound::MixerPlayer& player, const char* file) {
    ASSERT_TRUE(player.Open()) << SDL_GetError();
    WarmUpAndWait(player, {file});
    player.Send((std::string("play ") + file).c_str());
    EXPECT_TRUE(player.IsPlaying(file));
}

void MixerPlayerTest::WarmUpHeldAtTheGate(GatedPlayer& player, const char* file) {
    const char* files[] = {file};
    player.WarmUp(files, 1);
    ASSERT_TRUE(player.WaitUntilDecodeStarted(1, Patience));
}

void MixerPlayerTest::OpenAndCount(sound::MixerPlayer& player, const std::vector<Tone>& tones) {
    for (const Tone& tone : tones) {
        WriteTone(tone);
    }
    OpenAndCount(player);
}

void MixerPlayerTest::OpenWithTones(sound::MixerPlayer& player, const std::vector<Tone>& tones) {
    OpenAndCount(player, tones);
    std::vector<const char*> files;
    for (const Tone& tone : tones) {
        files.push_back(tone.file);
    }
    WarmUpAndWait(player, files);
}

void MixerPlayerTest::OpenHeldAtTheGate(GatedPlayer& player, const Tone& tone) {
    OpenAndCount(player, {tone});
    WarmUpHeldAtTheGate(player, tone.file);
}

void MixerPlayerTest::ExpectThePlayCancelledAndTheFileWorking(sound::MixerPlayer& player,
                                                              const char* file) {
    EXPECT_EQ(player.StateOf(file), FileState::Ready) << file;
    EXPECT_FALSE(player.IsPlaying(file)) << file;
    EXPECT_EQ(player.StartCount(file), 0) << file;
    player.Send((std::string("play ") + file).c_str());
    EXPECT_TRUE(player.IsPlaying(file)) << file;
}

} // namespace vantor::test
