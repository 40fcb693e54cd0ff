#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace vantor::test {

namespace {

constexpr uint64_t Second = 1'000'000'000; // the clock counts nanoseconds here
constexpr uint64_t Millisecond = Second / 1000;

// The frame loop on a display of the given refresh rate: each frame takes `work` of the
// processor, then presents; with vsync on, presenting waits for the display's next refresh.
// The loop turns vsync off when the pacer says so. Returns the frames run in `seconds`
// seconds after the first two.
struct Played {
    uint64_t frames = 0;
    bool vsyncAtEnd = false;
};

Played Play(double refreshRate, bool vsync, double seconds, uint64_t work = 2 * Millisecond,
            uint64_t stallAt = 0, uint64_t stall = 0) {
    app::FramePacer pacer(Second);
    uint64_t now = 123'456;
    pacer.Start(now);
    const uint64_t from = now + 2 * Second;
    const uint64_t until = from + static_cast<uint64_t>(seconds * Second);
    uint64_t framesAtFrom = 0;
    bool counting = false;
    bool stalled = false;
    while (now < until) {
        if (!pacer.Due(now)) {
            now += std::max<uint64_t>(pacer.MillisecondsToNext(now) * Millisecond, 100'000);
            continue;
        }
        if (!counting && now >= from) {
            counting = true;
            framesAtFrom = pacer.framesRun;
        }
        const uint64_t started = now;
        now += work;
        if (stall != 0 && !stalled && now >= stallAt) {
            stalled = true;
            now += stall;
        }
        if (vsync) {
            // The next refresh, a little out of step with the game's clock.
            const double refreshes = std::ceil((double(now) / Second - 0.0003) * refreshRate);
            now = static_cast<uint64_t>((refreshes / refreshRate + 0.0003) * Second);
        }
        if (pacer.Ran(started, vsync) == app::FramePacer::Advice::TurnVsyncOff) {
            vsync = false;
        }
    }
    return {pacer.framesRun - framesAtFrom, vsync};
}

TEST(FramePacer, SixtyFramesASecondOnEveryDisplayWithVsyncTurnedOffOnlyWhereItSlows) {
    struct Display {
        double rate;
        bool keepsVsync;
    };
    for (const Display display :
         {Display{30, false}, Display{50, false}, Display{59.94, false}, Display{60, true},
          Display{75, true}, Display{120, true}, Display{144, true}}) {
        SCOPED_TRACE(display.rate);
        // Whether the display's rate is known at the start or not, the pace is the same.
        for (bool rateKnown : {false, true}) {
            const bool vsync = !rateKnown || app::FramePacer::VsyncKeepsPace(int(display.rate));
            // Long enough for a display a thousandth slower than sixty to fall a frame behind.
            const Played run = Play(display.rate, vsync, 30);
            EXPECT_NEAR(double(run.frames), 1800.0, 1.0);
            EXPECT_EQ(run.vsyncAtEnd, display.keepsVsync);
        }
    }
}

TEST(FramePacer, WithoutVsyncAShortStallIsMadeUp) {
    EXPECT_NEAR(double(Play(0, false, 10, 2 * Millisecond, 5 * Second, 120 * Millisecond).frames),
                600.0, 1.0);
}

TEST(FramePacer, ALongStallStartsTheClockAfreshInsteadOfRushing) {
    // Two seconds stopped: the game goes on from there, without two seconds of frames at once.
    const Played run = Play(0, false, 10, 2 * Millisecond, 5 * Second, 2 * Second);
    EXPECT_NEAR(double(run.frames), 8 * 60.0, 2.0);
}

TEST(FramePacer, WithVsyncAStallIsNotMistakenForASlowDisplay) {
    const Played run = Play(60, true, 10, 2 * Millisecond, 5 * Second, 70 * Millisecond);
    EXPECT_TRUE(run.vsyncAtEnd);
    EXPECT_NEAR(double(run.frames), 600.0, 6.0);
}

TEST(FramePacer, FramesTooSlowForSixtyASecondRunBackToBack) {
    // 25 ms of work a frame: the game cannot keep up, and every frame runs as soon as it can.
    const Played run = Play(0, false, 10, 25 * Millisecond);
    EXPECT_NEAR(double(run.frames), 400.0, 2.0);
}

TEST(FramePacer, TheWaitUntilTheNextFrameIsInWholeMilliseconds) {
    app::FramePacer pacer(Second);
    pacer.Start(0);
    EXPECT_TRUE(pacer.Due(0));
    EXPECT_EQ(pacer.Ran(0, false), app::FramePacer::Advice::Keep);
    EXPECT_FALSE(pacer.Due(16 * Millisecond));
    EXPECT_EQ(pacer.MillisecondsToNext(0), 16);
    EXPECT_EQ(pacer.MillisecondsToNext(10 * Millisecond), 6);
    EXPECT_TRUE(pacer.Due(16'666'667));
    EXPECT_EQ(pacer.MillisecondsToNext(20 * Millisecond), 0);
}

TEST(FramePacer, OnlyDisplaysOfSixtyHertzOrMoreKeepVsync) {
    EXPECT_FALSE(app::FramePacer::VsyncKeepsPace(30));
    EXPECT_FALSE(app::FramePacer::VsyncKeepsPace(59));
    EXPECT_TRUE(app::FramePacer::VsyncKeepsPace(60));
    EXPECT_TRUE(app::FramePacer::VsyncKeepsPace(144));
    EXPECT_TRUE(app::FramePacer::VsyncKeepsPace(0)) << "unknown: the pacer finds out";
}

} // namespace

} // namespace vantor::test
