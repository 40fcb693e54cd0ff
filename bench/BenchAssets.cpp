#include "bench/BenchAssets.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

const std::array<const char*, 56> BenchAssets::PictureFiles = {
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

std::string BenchAssets::Dir() {
    if (const char* dir = std::getenv("VANTOR_ASSET_DIR"); dir != nullptr && dir[0] != '\0') {
        return dir;
    }
    return VANTOR_BENCH_ASSET_DIR;
}

bool BenchAssets::Enter() {
    const std::filesystem::path dir = Dir();
    std::error_code error;
    for (const char* file : PictureFiles) {
        if (!std::filesystem::is_regular_file(dir / file, error)) {
            std::fprintf(stderr, "vantor_bench: %s is missing from %s (build the target assets)\n",
                         file, dir.c_str());
            return false;
        }
    }
    std::filesystem::current_path(dir, error);
    if (error) {
        std::fprintf(stderr, "vantor_bench: cannot enter %s: %s\n", dir.c_str(),
                     error.message().c_str());
        return false;
    }
    return true;
}
