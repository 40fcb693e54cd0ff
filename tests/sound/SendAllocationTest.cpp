#include "sound/MixerPlayer.h"

#include "ToneFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <new>

// Counts the allocations made through operator new on a thread while counting is switched on
// for it. The game sends sound commands every frame, so sending must allocate nothing.
namespace {

thread_local bool counting = false;
thread_local int allocations = 0;

} // namespace

// The thread sanitizer brings its own operator new, which cannot be replaced; the count is then
// not taken and the test is skipped.
#if defined(__SANITIZE_THREAD__)
#define VANTOR_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VANTOR_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef VANTOR_COUNT_ALLOCATIONS
#define VANTOR_COUNT_ALLOCATIONS 1
#endif

#if VANTOR_COUNT_ALLOCATIONS
namespace {

void* Allocate(std::size_t size) {
    if (counting) {
        ++allocations;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
#endif

namespace {

TEST(SendAllocationTest, SendingCommandsAllocatesNothing) {
    if (!VANTOR_COUNT_ALLOCATIONS) {
        GTEST_SKIP() << "operator new cannot be replaced in this build";
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::filesystem::path previous = std::filesystem::current_path();
    char pattern[] = "/tmp/vantor-sound-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::filesystem::current_path(pattern);
    ToneFiles::Write("GameOver.mp3", ToneFiles::Mp3Tone(2.0, 440));
    ToneFiles::Write("track01.wav", ToneFiles::WavTone(1.0, 440));
    {
        MixerPlayer player;
        ASSERT_TRUE(player.Open());
        const char* files[] = {"GameOver.mp3", "track01.wav", "missing.mp3"};
        player.WarmUp(files, 3);
        ASSERT_TRUE(player.WaitForDecoding(std::chrono::seconds(5)));

        counting = true;
        allocations = 0;
        for (int frame = 0; frame < 100; ++frame) {
            player.Send("stop track01.wav");
            player.Send("stop track07.mp3");
            player.Send("play GameOver.mp3");
            player.Send("play missing.mp3");
            player.Send("play  track01.wav repeat");
            player.Send("stop track01.wav");
            player.Send("pause everything");
        }
        counting = false;
        EXPECT_EQ(allocations, 0);
        EXPECT_TRUE(player.IsPlaying("GameOver.mp3"));
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(pattern);
}

} // namespace
