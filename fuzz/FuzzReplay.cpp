#include "fuzz/FuzzReplay.h"

#include "app/Replay.h"
#include "app/ReplayReader.h"
#include "app/ReplayWriter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace vantor::fuzz {

namespace {

using app::Replay;

// The longest line a refusal may take: the reader's messages show at most a short piece of
// what they refuse.
constexpr std::size_t LongestProblem = 160;

const char* CheckProblem(const std::string& problem) {
    if (problem.empty() || problem.size() > LongestProblem) {
        return "a refused file's line is empty or too long";
    }
    for (char c : problem) {
        if (c < ' ' || c > '~') {
            return "a refused file's line holds a character that is not printable";
        }
    }
    return nullptr;
}

const char* CheckReplay(const Replay& replay) {
    if (!Replay::IsVersion(replay.gameVersion)) {
        return "a replay read with a version no file may name";
    }
    if (replay.updates > Replay::MostUpdates || replay.calls.size() > Replay::MostCalls) {
        return "a replay read beyond the limits";
    }
    uint32_t last = 0;
    for (const Replay::Call& call : replay.calls) {
        std::string why;
        if (!Replay::Fits(call, why)) {
            return "a replay read with a call the shell cannot send";
        }
        if (call.update < last || call.update > replay.updates) {
            return "a replay read with its calls out of order";
        }
        last = call.update;
    }
    if (replay.checkpoints.size() != replay.updates / Replay::CheckpointEvery) {
        return "a replay read with checkpoints missing or too many";
    }
    for (std::size_t i = 0; i < replay.checkpoints.size(); ++i) {
        if (replay.checkpoints[i].update != (i + 1) * Replay::CheckpointEvery) {
            return "a replay read with a checkpoint out of its place";
        }
    }
    return nullptr;
}

// The replay written out as a recording writes it, in a file of this process's own.
bool WriteAgain(const Replay& replay, const std::string& path) {
    app::ReplayWriter writer;
    bool written = writer.Open(path) && writer.Begin(replay.gameVersion, replay.seed);
    std::size_t checkpoint = 0;
    for (const Replay::Call& call : replay.calls) {
        for (; checkpoint < replay.checkpoints.size() &&
               replay.checkpoints[checkpoint].update <= call.update;
             ++checkpoint) {
            written = written && writer.Checkpoint(replay.checkpoints[checkpoint].update,
                                                   replay.checkpoints[checkpoint].digest);
        }
        written = written && writer.Write(call);
    }
    for (; checkpoint < replay.checkpoints.size(); ++checkpoint) {
        written = written && writer.Checkpoint(replay.checkpoints[checkpoint].update,
                                               replay.checkpoints[checkpoint].digest);
    }
    return written && writer.Finish(replay.updates, replay.finalDigest);
}

const char* CheckWrittenAgain(const Replay& replay) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
        return nullptr; // nowhere to write: nothing to check
    }
    const std::string path =
        (folder / ("vantor-fuzz-replay-" + std::to_string(getpid()) + ".replay")).string();
    const bool written = WriteAgain(replay, path);
    Replay again;
    std::string problem;
    const bool read = written && app::ReplayReader::ReadFile(path, again, problem);
    std::filesystem::remove(path, error);
    if (!written) {
        return "the writer refused a replay the reader took";
    }
    if (!read || !(again == replay)) {
        return "a replay written again reads back otherwise";
    }
    return nullptr;
}

} // namespace

ReplayFuzzOutcome RunReplayInput(const uint8_t* data, size_t size) {
    ReplayFuzzOutcome outcome;
    Replay untouched;
    untouched.seed = 12345;
    Replay replay = untouched;
    outcome.read = app::ReplayReader::ReadText(
        std::string_view(reinterpret_cast<const char*>(data), size), replay, outcome.problem);
    if (!outcome.read) {
        outcome.fault = CheckProblem(outcome.problem);
        if (outcome.fault == nullptr && !(replay == untouched)) {
            outcome.fault = "a refused file changed the replay";
        }
        return outcome;
    }
    if (!outcome.problem.empty()) {
        outcome.fault = "a replay read with a problem said";
        return outcome;
    }
    outcome.fault = CheckReplay(replay);
    if (outcome.fault == nullptr) {
        outcome.fault = CheckWrittenAgain(replay);
    }
    if (outcome.fault != nullptr) {
        return outcome;
    }

    app::ReplayRun run(replay);
    const bool more = run.Advance(MostUpdates);
    const app::ReplayRun::Outcome& played = run.Now();
    outcome.result = played.result;
    outcome.updatesRun = played.updates;
    using Result = app::ReplayRun::Result;
    const bool diverged = !more && played.result == Result::Diverged;
    if (diverged && played.updates % Replay::CheckpointEvery != 0 &&
        played.updates != replay.updates) {
        outcome.fault = "a replay diverged where it holds no digest";
    } else if (replay.updates <= MostUpdates) {
        if (!diverged && (more || played.result != Result::Equal)) {
            outcome.fault = "a short replay played again without an answer";
        }
    } else if (!diverged &&
               !(more && played.result == Result::Running && played.updates == MostUpdates)) {
        outcome.fault = "a long replay did not stop where it was asked to";
    }
    return outcome;
}

int FuzzReplay(const uint8_t* data, size_t size) {
    const ReplayFuzzOutcome outcome = RunReplayInput(data, size);
    if (outcome.fault != nullptr) {
        std::fprintf(stderr, "replay fault: %s\n", outcome.fault);
        std::abort();
    }
    return 0;
}

} // namespace vantor::fuzz
