// Loading and unloading the level: the random start, the new game, and the 69 pictures
// and text styles the level draws with.
#include "game/Sector01.h"

#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

void Sector01::Load() {
    // Seeded once, with the time in seconds: two loads in the same second play alike.
    srand(static_cast<uint32_t>(time(nullptr)));
    // The layout is still 0 here, so the first sector has no planets of its own.
    PlacePlanets();
    PlaceAsteroid();
    NewGame();

    // Pictures and text need a drawing device; without one the level plays headless.
    Graphics* g = graphics;
    if (g == nullptr) {
        return;
    }
    // Backdrops and the full-screen pictures first. Bitmaps are keyed on green, except the
    // enemy ships; the key only matters where a picture is drawn rotated, and the pictures the
    // level only ever draws upright get no keyed copy at all.
    constexpr SpriteSheet::Drawing upright = SpriteSheet::Drawing::UprightOnly;
    sectorBackground = new SpriteSheet("SectorBackground.bmp", g, 0, 0, 0, upright);
    const char* const backgroundFiles[14] = {
        "Background01.png", "Background02.jpg", "Background03.jpg", "Background04.jpg",
        "Background05.jpg", "Background06.jpg", "Background07.jpg", "Background08.jpg",
        "Background09.jpg", "Background10.jpg", "Background11.jpg", "Background12.jpg",
        "Background13.jpg", "Background14.jpg"};
    for (int i = 0; i < 14; ++i) {
        backgrounds[i] = new SpriteSheet(backgroundFiles[i], g, 0, 0, 0, upright);
    }
    gameEndScreen = new SpriteSheet("GameEnd.jpg", g, 0, 0, 0, upright);
    gameOverScreen = new SpriteSheet("GameOver.bmp", g, 0, 1, 0);
    splashScreen = new SpriteSheet("Splash.bmp", g, 0, 0, 0, upright);

    // Then every text style.
    promptText = new TextWriter(g, 30, "Stencil", 0, 1, 0);
    energyText = new TextWriter(g, 15, "Bar Code", 1, 1, 0);
    scienceText = new TextWriter(g, 15, "Bar Code", 1, 0, 1);
    planetEnergyText = new TextWriter(g, 21, "Bar Code", 1, 1, 0);
    planetScienceText = new TextWriter(g, 21, "Bar Code", 1, 0, 1);
    killsText = new TextWriter(g, 15, "Bar Code", 0.5f, 0.5f, 1);
    menuWarpCreatedText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);
    menuWeaponEnergyText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);
    menuWarpEnergyText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);
    menuEnergyText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);
    menuScienceText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);
    warpPercentText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);
    menuWeaponCreatedText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);
    torpedoCountText = new TextWriter(g, 15, "Bar Code", 1, 0.5f, 1);

    // Then the rest.
    const char* const planetFiles[10] = {"Planet1.bmp", "Planet2.bmp", "Planet3.bmp", "Planet4.bmp",
                                         "Planet5.bmp", "Planet6.bmp", "Planet7.bmp", "Planet8.bmp",
                                         "Planet9.bmp", "Planet10.bmp"};
    for (int i = 0; i < 10; ++i) {
        planets[i] = new SpriteSheet(planetFiles[i], g, 0, 1, 0);
    }
    captain = new SpriteSheet("captain.bmp", g, 0, 1, 0);
    captain2 = new SpriteSheet("captain2.bmp", g, 0, 1, 0);
    warhead02 = new SpriteSheet("warhead02.bmp", g, 0, 1, 0);
    bottomHud = new SpriteSheet("bottomHud.png", g, 0, 0, 0, upright);
    scorePanel = new SpriteSheet("score.png", g, 0, 0, 0, upright);
    sectorLabels[0] = new SpriteSheet("S01.png", g, 0, 0, 0, upright);
    sectorLabels[1] = new SpriteSheet("S02.png", g, 0, 0, 0, upright);
    sectorLabels[2] = new SpriteSheet("S03.png", g, 0, 0, 0, upright);
    planetInfo = new SpriteSheet("PlanetInfo.png", g, 0, 0, 0, upright);
    menuScreen = new SpriteSheet("menu.png", g, 0, 0, 0, upright);
    intactStatus = new SpriteSheet("imagesHQBUG9TN.png", g, 0, 0, 0, upright);
    const char* const damageFiles[5] = {"Damage01.png", "Damage02.png", "Damage03.png",
                                        "Damage04.png", "Damage05.png"};
    for (int i = 0; i < 5; ++i) {
        damageStatus[i] = new SpriteSheet(damageFiles[i], g, 0, 0, 0, upright);
    }
    playerShip = new SpriteSheet("ShipBase.bmp", "ShipDetail.bmp", g, 0, 1, 0);
    enemyShip = new SpriteSheet("EnemyShip.bmp", g, 0, 0, 1);
    enemyShip01 = new SpriteSheet("EnemyShip01.bmp", g, 1, 1, 1);
    asteroidStrip = new SpriteSheet("asteroid01.png", g, 128, 128, 0, 0, 0, upright);
    rockStrip = new SpriteSheet("rock.png", g, 100, 100, 0, 0, 0, upright);
    warhead01 = new SpriteSheet("warhead01.bmp", g, 0, 1, 0);
    warheadFire = new SpriteSheet("warheadFire.bmp", g, 0, 1, 0);
    aniPlanet02 = new SpriteSheet("aniPlanet02.png", g, 200, 200, 0, 0, 0, upright);
    aniPlanet03 = new SpriteSheet("aniPlanet03.png", g, 200, 200, 0, 0, 0, upright);
    explosionStrip = new SpriteSheet("explosion.png", g, 138, 138, 0, 0, 0, upright);
    beamStrip = new SpriteSheet("beam.png", g, 50, 50, 0, 0, 0, upright);
}

void Sector01::Unload() {
    // Pictures in the order they are declared, then the text styles. The fields keep their
    // values: an unloaded level is only ever deleted.
    SpriteSheet* const sheets[] = {
        sectorBackground, backgrounds[0],  backgrounds[1],  backgrounds[2],  backgrounds[3],
        backgrounds[4],   backgrounds[5],  backgrounds[6],  backgrounds[7],  backgrounds[8],
        backgrounds[9],   backgrounds[10], backgrounds[11], backgrounds[12], backgrounds[13],
        planets[0],       planets[1],      planets[2],      planets[3],      planets[4],
        planets[5],       planets[6],      planets[7],      planets[8],      planets[9],
        intactStatus,     asteroidStrip,   rockStrip,       aniPlanet02,     aniPlanet03,
        planetInfo,       sectorLabels[0], sectorLabels[1], sectorLabels[2], damageStatus[0],
        damageStatus[1],  damageStatus[2], damageStatus[3], damageStatus[4], playerShip,
        gameOverScreen,   splashScreen,    enemyShip,       warhead01,       explosionStrip,
        scorePanel,       bottomHud,       captain,         warheadFire,     menuScreen,
        warhead02,        captain2,        beamStrip,       enemyShip01,     gameEndScreen};
    for (SpriteSheet* sheet : sheets) {
        delete sheet;
    }
    TextWriter* const writers[] = {promptText,
                                   energyText,
                                   scienceText,
                                   planetScienceText,
                                   planetEnergyText,
                                   killsText,
                                   menuWarpCreatedText,
                                   menuWarpEnergyText,
                                   menuWeaponEnergyText,
                                   menuEnergyText,
                                   menuScienceText,
                                   warpPercentText,
                                   menuWeaponCreatedText,
                                   torpedoCountText};
    for (TextWriter* writer : writers) {
        delete writer;
    }
}
