#pragma once

#include <cstddef>

namespace vantor::test {

// Counts the heap allocations of the whole test program, so that a test can show that a stretch
// of work allocates nothing: C++ allocations (operator new is replaced for it), in the whole
// program and on each thread, and SDL's own (its memory functions are wrapped before SDL
// allocates anything), which is where the renderer and the picture libraries take their memory.
//
// Replacing operator new takes effect for every program this is linked into, so it is a library
// of its own, linked only by the tests that count.
class AllocationCounter {
public:
    // Whether C++ allocations are counted in this build: the thread sanitizer brings an
    // operator new of its own, which cannot be replaced.
    static bool Counts();
    // C++ allocations of the whole program so far.
    static size_t Count();
    // Those made on the calling thread.
    static size_t ThreadCount();
    // Allocations and reallocations through SDL's memory functions; size_t(-1) when they
    // could not be wrapped.
    static size_t SdlCount();
};

} // namespace vantor::test
