#pragma once

#include "app/Replay.h"
#include "game/Sector01.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class GameManager;

namespace vantor::app {

// Plays a replay again and says whether it ends where the recording did.
//
// Headless: the run owns a fresh Sector01, seeded from the replay and loaded without pictures
// (GameManager::graphics must be unset, as in the checking program; with a device set the
// level loads its pictures as well, which changes nothing of the rules and takes longer). Each
// update is run as the shell runs a frame: the calls due before it, Update, the checkpoint
// compared, Render; after the last update, the calls made after it, then the final digest is
// compared. Sounds go to whatever player is installed (none: silence). The run stops at the
// first checkpoint that differs.
//
// Step by step, for a level run elsewhere (the windowed replay, a frame at a time):
// CallsBefore, CheckpointAfter and Issue give what the run does, to do it with another level.
//
// The replay must outlive the run and be one the reader accepted (calls in the order of their
// updates). One thread; the level's Unload is called when the run goes.
class ReplayRun {
public:
    enum class Result {
        Running,    // not at the end yet
        Equal,      // every checkpoint and the end agree
        Diverged,   // a checkpoint or the end differs
        Unreadable, // the file could not be read as a replay
    };

    struct Outcome {
        Result result = Result::Running;
        uint32_t updates = 0;   // run: all of them, or up to the checkpoint that differs
        uint64_t digest = 0;    // the level's after those updates
        uint64_t expected = 0;  // the replay's there
        uint32_t lastEqual = 0; // the last update after which the digests agreed (Diverged)
        std::string problem;    // the reader's line (Unreadable)

        // One line for a person, without the file's name:
        //   equal: 3600 updates, digest 0123456789abcdef
        //   diverged after update 1200 (equal after update 600): digest ..., the replay has ...
        //   diverged after update 600 (the first checkpoint): digest ..., the replay has ...
        //   unreadable: line 12: unknown call 'jump'
        std::string Line() const;
        // The checking program's exit status: 0 equal, 1 diverged, 2 unreadable (or running).
        int ExitStatus() const;
    };

    explicit ReplayRun(const Replay& replay);
    ~ReplayRun();
    ReplayRun(const ReplayRun&) = delete;
    ReplayRun& operator=(const ReplayRun&) = delete;

    // Runs at most `most` more updates; false once the run is over (equal or diverged).
    bool Advance(uint32_t most);
    const Outcome& Now() const { return outcome; }
    const Sector01& Level() const { return level; }

    // The calls due before the update of this index (counting from 0): those recorded after
    // `update` updates. CallsBefore(replay.updates) are the calls after the last update.
    std::span<const Replay::Call> CallsBefore(uint32_t update) const;
    // The digest the replay holds for right after this many updates, if it holds one.
    std::optional<uint64_t> CheckpointAfter(uint32_t updates) const;
    // Makes the level call that the replay's call stands for.
    static void Issue(const Replay::Call& call, GameManager& level);

    // The whole replay, headless.
    static Outcome Verify(const Replay& replay);
    // The file read and, when it is a replay, verified.
    static Outcome VerifyFile(const std::string& path);

private:
    void IssueCallsBefore(uint32_t update);
    bool Compare(uint64_t expected);

    const Replay& replay;
    Sector01 level;
    Outcome outcome;
    std::size_t nextCall = 0;
    std::size_t nextCheckpoint = 0;
};

} // namespace vantor::app
