#include "bench/RenderBench.h"

#include "bench/BenchGroup.h"
#include "bench/BenchScreens.h"
#include "graphics/TurnedPicture.h"
#include "support/CountingPlayer.h"
#include "support/OffscreenLevel.h"

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace vantor::bench {

namespace {

// The level loaded from the asset folder onto the offscreen software picture, made once per
// run and shared by the drawing benchmarks; null when the drawing device cannot be made or a
// picture failed to load. The benchmarks run in the asset folder (BenchAssets::Enter).
test::OffscreenLevel* Shared() {
    static test::OffscreenLevel* shared = [] {
        auto* made = new test::OffscreenLevel();
        const bool loaded = made->Ready() && made->Load(".");
        for (const auto& [text, fileName] : made->reports) {
            std::fprintf(stderr, "vantor-bench: %s%s\n", text.c_str(), fileName.c_str());
        }
        if (!loaded) {
            delete made;
            made = nullptr;
        }
        return made;
    }();
    return shared;
}

// One opaque 1024 by 768 picture copied over the whole target, without blending; blended, the
// same copy costs what every backdrop cost when all pictures were blended.
template <SDL_BlendMode Mode> void FullScreenCopy(benchmark::State& state) {
    test::OffscreenLevel* shared = Shared();
    if (shared == nullptr) {
        state.SkipWithError("the level could not be loaded offscreen");
        return;
    }
    SDL_Renderer* renderer = shared->graphics.GetRenderTarget();
    SDL_Texture* picture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                          Graphics::Width, Graphics::Height);
    if (picture == nullptr) {
        state.SkipWithError("no texture");
        return;
    }
    std::vector<uint32_t> pixels(size_t(Graphics::Width) * Graphics::Height);
    for (int y = 0; y < Graphics::Height; ++y) {
        for (int x = 0; x < Graphics::Width; ++x) {
            pixels[size_t(y) * Graphics::Width + x] =
                0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8 | uint32_t(x ^ y);
        }
    }
    SDL_UpdateTexture(picture, nullptr, pixels.data(), Graphics::Width * 4);
    SDL_SetTextureBlendMode(picture, Mode);
    for (auto _ : state) {
        SDL_RenderCopy(renderer, picture, nullptr, nullptr);
        SDL_RenderFlush(renderer);
    }
    SDL_DestroyTexture(picture);
}

template <void (*Show)(Sector01&)> void Screen(benchmark::State& state) {
    test::OffscreenLevel* shared = Shared();
    if (shared == nullptr) {
        state.SkipWithError("the level could not be loaded offscreen");
        return;
    }
    test::CountingPlayer sound;
    Show(shared->level);
    // The first frame after a change of screen is drawn once untimed, as the game has drawn
    // the frame before.
    shared->Draw();
    const long long before = sound.commands;
    const long long turnsBefore = graphics::TurnedPicture::turns;
    for (auto _ : state) {
        shared->Draw();
    }
    state.counters["sounds_per_frame"] = benchmark::Counter(
        static_cast<double>(sound.commands - before), benchmark::Counter::kAvgIterations);
    // Every heading stays as it was from frame to frame: no picture needs turning again.
    state.counters["turned_per_frame"] =
        benchmark::Counter(static_cast<double>(graphics::TurnedPicture::turns - turnsBefore),
                           benchmark::Counter::kAvgIterations);
}

} // namespace

void RenderBench::Register() {
    const BenchGroup group("Render", benchmark::kMicrosecond);
    group.Add("Reference_FullScreenCopy", FullScreenCopy<SDL_BLENDMODE_NONE>);
    group.Add("Context_BlendedCopy", FullScreenCopy<SDL_BLENDMODE_BLEND>);
    group.Add("Title", Screen<&BenchScreens::Title>);
    group.Add("Play", Screen<&BenchScreens::Play>);
    group.Add("PlaySecondWeapon", Screen<&BenchScreens::PlaySecondWeapon>);
    group.Add("PlanetPanel", Screen<&BenchScreens::PlanetPanel>);
    group.Add("Menu", Screen<&BenchScreens::Menu>);
    group.Add("EndScreen", Screen<&BenchScreens::EndScreen>);
}

} // namespace vantor::bench
