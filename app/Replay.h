#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::app {

// A recorded run of the level: enough to play the same game again. The rules are
// deterministic once the level's dice are seeded (one thread, one step per update, no clock),
// so a run is its seed and the level's calls, each with the number of updates done before it.
// Updates are not listed one by one: between two calls the updates are implied by their
// numbers, and the run's length is the count of the end. Every update stands for a whole frame
// as the shell runs it: Update, then Render (drawing changes a few rule fields too).
//
// Alongside, the digest of the level's rules (game::LevelDigest) right after every
// CheckpointEvery-th update, and at the very end, so that a replay that parts from the
// recording says at which checkpoint it did. The text format is in docs/REPLAYS.md; written by
// ReplayWriter, read by ReplayReader, played by ReplayRun.
//
// Plain data, copied and compared as values. The limits below bound everything a file can
// ask for: its lines, their length, the calls kept, the updates run.
struct Replay {
    // The level's operations a replay holds; the words are the file's.
    enum class Kind : uint8_t {
        Left,       // OnLeftClick(a, b)
        Right,      // OnRightClick(a, b)
        Planet,     // OnPlanetChoice(a)
        Enter,      // OnEnter(a != 0)
        MenuKey,    // OnMenuKey(a != 0)
        MenuAction, // OnMenuAction(a)
    };
    static constexpr int KindCount = 6;

    struct Call {
        uint32_t update = 0; // the updates done before the call
        Kind kind = Kind::Left;
        int16_t a = 0;
        int16_t b = 0;
        bool operator==(const Call&) const = default;
    };

    struct Checkpoint {
        uint32_t update = 0; // the digest was taken right after this many updates
        uint64_t digest = 0;
        bool operator==(const Checkpoint&) const = default;
    };

    static constexpr int FormatVersion = 1;
    static constexpr std::string_view FormatName = "vantor-replay";
    static constexpr uint32_t CheckpointEvery = 600; // ten seconds of play
    // A week of play at 60 updates a second: a replay that long is checked in a few minutes.
    static constexpr uint32_t MostUpdates = 60u * 60u * 60u * 24u * 7u;
    // Some 100 MB of calls in memory at most, far beyond any real run's.
    static constexpr std::size_t MostCalls = 8'000'000;
    static constexpr std::size_t LongestLine = 64; // characters, without the line end
    static constexpr std::size_t LongestVersion = 32;
    // The game picture, where every click lies (the shell sends no click outside it).
    static constexpr int GameWidth = 1024;
    static constexpr int GameHeight = 768;

    std::string gameVersion; // of the game that recorded the run
    uint32_t seed = 0;
    std::vector<Call> calls;             // in the order the level got them
    std::vector<Checkpoint> checkpoints; // after update 600, 1200, ... up to the end
    uint32_t updates = 0;                // in the whole run
    uint64_t finalDigest = 0;            // after the last update and the calls after it

    bool operator==(const Replay&) const = default;

    // The word of a kind in the file, and the kind of a word (false for none).
    static std::string_view Word(Kind kind);
    static bool KindOf(std::string_view word, Kind& kind);
    // How many numbers a call of the kind carries (2 for clicks, else 1).
    static int Arguments(Kind kind);
    // Whether the call's numbers are ones the shell can send: clicks inside the game picture,
    // planet choices 1 to 3, engineering actions 4 to 6, Enter and the menu key 0 or 1. When
    // not, why, in a few words.
    static bool Fits(const Call& call, std::string& why);
    // A version as a file may name it: 1 to LongestVersion letters, digits and . + - ~ _.
    static bool IsVersion(std::string_view version);

    // The order every replay keeps, for the writer and the reader alike: update numbers never
    // go back; a checkpoint after every CheckpointEvery updates, each before the calls that
    // come after its update and none missing; at most MostCalls calls and MostUpdates updates;
    // the end last, with every checkpoint up to it. Each Take* says whether the next record
    // keeps the order, and why not.
    class Order {
    public:
        bool TakeCall(uint32_t update, std::string& why);
        bool TakeCheckpoint(uint32_t update, std::string& why);
        bool TakeEnd(uint32_t updates, std::string& why);
        bool Ended() const { return ended; }

    private:
        uint32_t last = 0; // the last record's update number
        uint32_t nextCheckpoint = CheckpointEvery;
        std::size_t calls = 0;
        bool ended = false;
    };
};

} // namespace vantor::app
