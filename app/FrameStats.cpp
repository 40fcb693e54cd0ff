#include "app/FrameStats.h"

#include <algorithm>
#include <ctime>

namespace vantor::app {

double FrameStats::ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

void FrameStats::Add(Uint64 start, Uint64 end, double cpuMilliseconds) {
    work.Add(Milliseconds(end - start));
    cpu.Add(cpuMilliseconds);
    if (lastStart != 0) {
        gap.Add(Milliseconds(start - lastStart));
    } else {
        firstStart = start;
    }
    lastStart = start;
}

void FrameStats::Write(const char* path) const {
    if (FILE* file = std::fopen(path, "wb")) {
        work.Write(file, "frame");
        cpu.Write(file, "frame_cpu");
        gap.Write(file, "start_to_start");
        // Frames a second from the first frame's start to the last one's.
        const double seconds = Milliseconds(lastStart - firstStart) / 1000.0;
        std::fprintf(file, "frames_per_second %.3f\n",
                     work.total > 1 && seconds > 0 ? double(work.total - 1) / seconds : 0.0);
        std::fclose(file);
    }
}

double FrameStats::Milliseconds(Uint64 ticks) {
    return double(ticks) * 1000.0 / double(SDL_GetPerformanceFrequency());
}

} // namespace vantor::app
