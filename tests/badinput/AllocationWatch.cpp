#include "AllocationWatch.h"

#include <limits>

namespace vantor::test {

AllocationWatch::AllocationWatch(std::size_t refuseFrom) {
    largest = 0;
    limit = refuseFrom;
    SDL_GetMemoryFunctions(&originalMalloc, &originalCalloc, &originalRealloc, &originalFree);
    SDL_SetMemoryFunctions(Malloc, Calloc, Realloc, Free);
}

AllocationWatch::~AllocationWatch() {
    // What was allocated while watching came from the original functions and goes back to them.
    SDL_SetMemoryFunctions(originalMalloc, originalCalloc, originalRealloc, originalFree);
}

bool AllocationWatch::Allowed(std::size_t size) {
    if (size > largest) {
        largest = size;
    }
    return size < limit;
}

void* AllocationWatch::Malloc(std::size_t size) {
    return Allowed(size) ? originalMalloc(size) : nullptr;
}

void* AllocationWatch::Calloc(std::size_t count, std::size_t size) {
    const std::size_t total = size != 0 && count > std::numeric_limits<std::size_t>::max() / size
                                  ? std::numeric_limits<std::size_t>::max()
                                  : count * size;
    return Allowed(total) ? originalCalloc(count, size) : nullptr;
}

void* AllocationWatch::Realloc(void* memory, std::size_t size) {
    return Allowed(size) ? originalRealloc(memory, size) : nullptr;
}

void AllocationWatch::Free(void* memory) {
    originalFree(memory);
}

} // namespace vantor::test
