#include "app/RecordingLevel.h"

#include "app/ReplayWriter.h"
#include "game/LevelDigest.h"
#include "game/Sector01.h"

#include <limits>
#include <utility>

namespace vantor::app {

namespace {

constexpr uint32_t UpdatesPerFlush = 60;

// A call's number as the replay keeps it; one too large for it is kept as a value the replay
// refuses, so that the writer says so instead of recording another call.
int16_t Narrowed(int value) {
    if (value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        return std::numeric_limits<int16_t>::min();
    }
    return static_cast<int16_t>(value);
}

} // namespace

RecordingLevel::Probe RecordingLevel::ProbeOf(const Sector01& level) {
    return {[&level] { return level.Seed(); }, [&level] { return game::LevelDigest::Of(level); }};
}

RecordingLevel::RecordingLevel(GameManager& level, ReplayWriter& writer, Probe probe,
                               std::string gameVersion)
    : level(level), writer(writer), probe(std::move(probe)), gameVersion(std::move(gameVersion)) {}

void RecordingLevel::Load() {
    level.Load();
    writer.Begin(gameVersion, probe.seed());
}

void RecordingLevel::Unload() {
    level.Unload();
}

void RecordingLevel::Render() {
    level.Render();
    renderDue = false;
    if (finishDue) {
        finishDue = false;
        if (writer.Writing()) {
            writer.Finish(updates, probe.digest());
        }
    }
}

void RecordingLevel::Update() {
    level.Update();
    ++updates;
    renderDue = true;
    if (!writer.Writing()) {
        return;
    }
    if (updates % Replay::CheckpointEvery == 0) {
        writer.Checkpoint(updates, probe.digest());
    }
    if (updates % UpdatesPerFlush == 0) {
        writer.Flush();
    }
}

void RecordingLevel::Note(Replay::Kind kind, int a, int b) {
    if (writer.Writing()) {
        writer.Write(Replay::Call{updates, kind, Narrowed(a), Narrowed(b)});
    }
}

void RecordingLevel::OnLeftClick(int x, int y) {
    level.OnLeftClick(x, y);
    Note(Replay::Kind::Left, x, y);
}

void RecordingLevel::OnRightClick(int x, int y) {
    level.OnRightClick(x, y);
    Note(Replay::Kind::Right, x, y);
}

void RecordingLevel::OnPlanetChoice(int choice) {
    level.OnPlanetChoice(choice);
    Note(Replay::Kind::Planet, choice);
}

void RecordingLevel::OnEnter(bool showTitle) {
    level.OnEnter(showTitle);
    Note(Replay::Kind::Enter, showTitle ? 1 : 0);
}

void RecordingLevel::OnMenuKey(bool open) {
    level.OnMenuKey(open);
    Note(Replay::Kind::MenuKey, open ? 1 : 0);
}

void RecordingLevel::OnMenuAction(int action) {
    level.OnMenuAction(action);
    Note(Replay::Kind::MenuAction, action);
}

bool RecordingLevel::Finish() {
    if (!writer.Writing() || finishDue) {
        return false;
    }
    if (renderDue) {
        finishDue = true;
        return true;
    }
    return writer.Finish(updates, probe.digest());
}

} // namespace vantor::app
