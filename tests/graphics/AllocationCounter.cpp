#include "AllocationCounter.h"

#include <SDL.h>

#include <cstdlib>
#include <new>

namespace {

size_t allocations = 0;
size_t sdlAllocations = 0;

SDL_malloc_func sdlMalloc = nullptr;
SDL_calloc_func sdlCalloc = nullptr;
SDL_realloc_func sdlRealloc = nullptr;
SDL_free_func sdlFree = nullptr;

void* CountedMalloc(size_t size) {
    ++sdlAllocations;
    return sdlMalloc(size);
}
void* CountedCalloc(size_t count, size_t size) {
    ++sdlAllocations;
    return sdlCalloc(count, size);
}
void* CountedRealloc(void* memory, size_t size) {
    ++sdlAllocations;
    return sdlRealloc(memory, size);
}

// Installed while the program starts, before any SDL call.
const bool sdlCounted = [] {
    SDL_GetOriginalMemoryFunctions(&sdlMalloc, &sdlCalloc, &sdlRealloc, &sdlFree);
    return SDL_SetMemoryFunctions(CountedMalloc, CountedCalloc, CountedRealloc, sdlFree) == 0;
}();

void* Allocate(size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

size_t AllocationCounter::Count() {
    return allocations;
}

size_t AllocationCounter::SdlCount() {
    return sdlCounted ? sdlAllocations : size_t(-1);
}

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
