// Draws every picture the game reads and writes it under its name into the asset folder.
#include "tools/GenerateAssets.h"

#include "tools/pictures/BackdropPainter.h"
#include "tools/pictures/PanelPainter.h"
#include "tools/pictures/PictureWriter.h"
#include "tools/pictures/PlanetPainter.h"
#include "tools/pictures/PortraitPainter.h"
#include "tools/pictures/ShipPainter.h"
#include "tools/pictures/StatusPainter.h"
#include "tools/pictures/StripPainter.h"
#include "tools/pictures/TextPainter.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

const Colour kGreenKey{0.0f, 1.0f, 0.0f};
const Colour kBlueKey{0.0f, 0.0f, 1.0f};
const Colour kWhiteKey{1.0f, 1.0f, 1.0f};

// Small keyed pictures are drawn larger and scaled down, for clean edges.
template <typename Draw> Canvas Sprite(int width, int height, Draw draw, int fine = 4) {
    Canvas canvas(width * fine, height * fine, {0, 0, 0, 0}, static_cast<float>(fine));
    draw(canvas);
    return canvas.Downsampled(fine);
}

std::string Numbered(const char* prefix, int number, const char* extension, bool twoDigits) {
    char name[64];
    std::snprintf(name, sizeof name, twoDigits ? "%s%02d%s" : "%s%d%s", prefix, number, extension);
    return name;
}

void WriteBackdrops(PictureWriter& out, TextPainter& text) {
    const BackdropPainter backdrops(text);
    out.Bmp("SectorBackground.bmp", backdrops.Sector(1));
    out.Png("Background01.png", backdrops.Sector(2));
    for (int sector = 3; sector <= 15; ++sector) {
        out.Jpg(Numbered("Background", sector - 1, ".jpg", true), backdrops.Sector(sector));
    }
    out.Jpg("GameEnd.jpg", backdrops.Victory());
    out.Bmp("Splash.bmp", backdrops.Title());
}

void WritePanels(PictureWriter& out, TextPainter& text) {
    const PanelPainter panels(text);
    out.Png("score.png", panels.Score());
    for (int variant = 0; variant < 3; ++variant) {
        out.Png(Numbered("S", variant + 1, ".png", true), panels.Warp(variant));
    }
    out.Png("bottomHud.png", panels.BottomBar());
    out.Png("PlanetInfo.png", panels.PlanetReport());
    out.Png("menu.png", panels.Engineering());
    out.KeyedBmp("GameOver.bmp", panels.GameOver(), kGreenKey);

    const StatusPainter status(text);
    out.Png("imagesHQBUG9TN.png", status.Status(0));
    for (int level = 1; level <= 5; ++level) {
        out.Png(Numbered("Damage", level, ".png", true), status.Status(level));
    }
}

void WriteKeyed(PictureWriter& out) {
    using Kind = PlanetPainter::Kind;
    const Kind kinds[10] = {Kind::Desert, Kind::Ocean,  Kind::Ice,  Kind::Lava, Kind::Banded,
                            Kind::Toxic,  Kind::Ringed, Kind::Rust, Kind::Reef, Kind::Storm};
    for (int i = 0; i < 10; ++i) {
        const float radius = kinds[i] == Kind::Ringed ? 25.0f : 47.0f;
        out.KeyedBmp(Numbered("Planet", i + 1, ".bmp", false),
                     Sprite(
                         100, 100,
                         [&](Canvas& c) {
                             PlanetPainter::Draw(c, kinds[i], 50, 50, radius, 0.7f * i,
                                                 1000u + 17u * i);
                         },
                         2),
                     kGreenKey);
    }
    out.KeyedBmp("captain.bmp",
                 Sprite(PortraitPainter::kSize, PortraitPainter::kSize,
                        [](Canvas& c) { PortraitPainter::Captain(c, 0); }),
                 kGreenKey);
    out.KeyedBmp("captain2.bmp",
                 Sprite(PortraitPainter::kSize, PortraitPainter::kSize,
                        [](Canvas& c) { PortraitPainter::Captain(c, 1); }),
                 kGreenKey);
    out.KeyedBmp("warhead01.bmp", Sprite(100, 34, ShipPainter::Torpedo), kGreenKey);
    out.KeyedBmp("warhead02.bmp", Sprite(100, 34, ShipPainter::PlasmaWarhead), kGreenKey);
    out.KeyedBmp("warheadFire.bmp", Sprite(100, 75, ShipPainter::FireBolt), kGreenKey);
    out.KeyedBmp("ShipBase.bmp", Sprite(100, 75, ShipPainter::PlayerHull), kGreenKey);
    out.KeyedBmp("ShipDetail.bmp", Sprite(100, 75, ShipPainter::PlayerDetail), kGreenKey);
    out.KeyedBmp("EnemyShip.bmp", Sprite(100, 75, ShipPainter::Enemy), kBlueKey);
    out.KeyedBmp("EnemyShip01.bmp", Sprite(100, 75, ShipPainter::Boss), kWhiteKey);
}

void WriteStrips(PictureWriter& out) {
    out.Png("asteroid01.png", StripPainter::Asteroid(128, 4, 0.35f, {0.55f, 0.5f, 0.45f}, 21));
    out.Png("rock.png", StripPainter::Asteroid(100, 4, 0.6f, {0.6f, 0.4f, 0.3f}, 57));
    out.Png("aniPlanet02.png",
            StripPainter::TurningPlanet(200, 4, PlanetPainter::Kind::Ocean, 802));
    out.Png("aniPlanet03.png",
            StripPainter::TurningPlanet(200, 4, PlanetPainter::Kind::Banded, 803));
    out.Png("explosion.png", StripPainter::Explosion(138, 4));
    out.Png("beam.png", StripPainter::Beam(50, 4));
}

} // namespace

bool GeneratePictures(const std::string& dir) {
    std::error_code error;
    if (!std::filesystem::is_directory(dir, error)) {
        std::fprintf(stderr, "pictures: %s is not a folder\n", dir.c_str());
        return false;
    }
    TextPainter text;
    if (!text.Open()) {
        return false;
    }
    PictureWriter out(dir);
    WriteBackdrops(out, text);
    WritePanels(out, text);
    WriteKeyed(out);
    WriteStrips(out);
    return out.ok;
}
