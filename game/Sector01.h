#pragma once

#include "app/GameManager.h"
#include "game/LevelView.h"
#include "game/PictureManifest.h"
#include "game/PlanetView.h"
#include "game/Random.h"

#include <array>
#include <cstdint>
#include <optional>

class SpriteSheet;
class TextWriter;

// The one level of the game: fifteen sectors of flight and combat, the planets, the
// engineering menu and the boss. The whole game state lives in the plain public fields
// below; the operations are split by concern over the Sector01*.cpp files.
class Sector01 : public GameManager {
public:
    Sector01();

    // Level operations.
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

    // The new-game reset: back to the title screen with a fresh ship.
    void NewGame();
    // New planet positions for the current sector layout (odd layouts below 15 have three
    // planets, every other layout none).
    void PlacePlanets();
    // A new position for the drifting asteroid.
    void PlaceAsteroid();
    // A new offer of science and energy (drawn in that order) from every planet of the sector.
    void PickPlanetOffer();

    // The one place the level's dice are seeded. Load seeds them with the calendar time in
    // seconds, unless a seed was chosen here before (a replay, a test); choosing also starts
    // the dice over from the seed at once, for a level already loaded.
    void ChooseSeed(uint32_t seed);
    // The seed the dice were last started from (by Load or ChooseSeed); 0 before either.
    uint32_t Seed() const { return seedUsed; }
    // Every planet of the sector unclaimed and out of reach again.
    void ReopenPlanets();

    // What the level shows the player now, for the shell's own screens.
    vantor::game::LevelView View() const;

    // The sector's three planets, one view each, in the order of their fields.
    std::array<vantor::game::PlanetView, 3> SectorPlanets();
    std::array<vantor::game::ConstPlanetView, 3> SectorPlanets() const;

    // The picture field a row of the picture manifest fills (the element of an array field).
    SpriteSheet*& SheetAt(vantor::game::PictureManifest::Field field, int index = 0);
    SpriteSheet* const& SheetAt(vantor::game::PictureManifest::Field field, int index = 0) const;

    // Text styles, created by Load and deleted by Unload.
    TextWriter* promptText = nullptr;
    TextWriter* energyText = nullptr;
    TextWriter* scienceText = nullptr;
    TextWriter* planetScienceText = nullptr;
    TextWriter* planetEnergyText = nullptr;
    TextWriter* killsText = nullptr;
    TextWriter* menuWarpCreatedText = nullptr;
    TextWriter* menuWarpEnergyText = nullptr;
    TextWriter* menuWeaponEnergyText = nullptr;
    TextWriter* menuEnergyText = nullptr;
    TextWriter* menuScienceText = nullptr;
    TextWriter* warpPercentText = nullptr;
    TextWriter* menuWeaponCreatedText = nullptr;
    TextWriter* torpedoCountText = nullptr;

    // Positions are the top-left corners of the pictures, in pixels of the 1024 by 768
    // screen, x to the right and y downward.
    float shipY = 0;
    float shipX = 0;
    float enemyY = 0;
    float enemyX = 0; // 2000 puts the enemy out of sight
    float asteroidY = 0;
    float asteroidX = 0;
    int32_t torpedoX = 0;
    int32_t torpedoY = 0;
    float sector = 0; // always whole: 1 to 15 in play, 16 after victory

    // Pictures, created by Load and deleted by Unload.
    SpriteSheet* sectorBackground = nullptr;
    SpriteSheet* backgrounds[14] = {};   // sectors 2 to 15
    SpriteSheet* planets[10] = {};       // chosen by the sector layout
    SpriteSheet* intactStatus = nullptr; // ship status at damage 0
    SpriteSheet* asteroidStrip = nullptr;
    SpriteSheet* rockStrip = nullptr;
    SpriteSheet* aniPlanet02 = nullptr;
    SpriteSheet* aniPlanet03 = nullptr;
    SpriteSheet* planetInfo = nullptr;
    SpriteSheet* sectorLabels[3] = {}; // only the first is drawn
    SpriteSheet* damageStatus[5] = {}; // ship status at damage 1 to 5
    SpriteSheet* playerShip = nullptr;
    SpriteSheet* gameOverScreen = nullptr;
    SpriteSheet* splashScreen = nullptr;
    SpriteSheet* enemyShip = nullptr;
    SpriteSheet* warhead01 = nullptr;
    SpriteSheet* explosionStrip = nullptr;
    SpriteSheet* scorePanel = nullptr;
    SpriteSheet* bottomHud = nullptr;
    SpriteSheet* captain = nullptr;
    SpriteSheet* warheadFire = nullptr;
    SpriteSheet* menuScreen = nullptr;
    SpriteSheet* warhead02 = nullptr;
    SpriteSheet* captain2 = nullptr;
    SpriteSheet* beamStrip = nullptr;
    SpriteSheet* enemyShip01 = nullptr; // the boss
    SpriteSheet* gameEndScreen = nullptr;

    float planet1X = 0;
    float planet1Y = 0;
    float planet2X = 0;
    float planet2Y = 0;
    float planet3X = 0;
    float planet3Y = 0;
    int32_t planetChoice = 0;
    int32_t sectorLayout = 0; // picks the planets and the asteroid of a sector
    int32_t enemiesDestroyed = 0;
    bool torpedoInFlight = false;
    bool menuOpen = false;
    bool inputLocked = false;  // mouse orders are refused
    int32_t planetScience = 0; // offered by every planet of this sector
    int32_t planetEnergy = 0;
    int32_t warpPercent = 0;
    int32_t weaponEnergyCreated = 0;
    bool planet1Unclaimed = false;
    bool planet2Unclaimed = false;
    bool planet3Unclaimed = false;
    bool gameOver = false;
    int32_t science = 0;
    int32_t energy = 0;
    int32_t shipHeading = 0; // whole degrees, clockwise on screen
    int32_t enemyHeading = 0;
    int32_t torpedoHeading = 0;
    int32_t rank = 0;
    int32_t weaponLevel = 0;
    int32_t warpEnergyCreated = 0;
    int32_t warpEnergy = 0;   // fuel: spent while the ship moves, 0 ends the game
    int32_t weaponEnergy = 0; // a torpedo costs 20
    int32_t moveTargetX = 0;  // a move order exists only while both are above 0
    int32_t moveTargetY = 0;
    int32_t torpedoTargetX = 0; // likewise for the torpedo's target
    int32_t torpedoTargetY = 0;
    int32_t explosionX = 0;
    int32_t explosionY = 0;
    double warpEnergyNow = 0.0;
    double warpEnergyMax = 0.0;
    int32_t bossHits = 0;
    bool playerWon = false;
    int32_t frameCount = 0; // updates since the new game; animations follow it
    bool titleScreen = false;
    int32_t damageLevel = 0; // rammings taken, less repairs
    int32_t enemyKilledInSector = 0;
    int32_t planet1InRange = 0;
    int32_t planet2InRange = 0;
    int32_t planet3InRange = 0;
    bool gameStarted = false;
    // Every random number of the rules comes from here, in the order the rules draw them.
    vantor::game::Random random;

private:
    void MakeTextStyles(Graphics* g);

    // The steps of one update, in the order Update runs them.
    void DriftAsteroid();
    void MoveShip();
    void ChaseShip();
    void CheckCollisions();
    void MoveTorpedo();
    void CheckSectorExit();
    void CheckProgress();
    void CheckVictory();

    void NextSector();
    void SwitchMusic();
    void RespawnEnemy();

    // The steps of drawing the play screen, in the order DrawPlayScreen runs them.
    void DrawPlayScreen();
    void DrawBackground();
    void DrawPlanets();
    void DrawAsteroid();
    void DrawTorpedo();
    void DrawShips();
    void DrawPlanetPanel();
    void DrawTopBar();
    void DrawBottomBar();
    void DrawMenu();
    void DrawMenuPictures();
    // The captain by rank and the weapon by weapon level, in the bottom bar or the menu.
    void DrawCaptainAndWeapon(float captainX, float captainY, float weaponX, float weaponY);
    void DrawEndScreen();
    // The cell every animation shows on this frame: one step every 60 updates, cycling
    // through the first four cells.
    int AnimationCell() const;

    std::optional<uint32_t> chosenSeed; // for Load, instead of the time
    uint32_t seedUsed = 0;
};
