#include "app/ReplayRun.h"

#include "app/GameManager.h"
#include "app/ReplayReader.h"
#include "game/LevelDigest.h"

#include <algorithm>
#include <cstddef>

namespace vantor::app {

using game::LevelDigest;

std::string ReplayRun::Outcome::Line() const {
    switch (result) {
    case Result::Equal:
        return "equal: " + std::to_string(updates) + " updates, digest " + LevelDigest::Hex(digest);
    case Result::Diverged:
        return "diverged after update " + std::to_string(updates) +
               (lastEqual > 0 ? " (equal after update " + std::to_string(lastEqual) + ")"
                              : std::string(" (the first checkpoint)")) +
               ": digest " + LevelDigest::Hex(digest) + ", the replay has " +
               LevelDigest::Hex(expected);
    case Result::Unreadable:
        return "unreadable: " + problem;
    case Result::Running:
        break;
    }
    return "running: " + std::to_string(updates) + " updates so far";
}

int ReplayRun::Outcome::ExitStatus() const {
    switch (result) {
    case Result::Equal:
        return 0;
    case Result::Diverged:
        return 1;
    case Result::Unreadable:
    case Result::Running:
        break;
    }
    return 2;
}

ReplayRun::ReplayRun(const Replay& replay) : replay(replay) {
    level.ChooseSeed(replay.seed);
    level.Load();
}

ReplayRun::~ReplayRun() {
    level.Unload();
}

std::span<const Replay::Call> ReplayRun::CallsBefore(uint32_t update) const {
    const auto [first, last] = std::equal_range(
        replay.calls.begin(), replay.calls.end(), Replay::Call{update},
        [](const Replay::Call& a, const Replay::Call& b) { return a.update < b.update; });
    // From a pointer and a count: the C++ library of the web build (Emscripten 3.1.6's libc++)
    // has no span from a pair of iterators.
    return {replay.calls.data() + (first - replay.calls.begin()),
            static_cast<std::size_t>(last - first)};
}

std::optional<uint64_t> ReplayRun::CheckpointAfter(uint32_t updates) const {
    if (updates == 0 || updates % Replay::CheckpointEvery != 0) {
        return std::nullopt;
    }
    const std::size_t index = updates / Replay::CheckpointEvery - 1;
    if (index >= replay.checkpoints.size() || replay.checkpoints[index].update != updates) {
        return std::nullopt;
    }
    return replay.checkpoints[index].digest;
}

void ReplayRun::Issue(const Replay::Call& call, GameManager& level) {
    switch (call.kind) {
    case Replay::Kind::Left:
        level.OnLeftClick(call.a, call.b);
        break;
    case Replay::Kind::Right:
        level.OnRightClick(call.a, call.b);
        break;
    case Replay::Kind::Planet:
        level.OnPlanetChoice(call.a);
        break;
    case Replay::Kind::Enter:
        level.OnEnter(call.a != 0);
        break;
    case Replay::Kind::MenuKey:
        level.OnMenuKey(call.a != 0);
        break;
    case Replay::Kind::MenuAction:
        level.OnMenuAction(call.a);
        break;
    }
}

void ReplayRun::IssueCallsBefore(uint32_t update) {
    // The calls are in the order of their updates, so the run walks through them once.
    while (nextCall < replay.calls.size() && replay.calls[nextCall].update == update) {
        Issue(replay.calls[nextCall], level);
        ++nextCall;
    }
}

bool ReplayRun::Compare(uint64_t expected) {
    outcome.digest = LevelDigest::Of(level);
    outcome.expected = expected;
    if (outcome.digest != expected) {
        outcome.result = Result::Diverged;
        return false;
    }
    outcome.lastEqual = outcome.updates;
    return true;
}

bool ReplayRun::Advance(uint32_t most) {
    if (outcome.result != Result::Running) {
        return false;
    }
    for (uint32_t step = 0; step < most && outcome.updates < replay.updates; ++step) {
        IssueCallsBefore(outcome.updates);
        level.Update();
        ++outcome.updates;
        if (nextCheckpoint < replay.checkpoints.size() &&
            replay.checkpoints[nextCheckpoint].update == outcome.updates) {
            if (!Compare(replay.checkpoints[nextCheckpoint++].digest)) {
                return false;
            }
        }
        level.Render();
    }
    if (outcome.updates < replay.updates) {
        return true;
    }
    IssueCallsBefore(outcome.updates);
    if (Compare(replay.finalDigest)) {
        outcome.result = Result::Equal;
    }
    return false;
}

ReplayRun::Outcome ReplayRun::Verify(const Replay& replay) {
    ReplayRun run(replay);
    while (run.Advance(Replay::MostUpdates)) {
    }
    return run.Now();
}

ReplayRun::Outcome ReplayRun::VerifyFile(const std::string& path) {
    Replay replay;
    Outcome outcome;
    if (!ReplayReader::ReadFile(path, replay, outcome.problem)) {
        outcome.result = Result::Unreadable;
        return outcome;
    }
    return Verify(replay);
}

} // namespace vantor::app
