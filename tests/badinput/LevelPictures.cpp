#include "LevelPictures.h"

#include "game/Sector01.h"
#include "graphics/SpriteSheet.h"

#include <string>

namespace {

void Add(std::vector<LevelPictures::Picture>& pictures, const std::string& file, SpriteSheet* sheet,
         int cellSide = 0) {
    pictures.push_back({file, sheet, sheet != nullptr ? sheet->bitmap : nullptr, cellSide});
}

} // namespace

std::vector<LevelPictures::Picture> LevelPictures::Of(const Sector01& level) {
    std::vector<Picture> pictures;
    Add(pictures, "SectorBackground.bmp", level.sectorBackground);
    Add(pictures, "Background01.png", level.backgrounds[0]);
    for (int i = 1; i < 14; ++i) {
        const std::string number = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
        Add(pictures, "Background" + number + ".jpg", level.backgrounds[i]);
    }
    Add(pictures, "GameEnd.jpg", level.gameEndScreen);
    Add(pictures, "GameOver.bmp", level.gameOverScreen);
    Add(pictures, "Splash.bmp", level.splashScreen);
    for (int i = 0; i < 10; ++i) {
        Add(pictures, "Planet" + std::to_string(i + 1) + ".bmp", level.planets[i]);
    }
    Add(pictures, "captain.bmp", level.captain);
    Add(pictures, "captain2.bmp", level.captain2);
    Add(pictures, "warhead02.bmp", level.warhead02);
    Add(pictures, "bottomHud.png", level.bottomHud);
    Add(pictures, "score.png", level.scorePanel);
    for (int i = 0; i < 3; ++i) {
        Add(pictures, "S0" + std::to_string(i + 1) + ".png", level.sectorLabels[i]);
    }
    Add(pictures, "PlanetInfo.png", level.planetInfo);
    Add(pictures, "menu.png", level.menuScreen);
    Add(pictures, "imagesHQBUG9TN.png", level.intactStatus);
    for (int i = 0; i < 5; ++i) {
        Add(pictures, "Damage0" + std::to_string(i + 1) + ".png", level.damageStatus[i]);
    }
    // The ship: two files, one sheet.
    SpriteSheet* ship = level.playerShip;
    pictures.push_back({"ShipBase.bmp", ship, ship != nullptr ? ship->baseBitmap : nullptr, 0});
    pictures.push_back({"ShipDetail.bmp", ship, ship != nullptr ? ship->detailBitmap : nullptr, 0});
    Add(pictures, "EnemyShip.bmp", level.enemyShip);
    Add(pictures, "EnemyShip01.bmp", level.enemyShip01);
    Add(pictures, "asteroid01.png", level.asteroidStrip, 128);
    Add(pictures, "rock.png", level.rockStrip, 100);
    Add(pictures, "warhead01.bmp", level.warhead01);
    Add(pictures, "warheadFire.bmp", level.warheadFire);
    Add(pictures, "aniPlanet02.png", level.aniPlanet02, 200);
    Add(pictures, "aniPlanet03.png", level.aniPlanet03, 200);
    Add(pictures, "explosion.png", level.explosionStrip, 138);
    Add(pictures, "beam.png", level.beamStrip, 50);
    return pictures;
}

std::vector<std::string> LevelPictures::Files() {
    const Sector01 unloaded;
    std::vector<std::string> files;
    for (const Picture& picture : Of(unloaded)) {
        files.push_back(picture.file);
    }
    return files;
}

std::vector<LevelPictures::Picture> LevelPictures::Strips() {
    const Sector01 unloaded;
    std::vector<Picture> strips;
    for (const Picture& picture : Of(unloaded)) {
        if (picture.cellSide > 0) {
            strips.push_back(picture);
        }
    }
    return strips;
}
