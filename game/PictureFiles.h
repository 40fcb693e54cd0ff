#pragma once

#include <array>

// Every picture file the level reads, in the order its Load reads them: the 54 sheets of one
// file and the ship's two. The asset generator writes exactly these; the checks and the
// benchmarks around the level take the list from here.
namespace PictureFiles {

inline constexpr std::array<const char*, 56> All = {
    "SectorBackground.bmp",
    "Background01.png",
    "Background02.jpg",
    "Background03.jpg",
    "Background04.jpg",
    "Background05.jpg",
    "Background06.jpg",
    "Background07.jpg",
    "Background08.jpg",
    "Background09.jpg",
    "Background10.jpg",
    "Background11.jpg",
    "Background12.jpg",
    "Background13.jpg",
    "Background14.jpg",
    "GameEnd.jpg",
    "GameOver.bmp",
    "Splash.bmp",
    "Planet1.bmp",
    "Planet2.bmp",
    "Planet3.bmp",
    "Planet4.bmp",
    "Planet5.bmp",
    "Planet6.bmp",
    "Planet7.bmp",
    "Planet8.bmp",
    "Planet9.bmp",
    "Planet10.bmp",
    "captain.bmp",
    "captain2.bmp",
    "warhead02.bmp",
    "bottomHud.png",
    "score.png",
    "S01.png",
    "S02.png",
    "S03.png",
    "PlanetInfo.png",
    "menu.png",
    "imagesHQBUG9TN.png",
    "Damage01.png",
    "Damage02.png",
    "Damage03.png",
    "Damage04.png",
    "Damage05.png",
    "ShipBase.bmp",
    "ShipDetail.bmp",
    "EnemyShip.bmp",
    "EnemyShip01.bmp",
    "asteroid01.png",
    "rock.png",
    "warhead01.bmp",
    "warheadFire.bmp",
    "aniPlanet02.png",
    "aniPlanet03.png",
    "explosion.png",
    "beam.png",
};

} // namespace PictureFiles
