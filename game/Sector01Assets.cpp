// Loading and unloading the level: the random start, the new game, and the 69 pictures
// and text styles the level draws with.
#include "game/Sector01.h"

#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"

#include <cstdint>
#include <ctime>

using vantor::game::PictureManifest;

namespace {

SpriteSheet* MakeSheet(const PictureManifest::Entry& entry, Graphics* g) {
    using Drawing = SpriteSheet::Drawing;
    const Drawing drawing = entry.turnsToHeading ? Drawing::AlsoRotated
                            : entry.drawnTurned  ? Drawing::KeyedUpright
                                                 : Drawing::UprightOnly;
    switch (entry.kind) {
    case PictureManifest::Kind::Strip:
        return new SpriteSheet(entry.file, g, entry.cellWidth, entry.cellHeight, entry.key,
                               drawing);
    case PictureManifest::Kind::Pair:
        return new SpriteSheet(entry.file, entry.detailFile, g, entry.key);
    case PictureManifest::Kind::Single:
        break;
    }
    return new SpriteSheet(entry.file, g, entry.key, drawing);
}

} // namespace

void Sector01::Load() {
    // Seeded once, with the time in seconds unless a seed was chosen: two loads in the same
    // second play alike.
    seedUsed = chosenSeed.value_or(static_cast<uint32_t>(std::time(nullptr)));
    random.Seed(seedUsed);
    // The layout is still 0 here, so the first sector has no planets of its own.
    PlacePlanets();
    PlaceAsteroid();
    NewGame();

    // Pictures and text need a drawing device; without one the level plays headless.
    Graphics* g = graphics;
    if (g == nullptr) {
        return;
    }
    // The pictures in the manifest's order, with every text style right after the title
    // picture.
    for (const PictureManifest::Entry& entry : PictureManifest::Entries) {
        SheetAt(entry.field, entry.index) = MakeSheet(entry, g);
        if (entry.field == PictureManifest::Field::SplashScreen) {
            MakeTextStyles(g);
        }
    }
}

void Sector01::MakeTextStyles(Graphics* g) {
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
}

SpriteSheet*& Sector01::SheetAt(PictureManifest::Field field, int index) {
    using Field = PictureManifest::Field;
    switch (field) {
    case Field::SectorBackground:
        return sectorBackground;
    case Field::Backgrounds:
        return backgrounds[index];
    case Field::Planets:
        return planets[index];
    case Field::IntactStatus:
        return intactStatus;
    case Field::AsteroidStrip:
        return asteroidStrip;
    case Field::RockStrip:
        return rockStrip;
    case Field::AniPlanet02:
        return aniPlanet02;
    case Field::AniPlanet03:
        return aniPlanet03;
    case Field::PlanetInfo:
        return planetInfo;
    case Field::SectorLabels:
        return sectorLabels[index];
    case Field::DamageStatus:
        return damageStatus[index];
    case Field::PlayerShip:
        return playerShip;
    case Field::GameOverScreen:
        return gameOverScreen;
    case Field::SplashScreen:
        return splashScreen;
    case Field::EnemyShip:
        return enemyShip;
    case Field::Warhead01:
        return warhead01;
    case Field::ExplosionStrip:
        return explosionStrip;
    case Field::ScorePanel:
        return scorePanel;
    case Field::BottomHud:
        return bottomHud;
    case Field::Captain:
        return captain;
    case Field::WarheadFire:
        return warheadFire;
    case Field::MenuScreen:
        return menuScreen;
    case Field::Warhead02:
        return warhead02;
    case Field::Captain2:
        return captain2;
    case Field::BeamStrip:
        return beamStrip;
    case Field::EnemyShip01:
        return enemyShip01;
    case Field::GameEndScreen:
        break;
    }
    return gameEndScreen;
}

SpriteSheet* const& Sector01::SheetAt(PictureManifest::Field field, int index) const {
    return const_cast<Sector01*>(this)->SheetAt(field, index);
}

void Sector01::Unload() {
    // Pictures in the order they are declared, then the text styles. The fields keep their
    // values: an unloaded level is only ever deleted.
    for (int f = 0; f < PictureManifest::FieldCount; ++f) {
        const auto field = static_cast<PictureManifest::Field>(f);
        for (int i = 0; i < PictureManifest::ElementsOf(field); ++i) {
            delete SheetAt(field, i);
        }
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
