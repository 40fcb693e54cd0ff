// The benchmark program. It runs from the generated asset folder, sound on SDL's dummy audio
// driver unless another is asked for, and ends with the figures beside their targets; the
// exit status is 1 when a measured figure misses its target or a benchmark could not measure,
// 2 when the arguments or the asset folder are wrong.
#include "bench/BenchAssets.h"
#include "bench/CompositorBench.h"
#include "bench/LoadBench.h"
#include "bench/RenderBench.h"
#include "bench/SoundBench.h"
#include "bench/TargetReport.h"
#include "bench/UpdateBench.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    if (!vantor::bench::BenchAssets::Enter()) {
        return 2;
    }
    vantor::bench::UpdateBench::Register();
    vantor::bench::RenderBench::Register();
    vantor::bench::CompositorBench::Register();
    vantor::bench::LoadBench::Register();
    vantor::bench::SoundBench::Register();

    vantor::bench::TargetReport report;
    benchmark::RunSpecifiedBenchmarks(&report);
    const bool met = report.PrintSummary(std::cout);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
