// The level's dice draw the GNU C library's numbers on every platform: against the C library
// itself where it is the GNU one, and against numbers it gave once everywhere else too.
#include "game/Random.h"
#include "game/Sector01.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace vantor::test {

namespace {

using game::Random;

constexpr int Drawn = 10000;

// FNV-1a over the numbers, each as its four bytes, lowest first.
uint64_t HashOfFirst(Random dice, int count) {
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

// What the GNU C library's rand() gave after srand(seed), written down once on Linux: the
// numbers drawn first, second, third, 1000th and 10,000th, and the hash of the first 10,000.
struct Known {
    uint32_t seed;
    std::array<int32_t, 5> numbers;
    uint64_t hash;
};
constexpr std::array<int, 5> KnownPlaces = {0, 1, 2, 999, 9999};
constexpr std::array<Known, 6> GnuNumbers = {{
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

TEST(LevelDice, DrawWhatTheGnuCLibraryDrewForTheSameSeeds) {
    for (const Known& known : GnuNumbers) {
        Random dice(known.seed);
        std::array<int32_t, 5> numbers{};
        size_t next = 0;
        for (int i = 0; i < Drawn; ++i) {
            const int32_t number = dice.Next();
            EXPECT_GE(number, 0);
            if (next < KnownPlaces.size() && i == KnownPlaces[next]) {
                numbers[next++] = number;
            }
        }
        EXPECT_EQ(numbers, known.numbers) << "seed " << known.seed;
        EXPECT_EQ(HashOfFirst(Random(known.seed), Drawn), known.hash) << "seed " << known.seed;
    }
}

TEST(LevelDice, DrawWhatThisCLibraryDrawsWhenItIsTheGnuOne) {
#ifdef __GLIBC__
    const uint32_t now = static_cast<uint32_t>(std::time(nullptr));
    for (uint32_t seed : {0u, 1u, 42u, 2147483647u, 4294967295u, 1765432109u, 2147483648u, now}) {
        Random dice(seed);
        std::srand(seed);
        for (int i = 0; i < Drawn; ++i) {
            const int expected = std::rand();
            const int32_t drawn = dice.Next();
            if (drawn != expected) {
                FAIL() << "seed " << seed << ", number " << i + 1 << ": " << drawn << " instead of "
                       << expected;
            }
        }
    }
#else
    GTEST_SKIP() << "the C library here is not the GNU one; the written-down numbers stand in";
#endif
}

TEST(LevelDice, ACopyOrAReseedDrawsTheSameAgain) {
    Random dice(7);
    for (int i = 0; i < 500; ++i) {
        dice.Next();
    }
    Random copy = dice;
    EXPECT_EQ(HashOfFirst(copy, 1000), HashOfFirst(dice, 1000));
    EXPECT_EQ(copy.Next(), dice.Next());
    dice.Seed(7);
    EXPECT_EQ(dice, Random(7));
    EXPECT_EQ(Random(), Random(1)) << "unseeded, the dice draw as srand(1)";
}

TEST(LevelSeed, LoadUsesTheChosenSeedAndTellsIt) {
    Sector01 chosen;
    chosen.ChooseSeed(1765432109);
    chosen.Load();
    EXPECT_EQ(chosen.Seed(), 1765432109u);
    // Load draws the asteroid's place first, then the new game's offer and layout.
    Random dice(1765432109);
    EXPECT_EQ(chosen.asteroidX, static_cast<float>(dice.Next() % 410 + 101));
    EXPECT_EQ(chosen.asteroidY, static_cast<float>(dice.Next() % 309 + 77));
    EXPECT_EQ(chosen.planetScience, dice.Next() % 300);
    EXPECT_EQ(chosen.planetEnergy, dice.Next() % 300);
    EXPECT_EQ(chosen.sectorLayout, dice.Next() % 10 + 1);
    EXPECT_EQ(chosen.random, dice);
}

TEST(LevelSeed, WithoutAChoiceLoadSeedsWithTheTimeInSeconds) {
    const auto before = static_cast<uint32_t>(std::time(nullptr));
    Sector01 level;
    level.Load();
    const auto after = static_cast<uint32_t>(std::time(nullptr));
    EXPECT_GE(level.Seed(), before);
    EXPECT_LE(level.Seed(), after);
    Sector01 again;
    again.ChooseSeed(level.Seed());
    again.Load();
    EXPECT_EQ(again.random, level.random) << "the seed told is the one the dice started from";
    EXPECT_EQ(again.asteroidX, level.asteroidX);
    EXPECT_EQ(again.sectorLayout, level.sectorLayout);
}

} // namespace

} // namespace vantor::test
