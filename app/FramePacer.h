#pragma once

#include <array>
#include <cstdint>

namespace vantor::app {

// Keeps the game at exactly sixty frames a second on any display. Frames are due on a fixed
// clock (the n-th frame n / 60 s after the clock's start), not a period after the previous
// one, so a late frame is made up by the next ones.
//
// Presenting may wait for the display's refresh (vsync), which keeps the picture whole. On a
// display of at least 60 Hz that wait never slows the game; on a slower one it would, so the
// pacer says when to turn vsync off: when the frames fall a whole frame behind and it is the
// display's pace (in the last second no frame was held up, or many were), not a one-off stall.
// After a stall (a dragged window, a stopped process) the clock starts afresh instead: with vsync
// on at 60 Hz a lost frame can never be made up.
class FramePacer {
public:
    static constexpr int FramesPerSecond = 60;
    // Without vsync, frames behind by more than this are not made up; the clock starts afresh.
    static constexpr int CatchUpLimit = 15;

    enum class Advice { Keep, TurnVsyncOff };

    // The clock's ticks per second (SDL's performance counter frequency).
    explicit FramePacer(uint64_t ticksPerSecond);

    // The clock starts: the first frame is due now.
    void Start(uint64_t now);
    bool Due(uint64_t now) const { return now >= next; }
    // How long until the next frame is due, in whole milliseconds (0 when it is due).
    int MillisecondsToNext(uint64_t now) const;
    // A frame that started at the given time has run, presented with or without vsync.
    Advice Ran(uint64_t started, bool vsync);
    // Whether a display of this refresh rate (0 when unknown) keeps sixty frames a second with
    // vsync on.
    static bool VsyncKeepsPace(int refreshRate);

    uint64_t framesRun = 0;

private:
    uint64_t FrameTime(uint64_t n) const;
    uint64_t Period() const { return ticksPerSecond / FramesPerSecond; }

    uint64_t ticksPerSecond;
    uint64_t origin = 0;
    uint64_t frame = 0; // frames since the clock's origin
    uint64_t next = 0;  // when that frame is due
    // The last second of frames: when each started, and whether it came more than one and a
    // half periods after the one before it (held up); how many were.
    std::array<uint64_t, FramesPerSecond> starts{};
    std::array<bool, FramesPerSecond> wasHeld{};
    int heldFrames = 0;
};

} // namespace vantor::app
