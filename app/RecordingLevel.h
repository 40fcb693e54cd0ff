#pragma once

#include "app/GameManager.h"
#include "app/Replay.h"

#include <cstdint>
#include <functional>
#include <string>

class Sector01;

namespace vantor::app {

class ReplayWriter;

// Stands in front of the real level as the installed level and records the run into a
// ReplayWriter: every call is passed on to the level unchanged and in order, and each one the
// rules hear (clicks, planet choices, Enter, the menu key and its actions) is written with the
// number of updates so far. Load passes on, then writes the header with the seed the level
// took; after every Replay::CheckpointEvery-th update, before its Render, the level's digest is
// written as a checkpoint; every 60 updates (a second of play) the writer is flushed. Finish
// writes the end line with the update count and the digest of the level as it is then.
//
// Updates are counted, not written: the replay's updates stand for whole frames, so the owner
// must pass each Update's Render before any other call, as the shell's frame does.
//
// Owns nothing: the level, the writer and whatever the probe reads outlive it. A writer that
// fails (Problem()) only stops the recording; the level plays on unaware. One thread, the
// game's. Passing a call allocates nothing.
class RecordingLevel : public GameManager {
public:
    // What the recording reads of the level: the seed it was loaded with, and its digest.
    struct Probe {
        std::function<uint32_t()> seed;
        std::function<uint64_t()> digest;
    };
    // The probe of the game's one level.
    static Probe ProbeOf(const Sector01& level);

    RecordingLevel(GameManager& level, ReplayWriter& writer, Probe probe, std::string gameVersion);

    void Load() override;
    void Unload() override;
    void Render() override;
    void Update() override;
    void OnLeftClick(int x, int y) override;
    void OnRightClick(int x, int y) override;
    void OnPlanetChoice(int choice) override;
    void OnEnter(bool showTitle) override;
    void OnMenuKey(bool open) override;
    void OnMenuAction(int action) override;

    // Writes the end line: the run is over as far as the replay goes (the player quits, closes
    // the window, or reaches the end screen). Later calls still reach the level but are not
    // written. Called within a frame, between its Update and its Render (where the shell
    // looks at the level), the end is written right after that Render, so that the replay
    // ends on a whole frame. False when the replay cannot be finished: not begun, finished
    // before, or the writer failed (its Problem()).
    bool Finish();

    uint32_t Updates() const { return updates; }

private:
    void Note(Replay::Kind kind, int a, int b = 0);

    GameManager& level;
    ReplayWriter& writer;
    Probe probe;
    std::string gameVersion;
    uint32_t updates = 0;
    bool renderDue = false; // an Update whose Render has not come yet
    bool finishDue = false; // Finish asked for within a frame
};

} // namespace vantor::app
