// vantor-record-replays FOLDER: plays the five regression runs of the real level headless, each
// from its own seed and driven by the autopilot, records each through the recording level into
// FOLDER/<name>.replay, checks that the run ended as its name says and that the file plays again
// to the same end, and only then puts it in place of the old one. Any run that ends otherwise
// leaves the old file as it was and makes the program exit with 1, naming what went wrong.
// Re-recording is a deliberate act: scripts/record-replays.sh.
#include "Autopilot.h"

#include "app/RecordingLevel.h"
#include "app/ReplayRun.h"
#include "app/ReplayWriter.h"
#include "game/Sector01.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace vantor::test {

namespace {

using app::RecordingLevel;
using app::ReplayRun;
using app::ReplayWriter;

// What a run's play answers: nothing when the game ended as the run's name says, else why not.
using Failure = std::optional<std::string>;

// Far more frames than any run needs: a run that stalls fails instead of hanging.
constexpr int FrameLimit = 60000;
// The end screen or the new sector shown for a moment before the recording ends.
constexpr int LingerFrames = 120;

std::string Where(const Sector01& level, const Autopilot& pilot) {
    return " (frame " + std::to_string(pilot.Frames()) + ", sector " +
           std::to_string(static_cast<int>(level.sector)) + ", damage " +
           std::to_string(level.damageLevel) + ", warp " + std::to_string(level.warpEnergy) +
           ", boss hits " + std::to_string(level.bossHits) + ")";
}

// Enter on the title, and the first frame of play.
void Start(Autopilot& pilot) {
    pilot.Enter();
    pilot.Frame();
}

void Linger(Autopilot& pilot) {
    for (int i = 0; i < LingerFrames; ++i) {
        pilot.Frame();
    }
}

// Flies at the enemy wherever it is until it has rammed the ship to pieces.
Failure PlayToRamming(Autopilot& pilot, const Sector01& level) {
    while (!level.gameOver) {
        if (pilot.Frames() > FrameLimit) {
            return "never rammed to pieces" + Where(level, pilot);
        }
        pilot.AnswerPlanet(3);
        if (!pilot.ShipFlying() && pilot.EnemyInSight()) {
            pilot.FlyTo(static_cast<int>(level.enemyX), static_cast<int>(level.enemyY));
        }
        pilot.Frame();
    }
    if (level.playerWon || level.damageLevel < 6 || level.warpEnergy == 0) {
        return "the game ended, but not by ramming" + Where(level, pilot);
    }
    return std::nullopt;
}

Failure DefeatRammed(Autopilot& pilot, const Sector01& level) {
    Start(pilot);
    if (Failure failure = PlayToRamming(pilot, level)) {
        return failure;
    }
    Linger(pilot);
    return std::nullopt;
}

// Destroys the enemy of the first sector (which keeps it away for the rest of the sector), then
// flies to and fro until the warp energy is spent.
Failure DefeatWarp(Autopilot& pilot, const Sector01& level) {
    Start(pilot);
    while (level.enemiesDestroyed == 0) {
        if (pilot.Frames() > FrameLimit || (level.weaponEnergy < 20 && !pilot.TorpedoFlying())) {
            return "the enemy of the first sector was never destroyed" + Where(level, pilot);
        }
        if (!pilot.TorpedoFlying()) {
            pilot.FireAtEnemy();
        }
        pilot.Frame();
    }
    const int turns[2][2] = {{300, 250}, {650, 520}};
    int next = 0;
    while (!level.gameOver) {
        if (pilot.Frames() > FrameLimit) {
            return "the warp energy never ran out" + Where(level, pilot);
        }
        pilot.AnswerPlanet(3);
        if (!pilot.ShipFlying()) {
            pilot.FlyTo(turns[next][0], turns[next][1]);
            next = 1 - next;
        }
        pilot.Frame();
    }
    if (level.warpEnergy != 0 || level.damageLevel >= 6 || level.playerWon) {
        return "the game ended, but not for want of warp energy" + Where(level, pilot);
    }
    Linger(pilot);
    return std::nullopt;
}

// The campaign: in each sector the ship stands still at the left edge, where the enemy does not
// move, and fires at it; once it is destroyed (or the torpedoes run short) the ship takes what
// the planets on screen offer and flies on past the right edge. Planets give energy while the
// ship is damaged and short of it, and otherwise science, or (for `trade`) energy and science
// in turn; engineering repairs, makes warp energy from energy and science (for `trade`), and
// turns the rest of the science into torpedoes. Plays until `done` says so or the game ends.
template <typename Done>
Failure Campaign(Autopilot& pilot, const Sector01& level, bool trade, Done done) {
    Start(pilot);
    float visitSector = 0;
    int visits[3] = {};
    while (!done() && !level.gameOver) {
        if (pilot.Frames() > FrameLimit) {
            return "stalled" + Where(level, pilot);
        }
        const bool needEnergy = level.damageLevel > 0 && level.energy < 200;
        const bool energyTurn = trade && pilot.Done().planetsAnswered % 2 == 0;
        pilot.AnswerPlanet(needEnergy || energyTurn ? 1 : 2);
        pilot.Engineer(trade);
        if (pilot.ShipFlying() || pilot.TorpedoFlying()) {
            pilot.Frame();
            continue;
        }
        if (level.sector != visitSector) {
            visitSector = level.sector;
            visits[0] = visits[1] = visits[2] = 0;
        }
        // An unanswered planet on screen, short of the right edge, not yet flown to thrice.
        int planetX = -1;
        int planetY = -1;
        const auto planets = level.SectorPlanets();
        for (int i = 0; i < 3 && planetX < 0; ++i) {
            const auto& planet = planets[i];
            if (planet.unclaimed && planet.x > 0 && planet.x < 900 && planet.y > 0 &&
                planet.y < 700 && visits[i] < 3) {
                ++visits[i];
                planetX = static_cast<int>(planet.x);
                planetY = static_cast<int>(planet.y);
            }
        }
        if (pilot.EnemyInSight() && level.weaponEnergy >= 20) {
            pilot.FireAtEnemy();
        } else if (level.weaponEnergy < 4 * 20 && planetX >= 0) {
            pilot.FlyTo(planetX, planetY);
        } else if (level.sector < 15) {
            pilot.FlyTo(1000, 77);
        } else {
            return "out of torpedoes at the boss" + Where(level, pilot);
        }
        pilot.Frame();
    }
    return std::nullopt;
}

Failure SevenSectors(Autopilot& pilot, const Sector01& level) {
    if (Failure failure = Campaign(pilot, level, true, [&level] { return level.sector >= 8; })) {
        return failure;
    }
    if (level.gameOver || level.sector != 8) {
        return "the game ended before the eighth sector" + Where(level, pilot);
    }
    if (pilot.Done().planetsAnswered == 0 || pilot.Done().engineeringActions == 0) {
        return "seven sectors without a planet or without engineering" + Where(level, pilot);
    }
    Linger(pilot);
    return std::nullopt;
}

Failure Victory(Autopilot& pilot, const Sector01& level) {
    if (Failure failure = Campaign(pilot, level, false, [] { return false; })) {
        return failure;
    }
    if (!level.playerWon || level.sector != 16 || level.bossHits < 6) {
        return "the game ended without the boss destroyed" + Where(level, pilot);
    }
    Linger(pilot);
    return std::nullopt;
}

// A game rammed to its end, Enter back to the title, and a second game played a little: the
// enemy fired at, a flight across the first sector.
Failure Restart(Autopilot& pilot, const Sector01& level) {
    if (Failure failure = DefeatRammed(pilot, level)) {
        return failure;
    }
    pilot.Enter();
    pilot.Frame();
    if (!level.titleScreen || level.gameOver || pilot.Done().returnsToTitle != 1) {
        return "Enter on the end screen did not go back to the title" + Where(level, pilot);
    }
    for (int i = 0; i < 60; ++i) {
        pilot.Frame();
    }
    Start(pilot);
    const int restartedAt = pilot.Frames();
    const int spots[3][2] = {{480, 360}, {250, 520}, {700, 240}};
    int next = 0;
    while (pilot.Frames() < restartedAt + 900) {
        pilot.AnswerPlanet(2);
        if (!pilot.ShipFlying() && !pilot.TorpedoFlying()) {
            if (pilot.EnemyInSight() && level.weaponEnergy >= 20) {
                pilot.FireAtEnemy();
            } else {
                pilot.FlyTo(spots[next][0], spots[next][1]);
                next = (next + 1) % 3;
            }
        }
        pilot.Frame();
    }
    if (!level.gameStarted || level.gameOver || level.titleScreen || level.damageLevel >= 6) {
        return "the second game is not in play" + Where(level, pilot);
    }
    return std::nullopt;
}

struct Run {
    const char* name;
    uint32_t seed;
    Failure (*play)(Autopilot&, const Sector01&);
};

constexpr Run Runs[] = {
    {"defeat-rammed", 20261210u, DefeatRammed},
    {"defeat-warp", 1765432109u, DefeatWarp},
    {"seven-sectors", 29u, SevenSectors},
    {"victory", 6u, Victory},
    {"restart", 42u, Restart},
};

// Records one run into FOLDER/<name>.replay: written beside it first, checked, then moved over.
bool Record(const Run& run, const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / (std::string(run.name) + ".replay");
    const std::filesystem::path fresh = folder / (std::string(run.name) + ".replay.new");
    Failure failure;
    uint32_t updates = 0;
    {
        ReplayWriter writer;
        if (!writer.Open(fresh.string())) {
            std::fprintf(stderr, "%s: %s\n", run.name, writer.Problem().c_str());
            return false;
        }
        Sector01 level;
        RecordingLevel recorder(level, writer, RecordingLevel::ProbeOf(level), VANTOR_VERSION);
        level.ChooseSeed(run.seed);
        recorder.Load();
        Autopilot pilot(recorder, level);
        failure = run.play(pilot, level);
        if (!failure && !recorder.Finish()) {
            failure = "the replay could not be finished: " + writer.Problem();
        }
        updates = recorder.Updates();
        recorder.Unload();
    }
    if (!failure) {
        const ReplayRun::Outcome outcome = ReplayRun::VerifyFile(fresh.string());
        if (outcome.result != ReplayRun::Result::Equal) {
            failure = "the recording does not play again: " + outcome.Line();
        }
    }
    std::error_code error;
    if (failure) {
        std::filesystem::remove(fresh, error);
        std::fprintf(stderr, "%s: FAILED, %s; %s is left as it was\n", run.name, failure->c_str(),
                     path.string().c_str());
        return false;
    }
    std::filesystem::rename(fresh, path, error);
    if (error) {
        std::fprintf(stderr, "%s: cannot put %s in place: %s\n", run.name, path.string().c_str(),
                     error.message().c_str());
        return false;
    }
    std::printf("%s: %u updates, %ju bytes, seed %u\n", path.string().c_str(), updates,
                static_cast<uintmax_t>(std::filesystem::file_size(path, error)), run.seed);
    return true;
}

} // namespace

} // namespace vantor::test

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantor-record-replays FOLDER\n"
                             "Records the five regression replays into FOLDER/<name>.replay.\n");
        return 2;
    }
    bool all = true;
    for (const vantor::test::Run& run : vantor::test::Runs) {
        all = vantor::test::Record(run, argv[1]) && all;
    }
    return all ? 0 : 1;
}
