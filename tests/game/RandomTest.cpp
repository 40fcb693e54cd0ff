// The level's dice draw the GNU C library's numbers on every platform: against the C library
// itself where it is the GNU one, and against numbers it gave once everywhere else too.
#include "KnownDice.h"

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

constexpr int Drawn = KnownDice::Drawn;

uint64_t HashOfFirst(Random dice, int count) {
    return KnownDice::HashOfFirst(dice, count);
}

TEST(LevelDice, DrawWhatTheGnuCLibraryDrewForTheSameSeeds) {
    for (const KnownDice& known : GnuDice) {
        Random dice(known.seed);
        for (int i = 0; i < Drawn; ++i) {
            ASSERT_GE(dice.Next(), 0) << "seed " << known.seed << ", number " << i + 1;
        }
        const std::array<int32_t, 5> numbers = KnownDice::AtPlaces(Random(known.seed));
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
