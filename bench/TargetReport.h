#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vantor::bench {

// The console report of the benchmarks, followed by a table of every figure beside its
// reference and its target. With repetitions the medians are compared, otherwise the single
// runs. The figures are the benchmark thread's processor time, which other work on a busy
// machine does not inflate, except for the sound commands: a command may wait for the audio
// thread, so those are wall-clock times. Rows without a target are context: a reference, each
// screen on its own, the first play of each sound file.
class TargetReport : public benchmark::ConsoleReporter {
public:
    TargetReport();

    void ReportRuns(const std::vector<Run>& reports) override;

    // Prints the table for the figures that were measured. False when one misses its target
    // or a benchmark stopped with an error.
    bool PrintSummary(std::ostream& out) const;

private:
    struct Row {
        std::string what;
        std::string figure;
        std::string reference;
        std::string target;
        bool checked = false;
        bool met = true;
    };

    struct Times {
        double real = -1.0; // nanoseconds per unit of work
        double cpu = -1.0;
        std::map<std::string, double> counters;
    };

    // The times of the named benchmark, negative when it did not run. A benchmark that does
    // several units of work per iteration says so in its "commands" counter.
    Times Find(const std::string& name) const;
    double Cpu(const std::string& name) const { return Find(name).cpu; }
    double Real(const std::string& name) const { return Find(name).real; }
    // The named counter of the benchmark, negative when the benchmark or the counter is absent.
    double Counter(const std::string& name, const std::string& counter) const;
    void AddUpdateRows(std::vector<Row>& rows) const;
    void AddRenderRows(std::vector<Row>& rows) const;
    void AddLoadRows(std::vector<Row>& rows) const;
    void AddSoundRows(std::vector<Row>& rows) const;

    std::map<std::string, Times> single;       // the last plain run of each benchmark
    std::map<std::string, Times> medians;      // the median of the repetitions
    std::map<std::string, std::string> failed; // benchmarks that stopped with an error
    int repetitions = 1;
};

} // namespace vantor::bench
