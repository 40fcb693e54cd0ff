#pragma once

#include "support/InstalledPlayer.h"

namespace vantor::test {

// Stands behind SendMediaCommand for its lifetime and only counts the commands it is sent, so
// that benchmarks of the game's logic and drawing measure no sound work.
class CountingPlayer final : public InstalledPlayer {
public:
    void Send(const char*) override { ++commands; }

    long long commands = 0;
};

} // namespace vantor::test
