#pragma once

#include <SDL.h>

#include <algorithm>
#include <cstdio>

namespace vantor::app {

// With VANTOR_FRAME_STATS=path set, every frame's duration (update, drawing and present), the
// processor time the frame loop's thread spent on it, and the time from one frame's start to
// the next are counted in histograms of 0.1 ms steps, and a summary is written to the path at
// exit. Nothing is allocated per frame.
class FrameStats {
public:
    // Processor time of the calling thread so far.
    static double ThreadMilliseconds();

    // One frame that started and ended at the performance counter's values given and took
    // the frame loop's thread the processor time given.
    void Add(Uint64 start, Uint64 end, double cpuMilliseconds);

    // The summary: count, longest, 99th percentile and mean of each histogram, and the frames a
    // second over the whole run.
    void Write(const char* path) const;

private:
    static double Milliseconds(Uint64 ticks);

    struct Histogram {
        static constexpr int Steps = 2000; // 0.1 ms each; the last holds everything longer

        void Add(double ms) {
            counts[std::clamp(int(ms * 10.0), 0, Steps - 1)] += 1;
            ++total;
            sum += ms;
            if (ms > longest) {
                longest = ms;
                longestAt = total;
            }
        }

        // The duration that 99% of the entries do not exceed, to the step.
        double P99() const {
            if (total == 0) {
                return 0.0;
            }
            long long seen = 0;
            for (int step = 0; step < Steps; ++step) {
                seen += counts[step];
                if (seen * 100 >= total * 99) {
                    // The last step has no upper end: what it holds is up to the longest.
                    return step == Steps - 1 ? longest : (step + 1) / 10.0;
                }
            }
            return longest;
        }

        void Write(FILE* file, const char* name) const {
            std::fprintf(file,
                         "%s_count %lld\n%s_max_ms %.3f\n%s_max_at %lld\n%s_p99_ms %.1f\n"
                         "%s_mean_ms %.3f\n",
                         name, total, name, longest, name, longestAt, name, P99(), name,
                         total > 0 ? sum / double(total) : 0.0);
        }

        long long counts[Steps] = {};
        long long total = 0;
        double sum = 0.0;
        double longest = 0.0;
        long long longestAt = 0; // which entry, counted from 1
    };

    Histogram work;
    Histogram cpu;
    Histogram gap;
    Uint64 firstStart = 0;
    Uint64 lastStart = 0;
};

} // namespace vantor::app
