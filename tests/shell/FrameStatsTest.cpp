#include "app/FrameStats.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <fstream>
#include <map>
#include <string>

namespace vantor::test {

namespace {

// The summary the statistics write, read back as its keys and values.
std::map<std::string, double> WrittenSummary(const app::FrameStats& stats) {
    const TempDirectory folder;
    const std::string path = folder.File("frame-stats.txt");
    stats.Write(path.c_str());
    std::map<std::string, double> values;
    std::ifstream file(path);
    std::string key;
    double value = 0.0;
    while (file >> key >> value) {
        values[key] = value;
    }
    return values;
}

// The summary the measuring script reads: a hundred frames, one of them slow, give the count,
// the longest frame, a 99th percentile that leaves the one slow frame out, and the mean; the
// time from start to start counts the gaps between frames, one fewer than the frames.
TEST(FrameStatsTest, SummaryCountsLongestPercentileAndMean) {
    const double frequency = double(SDL_GetPerformanceFrequency());
    auto ticks = [frequency](double milliseconds) {
        return Uint64(milliseconds * frequency / 1000.0);
    };
    app::FrameStats stats;
    Uint64 start = ticks(1000.0);
    for (int frame = 0; frame < 100; ++frame) {
        const double took = frame == 50 ? 25.0 : 2.05;
        stats.Add(start, start + ticks(took), took / 2.0);
        start += ticks(16.0);
    }
    const auto summary = WrittenSummary(stats);

    EXPECT_EQ(summary.at("frame_count"), 100);
    EXPECT_NEAR(summary.at("frame_max_ms"), 25.0, 0.01);
    EXPECT_EQ(summary.at("frame_max_at"), 51); // the 51st frame
    EXPECT_NEAR(summary.at("frame_p99_ms"), 2.1, 0.001);
    EXPECT_NEAR(summary.at("frame_mean_ms"), (99 * 2.05 + 25.0) / 100, 0.01);
    EXPECT_NEAR(summary.at("frame_cpu_max_ms"), 12.5, 0.01);
    EXPECT_EQ(summary.at("start_to_start_count"), 99);
    EXPECT_NEAR(summary.at("start_to_start_max_ms"), 16.0, 0.01);
}

// A frame longer than the histogram's last step is still the longest, and nothing breaks on
// a frame of no time at all.
TEST(FrameStatsTest, FramesBeyondTheHistogramAndOfNoTimeAreCounted) {
    const double frequency = double(SDL_GetPerformanceFrequency());
    app::FrameStats stats;
    stats.Add(100, 100 + Uint64(frequency * 0.5), 0.0); // half a second
    stats.Add(200000, 200000, -0.001);                  // a clock that stood still
    const auto summary = WrittenSummary(stats);
    EXPECT_EQ(summary.at("frame_count"), 2);
    EXPECT_NEAR(summary.at("frame_max_ms"), 500.0, 0.01);
    EXPECT_NEAR(summary.at("frame_p99_ms"), 500.0, 0.01);
}

} // namespace

} // namespace vantor::test
