#pragma once

#include "app/Replay.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vantor::app {

// Writes a replay file as the run goes (the format is in docs/REPLAYS.md): the header once the
// seed is known, then a line for each call and checkpoint, and the end line when the run is
// over. Lines are buffered; Flush hands them to the system, which the owner does every second
// or so, so that a crash loses at most that much. A file without its end line (a run that
// never finished) reads as truncated.
//
// The writer keeps the order every replay keeps (Replay::Order) and only calls the shell can
// send (Replay::Fits). The first fault of any kind (a file that cannot be made or written, a
// record out of order, a call no replay holds) stops the writing for good: the file is closed
// with what was written before (a replay without its end), Problem() says what it was in one
// line, and every later call is a no-op that returns false. Nothing is thrown.
//
// Owns its file, closed when the writer goes (without an end line, unless Finish wrote it).
// Writing a record allocates nothing. One thread.
class ReplayWriter {
public:
    ReplayWriter() = default;
    ~ReplayWriter();
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;

    // Makes the file, empty (replacing one of that name), so that a path that cannot be
    // written is known before the run starts.
    bool Open(const std::string& path);
    // Writes the header: the format and its version, the game's version (Replay::IsVersion),
    // the seed the level was loaded with. Once, after Open.
    bool Begin(std::string_view gameVersion, uint32_t seed);
    // A call the level got, after Begin.
    bool Write(const Replay::Call& call);
    // The level's digest right after the given update, a multiple of CheckpointEvery.
    bool Checkpoint(uint32_t update, uint64_t digest);
    // The end: how many updates the run had, and the digest after its last call. Closes the
    // file; false when anything went wrong, the closing included.
    bool Finish(uint32_t updates, uint64_t finalDigest);
    // Hands what is buffered to the system.
    bool Flush();

    // Open, begun and neither finished nor stopped by a fault.
    bool Writing() const { return file != nullptr && begun && problem.empty(); }
    bool Finished() const { return finished; }
    const std::string& Problem() const { return problem; }
    const std::string& Path() const { return path; }

private:
    bool Line(const char* text, int length);
    bool Fail(std::string why);
    bool Ready(const char* what);
    void Close();

    std::FILE* file = nullptr;
    std::string path;
    Replay::Order order;
    bool begun = false;
    bool finished = false;
    std::string problem;
};

} // namespace vantor::app
