#pragma once

#include "app/Replay.h"

#include <string>
#include <string_view>

namespace vantor::app {

// Reads a whole replay file strictly (the format is in docs/REPLAYS.md): the first line names
// the format and its version, then the game's version and the seed, then one record a line,
// the end line last, every line ended by '\n' (a '\r' before it is allowed). Anything else is
// refused with one line that says where and what, such as
//   line 12: unknown call 'jump'
//   wrong version 3 (this game reads 1)
//   truncated: no end line
// and nothing of the replay is kept. Memory stays within Replay's limits whatever the file
// holds: a line longer than Replay::LongestLine is refused as it is read, and so is a call
// beyond Replay::MostCalls.
//
// Plain functions: any thread, each call on its own; nothing is thrown.
class ReplayReader {
public:
    // False, with the reason in problem, when the file cannot be opened or read as a replay.
    static bool ReadFile(const std::string& path, Replay& replay, std::string& problem);
    // The same for the bytes of a file.
    static bool ReadText(std::string_view text, Replay& replay, std::string& problem);
};

} // namespace vantor::app
