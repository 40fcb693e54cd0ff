#pragma once

#include "app/ReplayRun.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor::fuzz {

// What became of one input of the replay fuzzer.
struct ReplayFuzzOutcome {
    bool read = false;
    std::string problem; // the reader's line, for a refused input
    app::ReplayRun::Result result = app::ReplayRun::Result::Unreadable;
    uint32_t updatesRun = 0;
    const char* fault = nullptr; // a promise that did not hold; null when all did
};

// Reads the bytes as a replay file and checks what the reader promises: a refused file gives
// one short printable line and leaves the replay untouched; a replay read keeps every rule of
// the format (calls in range and in the order of their updates, every checkpoint in its place,
// the limits), and written out again with ReplayWriter it reads back the same. A replay read
// is then played again against a fresh headless level for at most MostUpdates updates, which
// must end equal or diverged at a checkpoint or the end when the replay is no longer than that.
//
// Owns nothing past the call: the level is made and unloaded within it, and the replay written
// again goes to a scratch file named after the process in the temporary folder, removed before
// the call returns (so one call at a time in a process). A broken promise is returned as the
// fault, never thrown; with no temporary folder the writing again is left out.
ReplayFuzzOutcome RunReplayInput(const uint8_t* data, size_t size);

// Updates played of a replay at most, so that every input is done with quickly.
constexpr uint32_t MostUpdates = 3000;

// The fuzzer's entry: the same, ending the process when a promise did not hold.
int FuzzReplay(const uint8_t* data, size_t size);

} // namespace vantor::fuzz
