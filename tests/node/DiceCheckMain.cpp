// vantor-dice-check: the level's dice against the numbers the GNU C library's rand() gave on
// Linux for the same seeds (tests/game/KnownDice.h), where no test framework runs: built with
// Emscripten and run under node in the web stage. One line a seed; exit status 0 when every
// seed draws the known numbers, 1 otherwise.
#include "KnownDice.h"

#include "game/Random.h"

#include <cinttypes>
#include <cstdio>

int main() {
    using vantor::game::Random;
    using vantor::test::KnownDice;
    int status = 0;
    for (const KnownDice& known : vantor::test::GnuDice) {
        const auto numbers = KnownDice::AtPlaces(Random(known.seed));
        const uint64_t hash = KnownDice::HashOfFirst(Random(known.seed), KnownDice::Drawn);
        bool same = hash == known.hash;
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            if (numbers[i] != known.numbers[i]) {
                std::printf("seed %" PRIu32 ": number %d is %" PRId32 ", rand() gave %" PRId32 "\n",
                            known.seed, KnownDice::Places[i] + 1, numbers[i], known.numbers[i]);
                same = false;
            }
        }
        std::printf("seed %" PRIu32 ": %s: the first %d numbers hash to %016" PRIx64 "%s\n",
                    known.seed, same ? "equal" : "DIFFERENT", KnownDice::Drawn, hash,
                    hash == known.hash ? "" : " (rand()'s do not)");
        if (!same) {
            status = 1;
        }
    }
    return status;
}
