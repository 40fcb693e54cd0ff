#pragma once

#include <SDL.h>

#include <cstddef>

namespace vantor::test {

// Watches every allocation made through SDL's memory functions (pixel buffers of decoded
// pictures among them) while it lives: remembers the largest one asked for and refuses, as if
// memory had run out, any of the given size or more, so that a decoder talked into reserving a
// gigabyte never gets it. Only one watch may live at a time.
class AllocationWatch {
public:
    explicit AllocationWatch(std::size_t refuseFrom);
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    std::size_t Largest() const { return largest; }

private:
    static void* Malloc(std::size_t size);
    static void* Calloc(std::size_t count, std::size_t size);
    static void* Realloc(void* memory, std::size_t size);
    static void Free(void* memory);
    static bool Allowed(std::size_t size);

    static inline SDL_malloc_func originalMalloc = nullptr;
    static inline SDL_calloc_func originalCalloc = nullptr;
    static inline SDL_realloc_func originalRealloc = nullptr;
    static inline SDL_free_func originalFree = nullptr;
    static inline std::size_t largest = 0;
    static inline std::size_t limit = 0;
};

} // namespace vantor::test
