#pragma once

#include <cstddef>

// Counts the C++ heap allocations of the whole test program (operator new is replaced for it),
// so that a test can show that a stretch of frame work allocates nothing.
class AllocationCounter {
public:
    static size_t Count();
};
