#pragma once

#include "support/InstalledPlayer.h"

#include <cstdint>

namespace vantor::test {

// Stands in for the sound player for its lifetime and checks every command the game sends:
// it must parse, and the file it names must be one of the game's sound files. Keeps counts
// only, so that a long run stays the same size.
class CommandChecker final : public InstalledPlayer {
public:
    void Send(const char* command) override;

    int64_t sent = 0;
    int64_t invalid = 0;     // did not parse
    int64_t unknownFile = 0; // parsed, but named a file the game does not have
};

} // namespace vantor::test
