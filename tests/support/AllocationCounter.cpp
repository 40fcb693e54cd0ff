#include "support/AllocationCounter.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_THREAD__)
#define VANTOR_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VANTOR_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef VANTOR_COUNT_ALLOCATIONS
#define VANTOR_COUNT_ALLOCATIONS 1
#endif

namespace {

std::atomic<size_t> allocations{0};
thread_local size_t threadAllocations = 0;
std::atomic<size_t> sdlAllocations{0};

SDL_malloc_func sdlMalloc = nullptr;
SDL_calloc_func sdlCalloc = nullptr;
SDL_realloc_func sdlRealloc = nullptr;
SDL_free_func sdlFree = nullptr;

void* CountedMalloc(size_t size) {
    sdlAllocations.fetch_add(1, std::memory_order_relaxed);
    return sdlMalloc(size);
}
void* CountedCalloc(size_t count, size_t size) {
    sdlAllocations.fetch_add(1, std::memory_order_relaxed);
    return sdlCalloc(count, size);
}
void* CountedRealloc(void* memory, size_t size) {
    sdlAllocations.fetch_add(1, std::memory_order_relaxed);
    return sdlRealloc(memory, size);
}

// Installed while the program starts, before any SDL call.
const bool sdlCounted = [] {
    SDL_GetOriginalMemoryFunctions(&sdlMalloc, &sdlCalloc, &sdlRealloc, &sdlFree);
    return SDL_SetMemoryFunctions(CountedMalloc, CountedCalloc, CountedRealloc, sdlFree) == 0;
}();

} // namespace

namespace vantor::test {

bool AllocationCounter::Counts() {
    return VANTOR_COUNT_ALLOCATIONS != 0;
}

size_t AllocationCounter::Count() {
    return allocations.load(std::memory_order_relaxed);
}

size_t AllocationCounter::ThreadCount() {
    return threadAllocations;
}

size_t AllocationCounter::SdlCount() {
    return sdlCounted ? sdlAllocations.load(std::memory_order_relaxed) : size_t(-1);
}

} // namespace vantor::test

#if VANTOR_COUNT_ALLOCATIONS
namespace {

void* Allocate(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    ++threadAllocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(size_t size) {
    return Allocate(size);
}
void* operator new[](size_t size) {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, size_t) noexcept {
    std::free(memory);
}
#endif
