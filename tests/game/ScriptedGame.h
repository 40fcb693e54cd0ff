#pragma once

#include "Trail.h"

#include "app/GameManager.h"
#include "game/Sector01.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantor::test {

// A scripted game: the seed of its dice, and whether it is also recorded as a replay, which
// must then play again to the very level the game ended with.
struct ScriptedRun {
    unsigned seed;
    bool recorded;
};

// Whole games played from the title screen, headless: a scripted player gives orders only
// through the level's commands and looks at the state between frames the way a player looks
// at the screen. Every frame is updated and drawn, and every sound the game asks for is
// checked against what the player has just seen happen. A recorded game is played through the
// recording level, with the seed chosen before the level loads as a replay chooses it.
class ScriptedGame : public ::testing::TestWithParam<ScriptedRun> {
protected:
    using Commands = std::vector<std::string>;

    // Far more frames than either game needs; a game that stalls fails instead of hanging.
    static constexpr int FrameLimit = 40000;

    static inline const std::string SmallExplosion = "play smallexplosion1.mp3";
    static inline const std::string LargeExplosion = "play largeexplosion4.mp3";
    static inline const std::string PlanetScanned = "play longrangescanplanetcomplete_clean.mp3";
    static inline const Commands Voices = {"play  warningprimaryshieldsfailing_ep.mp3",
                                           "play warningstructuralintegrity_ep.mp3",
                                           "play lifesupportfailurealldecksabandonship_ep.mp3"};
    static inline const Commands LeavingTheTitle = {"stop intro.mp3", "play track01.mp3 repeat"};
    // Enter on the end screen, then the new game's own music.
    static inline const Commands Restarting = {"stop GameOver.mp3", "stop PlayerWins.mp3",
                                               "stop GameOver.mp3", "play intro.mp3"};
    static inline const Commands EndScreenMusicStops = {
        "stop track01.mp3", "stop track02.mp3", "stop track03.mp3", "stop track04.mp3",
        "stop track05.mp3", "stop track06.mp3", "stop track07.mp3", "stop BossTrack.mp3"};

    // The music change on entering the sector (2 to 15).
    static Commands MusicOnEntering(int sector);
    // What the end screen asks for on every frame.
    static Commands EndScreen(bool won);
    static void Append(Commands& to, const Commands& more);

    struct Spot {
        int x;
        int y;
    };

    // What the player can see between frames.
    struct Look {
        float sector;
        int damage;
        int kills;
        int bossHits;
    };

    ScriptedGame();
    ~ScriptedGame() override;
    void SetUp() override;
    // A recorded game: its replay played again ends on the game's last digest.
    void TearDown() override;

    Look Now() const;
    // The planets whose information panel is up: in reach and not yet answered.
    int PanelsShown() const;
    bool EnemyInSight() const { return level.enemyX < 1024; }
    // A ship with an order that still moves.
    bool ShipFlying() const { return level.moveTargetX > 0 && level.moveTargetY > 0 && shipMoving; }
    // A torpedo on screen that still moves.
    bool TorpedoFlying() const { return level.torpedoInFlight && torpedoMoving; }

    // One frame, updated and drawn. The sounds of the frame must be exactly those that what
    // changed on screen calls for: a ramming with its warning, a kill or a boss hit, the
    // scan cue of every planet panel up, the music of a new sector and the end screen.
    void Frame();
    // Enter on the title: the intro stops, the first track starts and the next frame starts
    // play.
    void StartFromTitle();
    void LeftClick(int x, int y);
    void RightClick(int x, int y);
    // Answers the planet panel with numpad 2, taking the planet's science once for every
    // planet in reach; the panel goes and mouse orders are taken again.
    void TakeScience();
    // Opens the engineering menu, turns all the science it can into weapon research and
    // closes the menu again.
    void ResearchWeapons();
    // An unanswered planet on screen, short of the right edge, that the ship has not yet
    // flown to three times in this sector.
    std::optional<Spot> PlanetToVisit();
    // Fires at the middle of the picture of the enemy (or the boss), standing still so that
    // it does not move.
    void FireAtEnemy();
    // Enter on the end screen goes back to the title with a fresh ship.
    void RestartFromEndScreen();

    RecordingPlayer sound;
    Sector01 level;
    // Where the player's calls and the frames go: the level, or the recording in front of it.
    GameManager* calls = &level;
    int frames = 0;
    Trail shipTrail;
    Trail torpedoTrail;
    bool shipMoving = false;
    bool torpedoMoving = false;
    float visitSector = 0;
    std::array<int, 3> visits = {}; // flights to each planet of visitSector
    int torpedoesFired = 0;
    Commands lastHeard; // on the last frame
    Commands voicesHeard;
    Commands musicHeard; // on the frames that entered a new sector

private:
    struct Recording;
    std::unique_ptr<Recording> recording;
};

} // namespace vantor::test
