#pragma once

#include <cstddef>

// Counts the heap allocations of the whole test program, so that a test can show that a
// stretch of frame work allocates nothing: C++ allocations (operator new is replaced for it)
// and SDL's own (its memory functions are wrapped before SDL allocates anything), which is
// where the renderer and the picture libraries take their memory.
class AllocationCounter {
public:
    static size_t Count();
    // Allocations and reallocations through SDL's memory functions.
    static size_t SdlCount();
};
