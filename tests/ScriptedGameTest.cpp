// Whole games played from the title screen, headless: a scripted player gives orders only
// through the level's commands and looks at the state between frames the way a player looks
// at the screen. Every frame is updated and drawn, and every sound the game asks for is
// checked against what the player has just seen happen.
#include "game/Sector01.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Commands = std::vector<std::string>;

const std::string SmallExplosion = "play smallexplosion1.mp3";
const std::string LargeExplosion = "play largeexplosion4.mp3";
const std::string PlanetScanned = "play longrangescanplanetcomplete_clean.mp3";
const Commands Voices = {"play  warningprimaryshieldsfailing_ep.mp3",
                         "play warningstructuralintegrity_ep.mp3",
                         "play lifesupportfailurealldecksabandonship_ep.mp3"};

const Commands LeavingTheTitle = {"stop intro.mp3", "play track01.mp3 repeat"};
// Enter on the end screen, then the new game's own music.
const Commands Restarting = {"stop GameOver.mp3", "stop PlayerWins.mp3", "stop GameOver.mp3",
                             "play intro.mp3"};

const Commands EndScreenMusicStops = {"stop track01.mp3", "stop track02.mp3",  "stop track03.mp3",
                                      "stop track04.mp3", "stop track05.mp3",  "stop track06.mp3",
                                      "stop track07.mp3", "stop BossTrack.mp3"};

// The music change on entering each sector, indexed by the sector entered.
const Commands MusicOnEntering[16] = {
    {},
    {},
    {"stop track01.mp3", "play track02.mp3 repeat"},
    {"stop track02.mp3", "play track03.mp3 repeat"},
    {"stop track03.mp3", "play track04.mp3 repeat"},
    {"stop track04.mp3", "play track05.mp3 repeat"},
    {"stop track05.mp3", "play track06.mp3 repeat"},
    {"stop track06.mp3", "play track07.mp3 repeat"},
    {"stop track07.mp3", "play track01.mp3 repeat"},
    {"stop track01.mp3", "play track02.mp3 repeat"},
    {"stop track02.mp3", "play track03.mp3 repeat"},
    {"stop track03.mp3", "play track04.mp3 repeat"},
    {"stop track04.mp3", "play track05.mp3 repeat"},
    {"stop track05.mp3", "play track06.mp3 repeat"},
    {"stop track06.mp3", "play track07.mp3 repeat"},
    {"stop track07.mp3", "play BossTrack.mp3 repeat"},
};

// The last few places a mover was seen at after a frame. The movement rule can leave a mover
// shaking between a few spots close to its goal without ever arriving; a player sees it come to
// a halt.
class Trail {
public:
    // Records the place after a frame; whether it is one not seen in the last few frames.
    bool Moved(float x, float y) {
        const Place place = {x, y};
        const bool moved = std::find(places.begin(), places.end(), place) == places.end();
        places[next] = place;
        next = (next + 1) % places.size();
        return moved;
    }

private:
    struct Place {
        float x;
        float y;
        bool operator==(const Place&) const = default;
    };
    std::array<Place, 8> places = {};
    size_t next = 0;
};

Commands EndScreen(bool won) {
    Commands commands = EndScreenMusicStops;
    if (won) {
        commands.push_back("play PlayerWins.mp3");
    } else {
        commands.push_back("play GameOver.mp3");
        commands.push_back(LargeExplosion);
    }
    return commands;
}

void Append(Commands& to, const Commands& more) {
    to.insert(to.end(), more.begin(), more.end());
}

class ScriptedGame : public ::testing::TestWithParam<unsigned> {
protected:
    // Far more frames than either game needs; a game that stalls fails instead of hanging.
    static constexpr int FrameLimit = 40000;

    void SetUp() override {
        level.Load();
        srand(GetParam());
        EXPECT_EQ(sound.Take(),
                  (Commands{"stop PlayerWins.mp3", "stop GameOver.mp3", "play intro.mp3"}));
    }

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

    Look Now() const {
        return {level.sector, level.damageLevel, level.enemiesDestroyed, level.bossHits};
    }

    // The planets whose information panel is up: in reach and not yet answered.
    int PanelsShown() const {
        return (level.planet1InRange == 1 && level.planet1Unclaimed) +
               (level.planet2InRange == 1 && level.planet2Unclaimed) +
               (level.planet3InRange == 1 && level.planet3Unclaimed);
    }

    bool EnemyInSight() const { return level.enemyX < 1024; }
    // A ship with an order that still moves.
    bool ShipFlying() const { return level.moveTargetX > 0 && level.moveTargetY > 0 && shipMoving; }
    // A torpedo on screen that still moves.
    bool TorpedoFlying() const { return level.torpedoInFlight && torpedoMoving; }

    // One frame, updated and drawn. The sounds of the frame must be exactly those that what
    // changed on screen calls for: a ramming with its warning, a kill or a boss hit, the
    // scan cue of every planet panel up, the music of a new sector and the end screen.
    void Frame() {
        const Look before = Now();
        level.Update();
        level.Render();
        ++frames;
        shipMoving = shipTrail.Moved(level.shipX, level.shipY);
        torpedoMoving = torpedoTrail.Moved(static_cast<float>(level.torpedoX),
                                           static_cast<float>(level.torpedoY));
        Commands heard = sound.Take();

        Commands expected;
        if (level.damageLevel > before.damage) {
            expected.push_back(SmallExplosion);
            if (level.damageLevel == 1 || level.damageLevel == 3 || level.damageLevel == 5) {
                expected.push_back(Voices[level.damageLevel / 2]);
            }
        }
        if (before.sector < 15 && level.enemiesDestroyed > before.kills) {
            expected.push_back(SmallExplosion);
        }
        if (before.sector == 15 && level.bossHits > before.bossHits) {
            expected.push_back(SmallExplosion);
            if (level.playerWon) {
                expected.push_back(LargeExplosion);
            }
        }
        const bool newSector = before.sector < 15 && level.sector == before.sector + 1;
        if (newSector) {
            // The scan cues of this frame belong to planets of the sector just left, which
            // are gone from the screen.
            std::erase(heard, PlanetScanned);
            Append(expected, MusicOnEntering[static_cast<int>(level.sector)]);
        } else {
            expected.insert(expected.end(), static_cast<size_t>(PanelsShown()), PlanetScanned);
        }
        if (level.gameOver) {
            Append(expected, EndScreen(level.playerWon));
        }
        ASSERT_EQ(heard, expected) << "frame " << frames << " in sector " << level.sector;
        lastHeard = heard;

        for (const std::string& command : heard) {
            if (std::find(Voices.begin(), Voices.end(), command) != Voices.end()) {
                voicesHeard.push_back(command);
            }
        }
        if (newSector) {
            Append(musicHeard, heard);
        }
    }

    // Enter on the title: the intro stops, the first track starts and the next frame starts
    // play.
    void StartFromTitle() {
        Frame();
        ASSERT_TRUE(level.titleScreen);
        ASSERT_FALSE(level.gameStarted);
        level.OnEnter(false);
        ASSERT_EQ(sound.Take(), LeavingTheTitle);
        Frame();
        ASSERT_TRUE(level.gameStarted);
        ASSERT_FALSE(level.inputLocked);
    }

    void LeftClick(int x, int y) {
        level.OnLeftClick(x, y);
        ASSERT_EQ(sound.Take(), Commands{"play zeb_engine_2.mp3"});
        ASSERT_EQ(level.moveTargetX, x);
        ASSERT_EQ(level.moveTargetY, y);
    }

    void RightClick(int x, int y) {
        const int weaponEnergy = level.weaponEnergy;
        level.OnRightClick(x, y);
        ASSERT_EQ(sound.Take(), Commands{"play zeb_torpedo3_clean.mp3"});
        ASSERT_EQ(level.weaponEnergy, weaponEnergy - 20);
        ASSERT_TRUE(level.torpedoInFlight);
        ++torpedoesFired;
    }

    // Answers the planet panel with numpad 2, taking the planet's science once for every
    // planet in reach; the panel goes and mouse orders are taken again.
    void TakeScience() {
        const int panels = PanelsShown();
        if (panels == 0) {
            return;
        }
        ASSERT_TRUE(level.inputLocked);
        const int science = level.science;
        level.OnPlanetChoice(2);
        ASSERT_TRUE(sound.Take().empty());
        ASSERT_EQ(level.science, science + panels * level.planetScience);
        ASSERT_EQ(PanelsShown(), 0);
        ASSERT_FALSE(level.inputLocked);
    }

    // Opens the engineering menu, turns all the science it can into weapon research and
    // closes the menu again.
    void ResearchWeapons() {
        if (level.science <= 60) {
            return;
        }
        level.OnMenuKey(true);
        ASSERT_EQ(sound.Take(), Commands{"play pleasespecifyhowyouwouldliketoproceed_ep.mp3"});
        ASSERT_TRUE(level.menuOpen);
        ASSERT_TRUE(level.inputLocked);
        while (level.science > 60) {
            const int science = level.science;
            const int torpedoes = level.weaponEnergy / 20;
            const int progress = level.weaponEnergyCreated;
            level.OnMenuAction(6);
            ASSERT_EQ(level.science, science - 50);
            if (progress + 30 > 100) {
                // The research pays out as weapon energy.
                ASSERT_EQ(level.weaponEnergyCreated, 0);
                ASSERT_GT(level.weaponEnergy / 20, torpedoes);
            } else {
                ASSERT_EQ(level.weaponEnergyCreated, progress + 30);
            }
        }
        level.OnEnter(false);
        ASSERT_TRUE(sound.Take().empty());
        ASSERT_FALSE(level.menuOpen);
        ASSERT_FALSE(level.inputLocked);
    }

    // An unanswered planet on screen, short of the right edge, that the ship has not yet
    // flown to three times in this sector.
    std::optional<Spot> PlanetToVisit() {
        if (level.sector != visitSector) {
            visitSector = level.sector;
            visits = {};
        }
        const float xs[3] = {level.planet1X, level.planet2X, level.planet3X};
        const float ys[3] = {level.planet1Y, level.planet2Y, level.planet3Y};
        const bool unclaimed[3] = {level.planet1Unclaimed, level.planet2Unclaimed,
                                   level.planet3Unclaimed};
        for (size_t i = 0; i < 3; ++i) {
            if (unclaimed[i] && xs[i] > 0 && xs[i] < 900 && ys[i] > 0 && ys[i] < 700 &&
                visits[i] < 3) {
                ++visits[i];
                return Spot{static_cast<int>(xs[i]), static_cast<int>(ys[i])};
            }
        }
        return std::nullopt;
    }

    // Fires at the middle of the picture of the enemy (or the boss), standing still so that
    // it does not move.
    void FireAtEnemy() {
        RightClick(static_cast<int>(level.enemyX) + 50, static_cast<int>(level.enemyY) + 37);
    }

    // Enter on the end screen goes back to the title with a fresh ship.
    void RestartFromEndScreen() {
        level.OnEnter(false);
        ASSERT_EQ(sound.Take(), Restarting);
        EXPECT_TRUE(level.titleScreen);
        EXPECT_FALSE(level.gameStarted);
        EXPECT_FALSE(level.gameOver);
        EXPECT_FALSE(level.playerWon);
        EXPECT_TRUE(level.inputLocked);
        EXPECT_EQ(level.sector, 1.0f);
        EXPECT_EQ(level.damageLevel, 0);
        EXPECT_EQ(level.weaponEnergy, 100);
        // The title shows with no end music, and the next Enter starts a new game.
        Frame();
        EXPECT_TRUE(level.titleScreen);
        level.OnEnter(false);
        EXPECT_EQ(sound.Take(), LeavingTheTitle);
    }

    RecordingPlayer sound;
    Sector01 level;
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
};

// Every sector is entered in turn and the boss destroyed by torpedoes. In each sector the
// ship stands still at the left edge, where the enemy does not move, and fires at it; once
// it is destroyed the ship flies on past the right edge. Planet panels are answered with
// science, and the science goes into weapon research for more torpedoes.
TEST_P(ScriptedGame, FromTheTitleToVictory) {
    ASSERT_NO_FATAL_FAILURE(StartFromTitle());
    const int warpEnergyAtStart = level.warpEnergy;

    int bossHitsHeard = 0;
    while (!level.gameOver) {
        ASSERT_LT(frames, FrameLimit) << "stalled in sector " << level.sector;
        const int bossHits = level.bossHits;
        ASSERT_NO_FATAL_FAILURE(Frame());
        if (level.bossHits > bossHits) {
            EXPECT_EQ(level.sector, level.playerWon ? 16.0f : 15.0f);
            bossHitsHeard +=
                static_cast<int>(std::count(lastHeard.begin(), lastHeard.end(), SmallExplosion));
        }
        if (level.gameOver) {
            break;
        }
        ASSERT_NO_FATAL_FAILURE(TakeScience());
        ASSERT_NO_FATAL_FAILURE(ResearchWeapons());
        if (ShipFlying() || TorpedoFlying()) {
            continue;
        }
        const bool canFire = level.weaponEnergy >= 20;
        const std::optional<Spot> planet = PlanetToVisit();
        if (EnemyInSight() && canFire) {
            ASSERT_NO_FATAL_FAILURE(FireAtEnemy());
        } else if (level.weaponEnergy < 4 * 20 && planet) {
            // Short of torpedoes: fetch science first, even with the enemy still about.
            ASSERT_NO_FATAL_FAILURE(LeftClick(planet->x, planet->y));
        } else {
            // On to the next sector along the top of the screen, past an enemy left alive
            // for want of torpedoes.
            ASSERT_LT(level.sector, 15.0f) << "out of torpedoes at the boss";
            ASSERT_NO_FATAL_FAILURE(LeftClick(1000, 77));
        }
    }

    ASSERT_TRUE(level.playerWon) << "lost at damage " << level.damageLevel;
    EXPECT_TRUE(level.gameOver);
    EXPECT_TRUE(level.inputLocked);
    EXPECT_EQ(level.sector, 16.0f);
    EXPECT_EQ(level.bossHits, 6);
    EXPECT_EQ(bossHitsHeard, 6);
    // The last hit: its explosions, then at once the end screen's music.
    Commands won = {SmallExplosion, LargeExplosion};
    Append(won, EndScreenMusicStops);
    won.push_back("play PlayerWins.mp3");
    EXPECT_EQ(lastHeard, won);
    EXPECT_LT(level.damageLevel, 6);
    // One kill in each of the fourteen ordinary sectors, and the boss.
    EXPECT_GE(level.enemiesDestroyed, 15);
    EXPECT_LT(level.warpEnergy, warpEnergyAtStart);

    Commands music;
    for (int sector = 2; sector <= 15; ++sector) {
        Append(music, MusicOnEntering[sector]);
    }
    EXPECT_EQ(musicHeard, music);

    // The end screen keeps asking for its music on every frame, and input stays locked.
    won.erase(won.begin(), won.begin() + 2);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NO_FATAL_FAILURE(Frame());
        EXPECT_EQ(lastHeard, won);
        EXPECT_EQ(level.sector, 16.0f);
        EXPECT_TRUE(level.inputLocked);
    }
    level.OnLeftClick(500, 500);
    level.OnRightClick(500, 500);
    EXPECT_TRUE(sound.Take().empty());
    EXPECT_NE(level.moveTargetX, 500);
    EXPECT_NE(level.torpedoTargetX, 500);

    ASSERT_NO_FATAL_FAILURE(RestartFromEndScreen());
}

// The ship flies at the enemy again and again until it has been rammed six times.
TEST_P(ScriptedGame, FromTheTitleToDefeatBySixRammings) {
    ASSERT_NO_FATAL_FAILURE(StartFromTitle());

    while (!level.gameOver) {
        ASSERT_LT(frames, FrameLimit) << "stalled at damage " << level.damageLevel;
        ASSERT_NO_FATAL_FAILURE(Frame());
        if (level.gameOver) {
            break;
        }
        ASSERT_NO_FATAL_FAILURE(TakeScience());
        if (ShipFlying()) {
            continue;
        }
        // Aim at the middle of the enemy's picture, but never past the right edge of the
        // sector.
        ASSERT_NO_FATAL_FAILURE(LeftClick(std::min(static_cast<int>(level.enemyX) + 50, 900),
                                          static_cast<int>(level.enemyY) + 37));
    }

    EXPECT_EQ(level.damageLevel, 6);
    EXPECT_EQ(level.sector, 1.0f);
    EXPECT_FALSE(level.playerWon);
    EXPECT_EQ(voicesHeard, Voices);
    // The sixth ramming, then at once the end screen's music.
    Commands lost = {SmallExplosion};
    Append(lost, EndScreenMusicStops);
    Append(lost, {"play GameOver.mp3", LargeExplosion});
    EXPECT_EQ(lastHeard, lost);
    // The sixth ramming leaves the enemy where it is, against the wreck.
    EXPECT_LE(std::abs(level.enemyX - level.shipX), 100.0f);
    EXPECT_LE(std::abs(level.enemyY - level.shipY), 75.0f);

    // The end screen keeps asking for its music on every frame, after the explosion of any
    // further ramming of the wreck.
    lost.erase(lost.begin());
    for (int i = 0; i < 3; ++i) {
        const int damage = level.damageLevel;
        ASSERT_NO_FATAL_FAILURE(Frame());
        EXPECT_TRUE(level.gameOver);
        EXPECT_FALSE(level.playerWon);
        Commands expected;
        if (level.damageLevel > damage) {
            expected.push_back(SmallExplosion);
        }
        Append(expected, lost);
        EXPECT_EQ(lastHeard, expected);
    }
    // The wreck takes no more orders.
    level.OnLeftClick(500, 500);
    EXPECT_TRUE(sound.Take().empty());
    EXPECT_NE(level.moveTargetX, 500);

    ASSERT_NO_FATAL_FAILURE(RestartFromEndScreen());
}

// Seeds picked to cover the strategy: one with no science at hand early on, so the ship must
// fly to planets for it; one whose science comes from the planets of layouts without pictures
// (all three rest at the top-left corner, in reach at the entry); one where the boss, moved by
// a hit, comes down on the ship.
INSTANTIATE_TEST_SUITE_P(, ScriptedGame, ::testing::Values(6u, 29u, 103u),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                             return "Seed" + std::to_string(info.param);
                         });

} // namespace
