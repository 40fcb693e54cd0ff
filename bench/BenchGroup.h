#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace vantor::bench {

// Registers the benchmarks of one group of the program, each named "Group/Name" and reported
// in the group's unit of time, and run for at least the group's least time when it has one.
// What is registered belongs to Google Benchmark and lasts the whole run; the group itself is
// needed only while registering. Registration happens on main's thread before any benchmark
// runs, and cannot fail.
class BenchGroup {
public:
    // leastSeconds 0 leaves the time each benchmark runs to the command line.
    BenchGroup(const char* group, benchmark::TimeUnit unit, double leastSeconds = 0.0)
        : group(group), unit(unit), leastSeconds(leastSeconds) {}

    // Registers run, called with the benchmark's state and then the further arguments given;
    // returns the registration for settings of its own.
    template <typename Run, typename... Args>
    benchmark::internal::Benchmark* Add(const char* name, Run&& run, Args&&... args) const {
        const std::string fullName = group + "/" + name;
        benchmark::internal::Benchmark* added = benchmark::RegisterBenchmark(
            fullName.c_str(), std::forward<Run>(run), std::forward<Args>(args)...);
        added->Unit(unit);
        if (leastSeconds > 0.0) {
            added->MinTime(leastSeconds);
        }
        return added;
    }

private:
    std::string group;
    benchmark::TimeUnit unit;
    double leastSeconds;
};

} // namespace vantor::bench
