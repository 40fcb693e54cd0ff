#pragma once

#include <array>
#include <cstdint>

namespace vantor::game {

// The level's dice: the additive feedback generator of the GNU C library's rand() and
// srand(), written out here so that one seed lays out the same game on every platform (the C
// libraries of Windows and of the web draw other numbers). Next() after Seed(s) gives exactly
// what rand() gives after srand(s) with the GNU C library: the Linux game keeps the very
// numbers it always drew.
//
// The sequence, for a seed s: r[0] = s (1 for s = 0); r[1..30] = 16807 * r[i-1] modulo
// 2^31 - 1, with signed 32-bit values as the C library keeps them; r[31..33] = r[0..2]; from
// then on r[i] = r[i-31] + r[i-3] modulo 2^32, and the k-th number drawn is r[k+344] >> 1, the
// 310 first sums being thrown away as warm-up. The generator keeps the last 31 values.
//
// A plain value: no allocation, no globals, copied with its whole state (a copy draws what the
// original would). Not shared between threads without a lock. Nothing can fail.
class Random {
public:
    // The same numbers as a generator seeded with 1, as rand() draws without srand().
    Random() { Seed(1); }
    explicit Random(uint32_t seed) { Seed(seed); }

    // Starts the sequence of the seed over.
    void Seed(uint32_t seed);

    // The next number, in 0 to 2^31 - 1.
    int32_t Next();

    // The whole state, for the level's digest and for comparing two generators: the last 31
    // values in the order the generator keeps them, and where the next one goes.
    const std::array<uint32_t, 31>& Values() const { return values; }
    int Position() const { return position; }

    bool operator==(const Random&) const = default;

private:
    // One step of the feedback: the value 31 places back plus the value 3 places back.
    uint32_t Step();

    std::array<uint32_t, 31> values{};
    int position = 0; // where r[i-31] lies, and r[i] goes
};

} // namespace vantor::game
