#pragma once

#include "app/Records.h"
#include "game/LevelView.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace vantor::app {

class RecordsFile;

// Keeps the best runs as the game is played: it watches what the level shows each frame, adds
// a run to the records when it ends (a victory or a defeat), or when the player leaves one
// past the first sector, and saves them at once. It also writes what the shell shows of them:
// the best run on the title, this run at the end (and whether it is a new best), and the
// Records screen's lines.
//
// Owns the records; the file (null: none kept) and the clock outlive it. One thread, the
// game's. A frame allocates nothing but when a run ends. A file that cannot be written keeps
// the records for this run only (RecordsFile says so once).
class RunRecords {
public:
    static constexpr int FramesPerSecond = 60;

    RunRecords(RecordsFile* file, Records records, std::function<std::time_t()> clock);

    // A frame of the game ran and the level shows this now.
    void Frame(const game::LevelView& now);
    // The player leaves the game (quit, the close box): a run past the first sector and not
    // over yet is kept as left.
    void Leave();

    const Records& Kept() const { return records; }
    // "Best run: victory · 12 kills · 41:05", empty without runs.
    std::wstring BestLine() const;
    // At the end: "This run: sector 9 of 15 · 7 kills · 2:05 · a new best!", empty otherwise.
    const std::wstring& EndLine() const { return endLine; }
    // The Records screen: a heading line and one line a run, best first (at most ten).
    std::vector<std::wstring> ScreenLines() const;

private:
    void Add(Records::Result result, const game::LevelView& level);

    RecordsFile* file;
    Records records;
    std::function<std::time_t()> clock;
    game::LevelView last;
    int64_t framesPlayed = 0;
    bool counted = false; // this run is in the records
    std::wstring endLine;
};

} // namespace vantor::app
