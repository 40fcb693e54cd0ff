#include "game/Random.h"

#include <cstddef>

namespace vantor::game {

namespace {

// The Park-Miller "minimal standard" multiplier and modulus that fill the first 31 values,
// worked out by Schrage's method (Modulus = Multiplier * Quotient + Remainder) so that nothing
// overflows 32 bits; the C library does it this way on signed values, and a seed above
// 2^31 - 1 is such a negative value.
constexpr int64_t Multiplier = 16807;
constexpr int64_t Modulus = 2147483647;
constexpr int64_t Quotient = Modulus / Multiplier;  // 127773
constexpr int64_t Remainder = Modulus % Multiplier; // 2836

// 34 values are made by the seeding and the next 310 thrown away: the first number drawn is
// r[344].
constexpr int WarmUp = 310;
constexpr int Separation = 3;

int32_t NextSeedValue(int32_t previous) {
    // C++ divides toward zero as C does, so a negative value takes the same path here.
    const int64_t high = previous / Quotient;
    const int64_t low = previous % Quotient;
    int64_t word = Multiplier * low - Remainder * high;
    if (word < 0) {
        word += Modulus;
    }
    return static_cast<int32_t>(word);
}

} // namespace

void Random::Seed(uint32_t seed) {
    int32_t value = static_cast<int32_t>(seed == 0 ? 1 : seed);
    values[0] = static_cast<uint32_t>(value);
    for (std::size_t i = 1; i < values.size(); ++i) {
        value = NextSeedValue(value);
        values[i] = static_cast<uint32_t>(value);
    }
    // r[31..33] repeat r[0..2], which is what the ring holds at those places already: the
    // next value made is r[34], over r[3].
    position = Separation;
    for (int i = 0; i < WarmUp; ++i) {
        Step();
    }
}

uint32_t Random::Step() {
    const int size = static_cast<int>(values.size());
    const int back3 = (position + size - Separation) % size;
    const uint32_t value = values[std::size_t(position)] + values[std::size_t(back3)];
    values[std::size_t(position)] = value;
    position = (position + 1) % size;
    return value;
}

int32_t Random::Next() {
    return static_cast<int32_t>(Step() >> 1);
}

} // namespace vantor::game
