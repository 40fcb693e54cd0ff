// The reference for the real game's frame times and CPU use: a window of the game's size that
// shows one opaque full-screen picture sixty times a second through the game's own drawing
// device (the same renderer choice, the same present), and nothing else. Whatever this loop
// pays on a display, every frame of the game pays as well.
// Usage: vantor-present-loop SECONDS STATS_FILE
#include "graphics/Graphics.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// Durations in 0.1 ms steps, as the game's own frame statistics keep them.
struct Durations {
    static constexpr int Steps = 2000;

    void Add(double ms) {
        counts[std::min(int(ms * 10.0), Steps - 1)] += 1;
        ++total;
        sum += ms;
        longest = std::max(longest, ms);
    }

    double P99() const {
        long long seen = 0;
        for (int step = 0; step < Steps; ++step) {
            seen += counts[step];
            if (seen * 100 >= total * 99) {
                return (step + 1) / 10.0;
            }
        }
        return longest;
    }

    void Write(FILE* file, const char* name) const {
        std::fprintf(file, "%s_count %lld\n%s_max_ms %.3f\n%s_p99_ms %.1f\n%s_mean_ms %.3f\n", name,
                     total, name, longest, name, total > 0 ? P99() : 0.0, name,
                     total > 0 ? sum / double(total) : 0.0);
    }

    std::vector<long long> counts = std::vector<long long>(Steps);
    long long total = 0;
    double sum = 0.0;
    double longest = 0.0;
};

SDL_Texture* OpaquePicture(SDL_Renderer* renderer) {
    std::vector<uint32_t> pixels(size_t(Graphics::Width) * Graphics::Height);
    for (int y = 0; y < Graphics::Height; ++y) {
        for (int x = 0; x < Graphics::Width; ++x) {
            pixels[size_t(y) * Graphics::Width + x] =
                0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8 | uint32_t(x ^ y);
        }
    }
    SDL_Texture* picture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                          Graphics::Width, Graphics::Height);
    if (picture != nullptr) {
        SDL_UpdateTexture(picture, nullptr, pixels.data(), Graphics::Width * 4);
        SDL_SetTextureBlendMode(picture, SDL_BLENDMODE_NONE);
    }
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vantor-present-loop SECONDS STATS_FILE\n");
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "vantor-present-loop: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("Vantor Present Loop", 100, 100, Graphics::Width,
                                          Graphics::Height, SDL_WINDOW_HIDDEN);
    auto* graphics = new Graphics();
    if (window == nullptr || !graphics->Init(window)) {
        std::fprintf(stderr, "vantor-present-loop: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Texture* picture = OpaquePicture(graphics->GetRenderTarget());
    SDL_ShowWindow(window);

    Durations frames;
    Durations cpu;
    const Uint64 frequency = SDL_GetPerformanceFrequency();
    const Uint64 period = frequency / 60;
    const Uint64 end = SDL_GetPerformanceCounter() + Uint64(seconds * double(frequency));
    Uint64 next = SDL_GetPerformanceCounter();
    SDL_Event event;
    bool running = true;
    while (running) {
        if (SDL_PollEvent(&event)) {
            running = event.type != SDL_QUIT;
            continue;
        }
        const Uint64 now = SDL_GetPerformanceCounter();
        if (now >= end) {
            break;
        }
        if (now >= next) {
            const double cpuBefore = ThreadMilliseconds();
            graphics->BeginDraw();
            SDL_RenderCopy(graphics->GetRenderTarget(), picture, nullptr, nullptr);
            graphics->EndDraw();
            frames.Add(double(SDL_GetPerformanceCounter() - now) * 1000.0 / double(frequency));
            cpu.Add(ThreadMilliseconds() - cpuBefore);
            next += period;
            if (now > next + period) {
                next = now + period;
            }
            continue;
        }
        if (SDL_WaitEventTimeout(&event, int((next - now) * 1000 / frequency))) {
            running = event.type != SDL_QUIT;
        }
    }

    if (FILE* file = std::fopen(argv[2], "w")) {
        frames.Write(file, "frame");
        cpu.Write(file, "frame_cpu");
        std::fclose(file);
    }
    SDL_DestroyTexture(picture);
    delete graphics;
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
