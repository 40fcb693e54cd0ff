#pragma once

#include "graphics/KeyColour.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vantor::game {

// Every picture file of the game, once: which of the level's picture fields it fills, how it
// is cut (one picture, an animation strip of equal cells, or the ship's two pictures drawn one
// over the other), the colour its background is painted in, and whether the level ever draws it
// through its key (only those get a keyed copy), and if so whether it turns it to a heading or
// always draws it upright. The rows are in the order the level loads them. The level, the asset
// generator, the tests and the benchmarks all take the files from here.
class PictureManifest {
public:
    // The level's picture fields, in the order they are declared (and deleted).
    enum class Field {
        SectorBackground,
        Backgrounds,
        Planets,
        IntactStatus,
        AsteroidStrip,
        RockStrip,
        AniPlanet02,
        AniPlanet03,
        PlanetInfo,
        SectorLabels,
        DamageStatus,
        PlayerShip,
        GameOverScreen,
        SplashScreen,
        EnemyShip,
        Warhead01,
        ExplosionStrip,
        ScorePanel,
        BottomHud,
        Captain,
        WarheadFire,
        MenuScreen,
        Warhead02,
        Captain2,
        BeamStrip,
        EnemyShip01,
        GameEndScreen,
    };
    static constexpr int FieldCount = static_cast<int>(Field::GameEndScreen) + 1;

    enum class Kind { Single, Strip, Pair };

    struct Entry {
        Field field;
        int index; // the element of an array field; 0 for the others
        Kind kind;
        const char* file;       // the base picture of the pair
        const char* detailFile; // the pair's picture drawn over the base; null for the others
        int cellWidth;          // strips only
        int cellHeight;
        graphics::KeyColour key;
        bool drawnTurned;    // drawn keyed, through DrawRotated
        bool turnsToHeading; // and at headings other than upright

        // The entry's files, one or two.
        constexpr int PictureCount() const { return detailFile != nullptr ? 2 : 1; }
        constexpr const char* File(int i) const { return i == 0 ? file : detailFile; }
    };

    static constexpr std::size_t SheetCount = 55;
    static constexpr std::size_t FileCount = 56;

    static const std::array<Entry, SheetCount> Entries;
    // The file names alone, in the order the level reads them.
    static const std::array<const char*, FileCount> Files;

    // How many elements a field has (1 for a plain field).
    static constexpr int ElementsOf(Field field) {
        switch (field) {
        case Field::Backgrounds:
            return 14;
        case Field::Planets:
            return 10;
        case Field::SectorLabels:
            return 3;
        case Field::DamageStatus:
            return 5;
        default:
            return 1;
        }
    }

    // The entry that reads the file (as base or detail picture), or null.
    static constexpr const Entry* Find(std::string_view file) {
        for (const Entry& entry : Entries) {
            for (int i = 0; i < entry.PictureCount(); ++i) {
                if (file == entry.File(i)) {
                    return &entry;
                }
            }
        }
        return nullptr;
    }

    // The entry that fills the field (the given element of an array field), or null.
    static constexpr const Entry* Of(Field field, int index = 0) {
        for (const Entry& entry : Entries) {
            if (entry.field == field && entry.index == index) {
                return &entry;
            }
        }
        return nullptr;
    }

private:
    // How the level draws a single picture: unkeyed, keyed but always upright, or keyed and
    // turned to a heading.
    enum class Drawn { Upright, KeyedUpright, Turned };
    static constexpr Drawn Upright = Drawn::Upright;
    static constexpr Drawn KeyedUpright = Drawn::KeyedUpright;
    static constexpr Drawn Turned = Drawn::Turned;

    static constexpr Entry Single(Field field, int index, const char* file, graphics::KeyColour key,
                                  Drawn drawn) {
        return {field, index, Kind::Single,     file,           nullptr, 0,
                0,     key,   drawn != Upright, drawn == Turned};
    }
    static constexpr Entry Single(Field field, const char* file, graphics::KeyColour key,
                                  Drawn drawn) {
        return Single(field, 0, file, key, drawn);
    }
    // Strips are drawn upright only, keyed on black.
    static constexpr Entry Strip(Field field, const char* file, int cellWidth, int cellHeight) {
        return {field,   0,         Kind::Strip, file,
                nullptr, cellWidth, cellHeight,  graphics::KeyColour::Black,
                false,   false};
    }
    // The pair is drawn turned only.
    static constexpr Entry Pair(Field field, const char* base, const char* detail,
                                graphics::KeyColour key) {
        return {field, 0, Kind::Pair, base, detail, 0, 0, key, true, true};
    }
    static constexpr std::array<const char*, FileCount> ListFiles();
};

// Bitmaps are keyed on green but for the two enemy ships; the PNG and JPEG pictures, the first
// sector's backdrop and the title picture on black. Only the keyed bitmaps are drawn through
// their key; the ships and the torpedoes in flight are turned to their headings, the planets,
// the captains, the weapon in the bars and the end screen's picture stand upright.
inline constexpr std::array<PictureManifest::Entry, PictureManifest::SheetCount>
    PictureManifest::Entries = {{
        // The backdrops and the full-screen pictures; the level's text styles come next.
        Single(Field::SectorBackground, "SectorBackground.bmp", graphics::KeyColour::Black,
               Upright),
        Single(Field::Backgrounds, 0, "Background01.png", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 1, "Background02.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 2, "Background03.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 3, "Background04.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 4, "Background05.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 5, "Background06.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 6, "Background07.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 7, "Background08.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 8, "Background09.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 9, "Background10.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 10, "Background11.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 11, "Background12.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 12, "Background13.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::Backgrounds, 13, "Background14.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::GameEndScreen, "GameEnd.jpg", graphics::KeyColour::Black, Upright),
        Single(Field::GameOverScreen, "GameOver.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::SplashScreen, "Splash.bmp", graphics::KeyColour::Black, Upright),
        // Then everything else.
        Single(Field::Planets, 0, "Planet1.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 1, "Planet2.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 2, "Planet3.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 3, "Planet4.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 4, "Planet5.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 5, "Planet6.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 6, "Planet7.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 7, "Planet8.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 8, "Planet9.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Planets, 9, "Planet10.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Captain, "captain.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Captain2, "captain2.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::Warhead02, "warhead02.bmp", graphics::KeyColour::Green, Turned),
        Single(Field::BottomHud, "bottomHud.png", graphics::KeyColour::Black, Upright),
        Single(Field::ScorePanel, "score.png", graphics::KeyColour::Black, Upright),
        Single(Field::SectorLabels, 0, "S01.png", graphics::KeyColour::Black, Upright),
        Single(Field::SectorLabels, 1, "S02.png", graphics::KeyColour::Black, Upright),
        Single(Field::SectorLabels, 2, "S03.png", graphics::KeyColour::Black, Upright),
        Single(Field::PlanetInfo, "PlanetInfo.png", graphics::KeyColour::Black, Upright),
        Single(Field::MenuScreen, "menu.png", graphics::KeyColour::Black, Upright),
        Single(Field::IntactStatus, "imagesHQBUG9TN.png", graphics::KeyColour::Black, Upright),
        Single(Field::DamageStatus, 0, "Damage01.png", graphics::KeyColour::Black, Upright),
        Single(Field::DamageStatus, 1, "Damage02.png", graphics::KeyColour::Black, Upright),
        Single(Field::DamageStatus, 2, "Damage03.png", graphics::KeyColour::Black, Upright),
        Single(Field::DamageStatus, 3, "Damage04.png", graphics::KeyColour::Black, Upright),
        Single(Field::DamageStatus, 4, "Damage05.png", graphics::KeyColour::Black, Upright),
        Pair(Field::PlayerShip, "ShipBase.bmp", "ShipDetail.bmp", graphics::KeyColour::Green),
        Single(Field::EnemyShip, "EnemyShip.bmp", graphics::KeyColour::Blue, Turned),
        Single(Field::EnemyShip01, "EnemyShip01.bmp", graphics::KeyColour::White, Turned),
        Strip(Field::AsteroidStrip, "asteroid01.png", 128, 128),
        Strip(Field::RockStrip, "rock.png", 100, 100),
        Single(Field::Warhead01, "warhead01.bmp", graphics::KeyColour::Green, KeyedUpright),
        Single(Field::WarheadFire, "warheadFire.bmp", graphics::KeyColour::Green, Turned),
        Strip(Field::AniPlanet02, "aniPlanet02.png", 200, 200),
        Strip(Field::AniPlanet03, "aniPlanet03.png", 200, 200),
        Strip(Field::ExplosionStrip, "explosion.png", 138, 138),
        Strip(Field::BeamStrip, "beam.png", 50, 50),
    }};

constexpr std::array<const char*, PictureManifest::FileCount> PictureManifest::ListFiles() {
    std::array<const char*, FileCount> files{};
    std::size_t next = 0;
    for (const Entry& entry : Entries) {
        for (int i = 0; i < entry.PictureCount(); ++i) {
            files[next++] = entry.File(i);
        }
    }
    return files;
}

inline constexpr std::array<const char*, PictureManifest::FileCount> PictureManifest::Files =
    ListFiles();

} // namespace vantor::game
