#include "bench/CompositorBench.h"

#include "bench/BenchGroup.h"

#include "graphics/Canvas.h"
#include "graphics/CanvasPicture.h"
#include "graphics/ChromaKey.h"
#include "graphics/Graphics.h"
#include "graphics/PictureLoader.h"

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace vantor::bench {

namespace {

// One picture of the scene: its file, where it is drawn and whether its green background is
// keyed out first, as the keyed pictures are.
struct Placed {
    const char* file;
    int x;
    int y;
    bool keyed;
};

constexpr Placed Scene[] = {
    {"Background01.png", 0, 0, false},  {"Planet4.bmp", 150, 200, true},
    {"Planet5.bmp", 150, 450, true},    {"Planet6.bmp", 420, 450, true},
    {"PlanetInfo.png", 104, 75, false}, {"score.png", 360, 0, false},
    {"bottomHud.png", 307, 720, false}, {"menu.png", 0, 0, false},
};

struct Owned {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, Owned>;

Surface Target() {
    return Surface(SDL_CreateRGBSurfaceWithFormat(0, Graphics::Width, Graphics::Height, 32,
                                                  SDL_PIXELFORMAT_ARGB8888));
}

// The scene's pictures as ARGB8888 with straight alpha, keyed where they should be; empty when
// one cannot be read (the benchmarks run in the asset folder).
std::vector<Surface> ScenePictures() {
    std::vector<Surface> pictures;
    for (const Placed& placed : Scene) {
        Surface picture(graphics::PictureLoader::Load(placed.file));
        if (picture == nullptr) {
            return {};
        }
        if (placed.keyed) {
            graphics::ChromaKey::Apply(picture.get(), 0.0f, 1.0f, 0.0f);
        }
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

bool IsOpaque(const SDL_Surface* picture) {
    for (int y = 0; y < picture->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(picture->pixels) + y * picture->pitch);
        for (int x = 0; x < picture->w; ++x) {
            if (row[x] < 0xFF000000u) {
                return false;
            }
        }
    }
    return true;
}

// The scene as SDL's software renderer draws it, to compare every candidate's pixels with.
std::vector<Uint32>& RendererPixels() {
    static std::vector<Uint32> pixels;
    return pixels;
}

// The largest difference of any channel of any pixel from the renderer's picture, and the share
// of pixels that differ at all; negative before the renderer's picture is known.
void CountDifferences(benchmark::State& state, const SDL_Surface* drawn) {
    const std::vector<Uint32>& reference = RendererPixels();
    if (reference.empty()) {
        return;
    }
    int largest = 0;
    long long differing = 0;
    for (int y = 0; y < drawn->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(drawn->pixels) +
                                                          y * drawn->pitch);
        for (int x = 0; x < drawn->w; ++x) {
            const Uint32 a = row[x];
            const Uint32 b = reference[size_t(y) * size_t(drawn->w) + size_t(x)];
            int most = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                most =
                    std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
            }
            largest = std::max(largest, most);
            differing += most > 0 ? 1 : 0;
        }
    }
    state.counters["max_difference"] = largest;
    state.counters["differing_share"] = double(differing) / double(drawn->w * drawn->h);
}

// A benchmark drawing the scene's pictures onto the target.
using OnScene = void (*)(benchmark::State& state, const std::vector<Surface>& pictures,
                         SDL_Surface* target);

// Makes the scene's pictures and a target and runs the benchmark with them; when either cannot
// be made, marks the benchmark as not measured instead.
void WithScene(benchmark::State& state, OnScene run) {
    const std::vector<Surface> pictures = ScenePictures();
    const Surface target = Target();
    if (pictures.empty() || target == nullptr) {
        state.SkipWithError("the scene's pictures could not be made");
        return;
    }
    run(state, pictures, target.get());
}

void SdlRenderer(benchmark::State& state, const std::vector<Surface>& pictures,
                 SDL_Surface* target) {
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
    if (renderer == nullptr) {
        state.SkipWithError("the renderer could not be made");
        return;
    }
    std::vector<SDL_Texture*> textures;
    for (const Surface& picture : pictures) {
        SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, picture.get());
        SDL_SetTextureBlendMode(texture,
                                IsOpaque(picture.get()) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        textures.push_back(texture);
    }
    auto draw = [&] {
        for (size_t i = 0; i < textures.size(); ++i) {
            const SDL_Rect place = {Scene[i].x, Scene[i].y, pictures[i]->w, pictures[i]->h};
            SDL_RenderCopy(renderer, textures[i], nullptr, &place);
        }
        SDL_RenderFlush(renderer);
    };
    for (auto _ : state) {
        draw();
    }
    const size_t count = size_t(Graphics::Width) * Graphics::Height;
    RendererPixels().assign(static_cast<const Uint32*>(target->pixels),
                            static_cast<const Uint32*>(target->pixels) + count);
    for (SDL_Texture* texture : textures) {
        SDL_DestroyTexture(texture);
    }
    SDL_DestroyRenderer(renderer);
}

void SdlRleBlits(benchmark::State& state, const std::vector<Surface>& pictures,
                 SDL_Surface* target) {
    for (const Surface& picture : pictures) {
        SDL_SetSurfaceBlendMode(picture.get(),
                                IsOpaque(picture.get()) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        SDL_SetSurfaceRLE(picture.get(), 1);
    }
    auto draw = [&] {
        for (size_t i = 0; i < pictures.size(); ++i) {
            SDL_Rect place = {Scene[i].x, Scene[i].y, pictures[i]->w, pictures[i]->h};
            SDL_BlitSurface(pictures[i].get(), nullptr, target, &place);
        }
    };
    draw(); // the first blit encodes the runs
    for (auto _ : state) {
        draw();
    }
    CountDifferences(state, target);
}

void PixmanCanvas(benchmark::State& state, const std::vector<Surface>& pictures,
                  SDL_Surface* target) {
    graphics::Canvas canvas(target);
    std::vector<std::unique_ptr<graphics::CanvasPicture>> premultiplied;
    for (const Surface& picture : pictures) {
        auto made = std::make_unique<graphics::CanvasPicture>();
        made->Take(static_cast<Uint32*>(picture->pixels), picture->w, picture->h, picture->pitch);
        premultiplied.push_back(std::move(made));
    }
    if (!canvas.Ready() || !premultiplied.back()->Ready()) {
        state.SkipWithError("this build has no canvas");
        return;
    }
    for (auto _ : state) {
        for (size_t i = 0; i < premultiplied.size(); ++i) {
            const graphics::CanvasPicture& picture = *premultiplied[i];
            canvas.Draw(picture, SDL_Rect{0, 0, picture.Width(), picture.Height()}, Scene[i].x,
                        Scene[i].y);
        }
    }
    CountDifferences(state, target);
}

} // namespace

void CompositorBench::Register() {
    // The renderer first: the other two are compared with its picture.
    const BenchGroup group("Compositor", benchmark::kMicrosecond);
    group.Add("SdlRenderer", WithScene, SdlRenderer);
    group.Add("SdlRleBlits", WithScene, SdlRleBlits);
    group.Add("PixmanCanvas", WithScene, PixmanCanvas);
}

} // namespace vantor::bench
