#pragma once

#include "game/Random.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantor::test {

// What the GNU C library's rand() gave after srand(seed), written down once on Linux: the
// numbers drawn first, second, third, 1000th and 10,000th, and the hash of the first 10,000.
// The level's dice must draw the same on every platform: the unit test checks them on Linux and
// under Wine, the dice check (tests/node/) under node. Plain constants and a pure function: no
// state, any thread, nothing fails.
struct KnownDice {
    static constexpr int Drawn = 10000;
    // The places of `numbers` among the numbers drawn, counting from 0.
    static constexpr std::array<int, 5> Places = {0, 1, 2, 999, 9999};

    uint32_t seed;
    std::array<int32_t, 5> numbers;
    uint64_t hash;

    // The numbers the dice draw at Places.
    static std::array<int32_t, 5> AtPlaces(game::Random dice) {
        std::array<int32_t, 5> numbers{};
        std::size_t next = 0;
        for (int i = 0; next < Places.size(); ++i) {
            const int32_t number = dice.Next();
            if (i == Places[next]) {
                numbers[next++] = number;
            }
        }
        return numbers;
    }

    // FNV-1a over the first `count` numbers the dice draw, each as its four bytes, lowest first.
    static uint64_t HashOfFirst(game::Random dice, int count) {
        uint64_t hash = 14695981039346656037ull;
        for (int i = 0; i < count; ++i) {
            const auto number = static_cast<uint32_t>(dice.Next());
            for (int byte = 0; byte < 4; ++byte) {
                hash ^= (number >> (8 * byte)) & 0xffu;
                hash *= 1099511628211ull;
            }
        }
        return hash;
    }
};

constexpr std::array<KnownDice, 6> GnuDice = {{
    {0u, {1804289383, 846930886, 1681692777, 1143565421, 1908609430}, 0x5fb8ff5ba93569f9ull},
    {1u, {1804289383, 846930886, 1681692777, 1143565421, 1908609430}, 0x5fb8ff5ba93569f9ull},
    {42u, {71876166, 708592740, 1483128881, 896784309, 48510282}, 0x2aa7c578f8f7a643ull},
    {1765432109u,
     {2118070185, 2104521678, 1569935900, 583661396, 388818134},
     0xf7a41fb03a6346f8ull},
    {2147483647u,
     {1065668062, 2142264300, 1066566375, 1698607095, 1070115311},
     0x08474da2fba0de90ull},
    {4294967295u,
     {254925627, 1205188300, 366127624, 1892540048, 1100600380},
     0x3a3d5fbf3c6fc012ull},
}};

} // namespace vantor::test
