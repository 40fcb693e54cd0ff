#include "bench/LoadBench.h"

#include "bench/BenchGroup.h"

#include "game/PictureManifest.h"
#include "game/Sector01.h"
#include "graphics/Graphics.h"
#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"
#include "support/CountingPlayer.h"
#include "support/RecordingReporter.h"

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_image.h>

namespace vantor::bench {

namespace {

// Each file read and decoded by SDL2_image, nothing more: the reference of the level's load.
// With Convert, each picture is then also converted to 32-bit ARGB, as a texture upload wants
// it; that is shown beside the reference as context.
template <bool Convert> void DecodeFiles(benchmark::State& state) {
    IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
    long long pixels = 0;
    for (auto _ : state) {
        for (const char* file : game::PictureManifest::Files) {
            SDL_Surface* decoded = IMG_Load(file);
            if (decoded == nullptr) {
                state.SkipWithError("a picture could not be decoded");
                return;
            }
            pixels += static_cast<long long>(decoded->w) * decoded->h;
            if constexpr (Convert) {
                SDL_Surface* argb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
                benchmark::DoNotOptimize(argb);
                SDL_FreeSurface(argb);
            }
            SDL_FreeSurface(decoded);
        }
    }
    state.counters["files"] = static_cast<double>(game::PictureManifest::Files.size());
    state.counters["Mpixels"] =
        benchmark::Counter(static_cast<double>(pixels) / 1e6, benchmark::Counter::kAvgIterations);
}

void LoadLevel(benchmark::State& state) {
    Graphics* const previous = GameManager::graphics;
    Graphics graphics;
    if (!graphics.InitOffscreen()) {
        state.SkipWithError("no offscreen drawing device");
        return;
    }
    GameManager::SetGraphics(&graphics);
    test::CountingPlayer sound;
    test::RecordingReporter reporter;
    Sector01 level;
    // The shared drawing level may be loaded as well; only this load's assets are counted.
    const int before = SpriteSheet::live + TextWriter::live;
    int assets = 0;
    for (auto _ : state) {
        level.Load();
        state.PauseTiming();
        assets = SpriteSheet::live + TextWriter::live - before;
        level.Unload();
        state.ResumeTiming();
    }
    GameManager::SetGraphics(previous);
    if (!reporter.reports.empty()) {
        state.SkipWithError("a picture failed to load");
    }
    state.counters["assets"] = static_cast<double>(assets);
}

} // namespace

void LoadBench::Register() {
    const BenchGroup group("Load", benchmark::kMillisecond, 1.0);
    group.Add("Reference_DecodeFiles", DecodeFiles<false>);
    group.Add("Context_DecodeAndConvert", DecodeFiles<true>);
    group.Add("Level", LoadLevel);
}

} // namespace vantor::bench
