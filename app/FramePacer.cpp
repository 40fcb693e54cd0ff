#include "app/FramePacer.h"

namespace vantor::app {

FramePacer::FramePacer(uint64_t ticksPerSecond) : ticksPerSecond(ticksPerSecond) {}

uint64_t FramePacer::FrameTime(uint64_t n) const {
    // Whole seconds and the rest apart, so that neither overflows in a long run.
    return origin + n / FramesPerSecond * ticksPerSecond +
           n % FramesPerSecond * ticksPerSecond / FramesPerSecond;
}

void FramePacer::Start(uint64_t now) {
    origin = now;
    frame = 0;
    next = now;
}

int FramePacer::MillisecondsToNext(uint64_t now) const {
    return now >= next ? 0 : static_cast<int>((next - now) * 1000 / ticksPerSecond);
}

FramePacer::Advice FramePacer::Ran(uint64_t started, bool vsync) {
    // How many of the last second's frames came more than one and a half periods after the
    // frame before them.
    const std::size_t slot = framesRun % FramesPerSecond;
    const bool held =
        framesRun > 0 && started - starts[(framesRun - 1) % FramesPerSecond] > Period() * 3 / 2;
    heldFrames += (held ? 1 : 0) - (framesRun >= FramesPerSecond && wasHeld[slot] ? 1 : 0);
    wasHeld[slot] = held;
    starts[slot] = started;
    ++framesRun;

    const uint64_t due = next;
    ++frame;
    next = FrameTime(frame);
    if (started < due + Period()) {
        return Advice::Keep;
    }
    // A whole frame behind. With vsync, it is the display's pace when no frame was held up
    // (slightly slower than sixty) or many were (much slower); a few held frames are a stall.
    if (vsync) {
        if (heldFrames == 0 || heldFrames >= FramesPerSecond / 6) {
            return Advice::TurnVsyncOff; // and the next frames make up for it
        }
    } else if (started < due + CatchUpLimit * Period()) {
        return Advice::Keep;
    }
    Start(started);
    frame = 1;
    next = FrameTime(frame);
    return Advice::Keep;
}

bool FramePacer::VsyncKeepsPace(int refreshRate) {
    return refreshRate == 0 || refreshRate >= FramesPerSecond;
}

} // namespace vantor::app
