#pragma once

#include <cstddef>
#include <ctime>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::app {

// The best runs of the game, best first: a victory before any other end, then the sector
// reached, then the enemies destroyed, then the shorter time. Runs that compare equal keep the
// order they were added in. RecordsFile keeps them between runs; the Records screen shows the
// best ten.
//
// Only the best Kept runs are kept: enough that the screen's ten never run short, and the file
// stays small however long the game is played. A run worse than all of them is not kept.
//
// A plain value: copied and compared as one, one thread at a time. Nothing can fail.
class Records {
public:
    enum class Result {
        Victory, // the boss destroyed
        Defeat,  // the ship wrecked or out of warp energy
        Left,    // the player quit in the middle of a run, past the first sector
    };

    struct Run {
        std::string date; // local time the run ended, "YYYY-MM-DD HH:MM"
        Result result = Result::Left;
        int sector = 1;      // reached: 1 to 15, 16 after a victory
        int kills = 0;       // enemies destroyed, the boss included
        int rank = 0;        // 0 to 2
        int weaponLevel = 0; // 0 to 2
        int seconds = 0;     // time played
        bool operator==(const Run&) const = default;
    };

    static constexpr std::size_t Kept = 100;
    static constexpr std::size_t Shown = 10;

    // The highest figures a run may hold (a file that says more is no records file).
    static constexpr int MostKills = 1'000'000;
    static constexpr int MostSeconds = 2'000'000'000;

    // Whether a comes before b.
    static bool Better(const Run& a, const Run& b);

    // Puts the run in its place. Its place from 0, or -1 when it is not among the Kept best.
    int Add(const Run& run);

    // Every run kept, best first.
    const std::vector<Run>& Runs() const { return runs; }
    // The best count of them (fewer when fewer are kept).
    std::span<const Run> Best(std::size_t count = Shown) const;

    // The local date and time as a run keeps it.
    static std::string DateOf(std::time_t time);

    // Whether the run holds what a run of the game can: a date written as DateOf writes one,
    // figures in their ranges. When not, why, in a few words.
    static bool IsRun(const Run& run, std::string& why);

    // The word of a result in the file ("victory", "defeat", "left"), and the result of a word.
    static std::string_view Word(Result result);
    static bool ResultOf(std::string_view word, Result& result);

    bool operator==(const Records&) const = default;

private:
    std::vector<Run> runs;
};

} // namespace vantor::app
