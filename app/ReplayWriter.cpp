#include "app/ReplayWriter.h"

#include "game/LevelDigest.h"

#include <cerrno>
#include <cinttypes>
#include <cstring>
#include <utility>

namespace vantor::app {

using game::LevelDigest;

namespace {

// Room for the longest line a replay holds, its line end and the string's end.
constexpr int LineRoom = static_cast<int>(Replay::LongestLine) + 2;

} // namespace

ReplayWriter::~ReplayWriter() {
    Close();
}

void ReplayWriter::Close() {
    if (file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
}

bool ReplayWriter::Fail(std::string why) {
    if (problem.empty()) {
        problem = (path.empty() ? std::string("the replay") : path) + ": " + std::move(why);
    }
    // What was written before the fault is kept, as a replay without its end.
    Close();
    return false;
}

bool ReplayWriter::Ready(const char* what) {
    if (!problem.empty() || finished) {
        return false;
    }
    if (file == nullptr || !begun) {
        return Fail(std::string(what) + " before the replay was begun");
    }
    return true;
}

bool ReplayWriter::Open(const std::string& where) {
    if (file != nullptr || !problem.empty() || finished) {
        return Fail("opened twice");
    }
    path = where;
    // Binary: the same bytes on every platform, one '\n' a line.
    file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return Fail(std::string("cannot write: ") + std::strerror(errno));
    }
    return true;
}

bool ReplayWriter::Line(const char* text, int length) {
    if (length <= 0 || length >= LineRoom) {
        return Fail("a line too long for a replay");
    }
    if (std::fwrite(text, 1, static_cast<size_t>(length), file) != static_cast<size_t>(length)) {
        return Fail(std::string("cannot write: ") + std::strerror(errno));
    }
    return true;
}

bool ReplayWriter::Begin(std::string_view gameVersion, uint32_t seed) {
    if (!problem.empty() || finished) {
        return false;
    }
    if (file == nullptr || begun) {
        return Fail(file == nullptr ? "begun before it was opened" : "begun twice");
    }
    if (!Replay::IsVersion(gameVersion)) {
        return Fail("the game's version is no version a replay can name");
    }
    begun = true;
    char text[LineRoom];
    int length =
        std::snprintf(text, sizeof text, "%.*s %d\n", static_cast<int>(Replay::FormatName.size()),
                      Replay::FormatName.data(), Replay::FormatVersion);
    if (!Line(text, length)) {
        return false;
    }
    length = std::snprintf(text, sizeof text, "game %.*s\n", static_cast<int>(gameVersion.size()),
                           gameVersion.data());
    if (!Line(text, length)) {
        return false;
    }
    length = std::snprintf(text, sizeof text, "seed %" PRIu32 "\n", seed);
    return Line(text, length);
}

bool ReplayWriter::Write(const Replay::Call& call) {
    if (!Ready("a call")) {
        return false;
    }
    std::string why;
    if (!Replay::Fits(call, why) || !order.TakeCall(call.update, why)) {
        return Fail("cannot record " + std::string(Replay::Word(call.kind)) + ": " + why);
    }
    const std::string_view word = Replay::Word(call.kind);
    char text[LineRoom];
    const int length =
        Replay::Arguments(call.kind) == 2
            ? std::snprintf(text, sizeof text, "%" PRIu32 " %.*s %d %d\n", call.update,
                            static_cast<int>(word.size()), word.data(), call.a, call.b)
            : std::snprintf(text, sizeof text, "%" PRIu32 " %.*s %d\n", call.update,
                            static_cast<int>(word.size()), word.data(), call.a);
    return Line(text, length);
}

bool ReplayWriter::Checkpoint(uint32_t update, uint64_t digest) {
    if (!Ready("a checkpoint")) {
        return false;
    }
    std::string why;
    if (!order.TakeCheckpoint(update, why)) {
        return Fail("cannot record the checkpoint: " + why);
    }
    char hex[17];
    LevelDigest::WriteHex(digest, hex);
    char text[LineRoom];
    return Line(text, std::snprintf(text, sizeof text, "%" PRIu32 " check %s\n", update, hex));
}

bool ReplayWriter::Finish(uint32_t updates, uint64_t finalDigest) {
    if (!Ready("the end")) {
        return false;
    }
    std::string why;
    if (!order.TakeEnd(updates, why)) {
        return Fail("cannot end the replay: " + why);
    }
    char hex[17];
    LevelDigest::WriteHex(finalDigest, hex);
    char text[LineRoom];
    const bool written =
        Line(text, std::snprintf(text, sizeof text, "%" PRIu32 " end %s\n", updates, hex));
    finished = true;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (written && !closed) {
        return Fail(std::string("cannot write: ") + std::strerror(errno));
    }
    return written;
}

bool ReplayWriter::Flush() {
    if (file == nullptr || !problem.empty()) {
        return problem.empty();
    }
    if (std::fflush(file) != 0) {
        return Fail(std::string("cannot write: ") + std::strerror(errno));
    }
    return true;
}

} // namespace vantor::app
