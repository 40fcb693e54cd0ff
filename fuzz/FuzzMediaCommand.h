#pragma once

#include "sound/MediaCommand.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor::fuzz {

// What became of one input of the sound command fuzzer.
struct CommandFuzzOutcome {
    sound::MediaCommand::Verb verb = sound::MediaCommand::Verb::Invalid;
    std::string file;
    bool repeat = false;
    const char* fault = nullptr; // a promise of the parser that did not hold; null when all did
};

// Parses the bytes as a sound command, both as exactly these bytes and as a zero-terminated
// string, checks the result against a plain reading of the command rules, and hands the
// string to SendMediaCommand and to a sound player that is not open, neither of which may do
// anything with it.
CommandFuzzOutcome RunCommandInput(const uint8_t* data, size_t size);

// The fuzzer's entry: the same, ending the process when a promise did not hold.
int FuzzMediaCommand(const uint8_t* data, size_t size);

} // namespace vantor::fuzz
