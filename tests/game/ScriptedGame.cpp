#include "ScriptedGame.h"

#include "app/RecordingLevel.h"
#include "app/ReplayRun.h"
#include "app/ReplayWriter.h"
#include "game/LevelDigest.h"
#include "support/TempDirectory.h"

#include <algorithm>
#include <string>

namespace vantor::test {

struct ScriptedGame::Recording {
    explicit Recording(Sector01& level)
        : recorder(level, writer, app::RecordingLevel::ProbeOf(level), "1.0.0") {}

    TempDirectory folder;
    const std::string path = folder.File("game.replay");
    app::ReplayWriter writer;
    app::RecordingLevel recorder;
};

ScriptedGame::ScriptedGame() = default;
ScriptedGame::~ScriptedGame() = default;

ScriptedGame::Commands ScriptedGame::MusicOnEntering(int sector) {
    // The track each sector loops, from the first: the seven tracks twice over, then the boss's.
    static const std::vector<std::string> tracks = {
        "track01.mp3", "track02.mp3", "track03.mp3", "track04.mp3", "track05.mp3",
        "track06.mp3", "track07.mp3", "track01.mp3", "track02.mp3", "track03.mp3",
        "track04.mp3", "track05.mp3", "track06.mp3", "track07.mp3", "BossTrack.mp3"};
    if (sector < 2 || sector > 15) {
        return {};
    }
    return {"stop " + tracks[size_t(sector) - 2], "play " + tracks[size_t(sector) - 1] + " repeat"};
}

ScriptedGame::Commands ScriptedGame::EndScreen(bool won) {
    Commands commands = EndScreenMusicStops;
    if (won) {
        commands.push_back("play PlayerWins.mp3");
    } else {
        commands.push_back("play GameOver.mp3");
        commands.push_back(LargeExplosion);
    }
    return commands;
}

void ScriptedGame::Append(Commands& to, const Commands& more) {
    to.insert(to.end(), more.begin(), more.end());
}

int ScriptedGame::PanelsShown() const {
    int shown = 0;
    for (const game::ConstPlanetView& planet : level.SectorPlanets()) {
        shown += planet.ShowsPanel() ? 1 : 0;
    }
    return shown;
}

void ScriptedGame::SetUp() {
    if (GetParam().recorded) {
        recording = std::make_unique<Recording>(level);
        ASSERT_TRUE(recording->writer.Open(recording->path)) << recording->writer.Problem();
        calls = &recording->recorder;
        level.ChooseSeed(GetParam().seed);
        calls->Load();
    } else {
        level.Load();
        level.ChooseSeed(GetParam().seed);
    }
    EXPECT_EQ(sound.Take(),
              (Commands{"stop PlayerWins.mp3", "stop GameOver.mp3", "play intro.mp3"}));
}

void ScriptedGame::TearDown() {
    if (recording == nullptr || HasFailure()) {
        return;
    }
    ASSERT_TRUE(recording->recorder.Finish()) << recording->writer.Problem();
    const app::ReplayRun::Outcome replayed = app::ReplayRun::VerifyFile(recording->path);
    EXPECT_EQ(replayed.result, app::ReplayRun::Result::Equal) << replayed.Line();
    EXPECT_EQ(replayed.updates, static_cast<uint32_t>(frames));
    EXPECT_EQ(replayed.digest, game::LevelDigest::Of(level));
}

ScriptedGame::Look ScriptedGame::Now() const {
    return {level.sector, level.damageLevel, level.enemiesDestroyed, level.bossHits};
}

void ScriptedGame::Frame() {
    const Look before = Now();
    calls->Update();
    calls->Render();
    ++frames;
    shipMoving = shipTrail.Moved(level.shipX, level.shipY);
    torpedoMoving =
        torpedoTrail.Moved(static_cast<float>(level.torpedoX), static_cast<float>(level.torpedoY));
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
        Append(expected, MusicOnEntering(static_cast<int>(level.sector)));
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

void ScriptedGame::StartFromTitle() {
    Frame();
    ASSERT_TRUE(level.titleScreen);
    ASSERT_FALSE(level.gameStarted);
    calls->OnEnter(false);
    ASSERT_EQ(sound.Take(), LeavingTheTitle);
    Frame();
    ASSERT_TRUE(level.gameStarted);
    ASSERT_FALSE(level.inputLocked);
}

void ScriptedGame::LeftClick(int x, int y) {
    calls->OnLeftClick(x, y);
    ASSERT_EQ(sound.Take(), Commands{"play zeb_engine_2.mp3"});
    ASSERT_EQ(level.moveTargetX, x);
    ASSERT_EQ(level.moveTargetY, y);
}

void ScriptedGame::RightClick(int x, int y) {
    const int weaponEnergy = level.weaponEnergy;
    calls->OnRightClick(x, y);
    ASSERT_EQ(sound.Take(), Commands{"play zeb_torpedo3_clean.mp3"});
    ASSERT_EQ(level.weaponEnergy, weaponEnergy - 20);
    ASSERT_TRUE(level.torpedoInFlight);
    ++torpedoesFired;
}

void ScriptedGame::TakeScience() {
    const int panels = PanelsShown();
    if (panels == 0) {
        return;
    }
    ASSERT_TRUE(level.inputLocked);
    const int science = level.science;
    calls->OnPlanetChoice(2);
    ASSERT_TRUE(sound.Take().empty());
    ASSERT_EQ(level.science, science + panels * level.planetScience);
    ASSERT_EQ(PanelsShown(), 0);
    ASSERT_FALSE(level.inputLocked);
}

void ScriptedGame::ResearchWeapons() {
    if (level.science <= 60) {
        return;
    }
    calls->OnMenuKey(true);
    ASSERT_EQ(sound.Take(), Commands{"play pleasespecifyhowyouwouldliketoproceed_ep.mp3"});
    ASSERT_TRUE(level.menuOpen);
    ASSERT_TRUE(level.inputLocked);
    while (level.science > 60) {
        const int science = level.science;
        const int torpedoes = level.weaponEnergy / 20;
        const int progress = level.weaponEnergyCreated;
        calls->OnMenuAction(6);
        ASSERT_EQ(level.science, science - 50);
        if (progress + 30 > 100) {
            // The research pays out as weapon energy.
            ASSERT_EQ(level.weaponEnergyCreated, 0);
            ASSERT_GT(level.weaponEnergy / 20, torpedoes);
        } else {
            ASSERT_EQ(level.weaponEnergyCreated, progress + 30);
        }
    }
    calls->OnEnter(false);
    ASSERT_TRUE(sound.Take().empty());
    ASSERT_FALSE(level.menuOpen);
    ASSERT_FALSE(level.inputLocked);
}

std::optional<ScriptedGame::Spot> ScriptedGame::PlanetToVisit() {
    if (level.sector != visitSector) {
        visitSector = level.sector;
        visits = {};
    }
    const std::array<game::PlanetView, 3> planets = level.SectorPlanets();
    for (size_t i = 0; i < planets.size(); ++i) {
        const game::PlanetView& planet = planets[i];
        if (planet.unclaimed && planet.x > 0 && planet.x < 900 && planet.y > 0 && planet.y < 700 &&
            visits[i] < 3) {
            ++visits[i];
            return Spot{static_cast<int>(planet.x), static_cast<int>(planet.y)};
        }
    }
    return std::nullopt;
}

void ScriptedGame::FireAtEnemy() {
    RightClick(static_cast<int>(level.enemyX) + 50, static_cast<int>(level.enemyY) + 37);
}

void ScriptedGame::RestartFromEndScreen() {
    calls->OnEnter(false);
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
    calls->OnEnter(false);
    EXPECT_EQ(sound.Take(), LeavingTheTitle);
}

// Seeds picked to cover the strategy: one with no science at hand early on, so the ship must
// fly to planets for it; one whose science comes from the planets of layouts without pictures
// (all three rest at the top-left corner, in reach at the entry); one where the boss, moved by
// a hit, comes down on the ship.
INSTANTIATE_TEST_SUITE_P(, ScriptedGame,
                         ::testing::Values(ScriptedRun{6, false}, ScriptedRun{29, false},
                                           ScriptedRun{103, false}, ScriptedRun{6, true},
                                           ScriptedRun{29, true}, ScriptedRun{103, true}),
                         [](const ::testing::TestParamInfo<ScriptedRun>& info) {
                             return (info.param.recorded ? "RecordedSeed" : "Seed") +
                                    std::to_string(info.param.seed);
                         });

} // namespace vantor::test
