// Draws every picture the game reads and writes it under its name into the asset folder.
#include "tools/pictures/GeneratePictures.h"

#include "game/PictureManifest.h"

#include "tools/AssetFolder.h"
#include "tools/pictures/BackdropPainter.h"
#include "tools/pictures/PanelPainter.h"
#include "tools/pictures/PictureWriter.h"
#include "tools/pictures/PlanetPainter.h"
#include "tools/pictures/PortraitPainter.h"
#include "tools/pictures/ShipPainter.h"
#include "tools/pictures/StatusPainter.h"
#include "tools/pictures/StripPainter.h"
#include "tools/pictures/TextPainter.h"

#include <string>
#include <string_view>

namespace vantor::tools::pictures {

namespace {

using Field = game::PictureManifest::Field;

// Small keyed pictures are drawn larger and scaled down, for clean edges.
template <typename Draw> Canvas Sprite(int width, int height, Draw draw, int fine = 4) {
    Canvas canvas(width * fine, height * fine, {0, 0, 0, 0}, static_cast<float>(fine));
    draw(canvas);
    return canvas.Downsampled(fine);
}

Canvas Planet(int index) {
    using Kind = PlanetPainter::Kind;
    const Kind kinds[10] = {Kind::Desert, Kind::Ocean,  Kind::Ice,  Kind::Lava, Kind::Banded,
                            Kind::Toxic,  Kind::Ringed, Kind::Rust, Kind::Reef, Kind::Storm};
    const Kind kind = kinds[index];
    const float radius = kind == Kind::Ringed ? 25.0f : 47.0f;
    return Sprite(
        100, 100,
        [&](Canvas& c) {
            PlanetPainter::Draw(c, kind, 50, 50, radius, 0.7f * index, 1000u + 17u * index);
        },
        2);
}

Canvas Portrait(int rank) {
    return Sprite(PortraitPainter::kSize, PortraitPainter::kSize,
                  [rank](Canvas& c) { PortraitPainter::Captain(c, rank); });
}

// The painters of every picture, made once.
class Painters {
public:
    explicit Painters(TextPainter& text) : backdrops(text), panels(text), status(text) {}

    // The picture of one file of a manifest row (the ship's detail picture is its second).
    Canvas Paint(const game::PictureManifest::Entry& entry, int picture) const {
        switch (entry.field) {
        case Field::SectorBackground:
            return backdrops.Sector(1);
        case Field::Backgrounds:
            return backdrops.Sector(entry.index + 2);
        case Field::GameEndScreen:
            return backdrops.Victory();
        case Field::SplashScreen:
            return backdrops.Title();
        case Field::ScorePanel:
            return panels.Score();
        case Field::SectorLabels:
            return panels.Warp(entry.index);
        case Field::BottomHud:
            return panels.BottomBar();
        case Field::PlanetInfo:
            return panels.PlanetReport();
        case Field::MenuScreen:
            return panels.Engineering();
        case Field::GameOverScreen:
            return panels.GameOver();
        case Field::IntactStatus:
            return status.Status(0);
        case Field::DamageStatus:
            return status.Status(entry.index + 1);
        case Field::Planets:
            return Planet(entry.index);
        case Field::Captain:
            return Portrait(0);
        case Field::Captain2:
            return Portrait(1);
        case Field::Warhead01:
            return Sprite(100, 34, ShipPainter::Torpedo);
        case Field::Warhead02:
            return Sprite(100, 34, ShipPainter::PlasmaWarhead);
        case Field::WarheadFire:
            return Sprite(100, 75, ShipPainter::FireBolt);
        case Field::PlayerShip:
            return picture == 0 ? Sprite(100, 75, ShipPainter::PlayerHull)
                                : Sprite(100, 75, ShipPainter::PlayerDetail);
        case Field::EnemyShip:
            return Sprite(100, 75, ShipPainter::Enemy);
        case Field::EnemyShip01:
            return Sprite(100, 75, ShipPainter::Boss);
        case Field::AsteroidStrip:
            return StripPainter::Asteroid(128, 4, 0.35f, {0.55f, 0.5f, 0.45f}, 21);
        case Field::RockStrip:
            return StripPainter::Asteroid(100, 4, 0.6f, {0.6f, 0.4f, 0.3f}, 57);
        case Field::AniPlanet02:
            return StripPainter::ScanGlobe(200, 4, 0.35f);
        case Field::AniPlanet03:
            return StripPainter::ScanGlobe(200, 4, -0.25f);
        case Field::ExplosionStrip:
            return StripPainter::Explosion(138, 4);
        case Field::BeamStrip:
            break;
        }
        return StripPainter::Beam(50, 4);
    }

private:
    const BackdropPainter backdrops;
    const PanelPainter panels;
    const StatusPainter status;
};

bool EndsWith(std::string_view name, std::string_view ending) {
    return name.size() >= ending.size() && name.substr(name.size() - ending.size()) == ending;
}

// In the format its name gives. A bitmap the game draws turned has its background painted in
// its key colour; the other bitmaps, like the JPEG pictures, are laid over black.
void Write(PictureWriter& out, const char* file, const Canvas& canvas,
           const game::PictureManifest::Entry& entry) {
    if (EndsWith(file, ".png")) {
        out.Png(file, canvas);
    } else if (EndsWith(file, ".jpg")) {
        out.Jpg(file, canvas);
    } else if (entry.drawnTurned) {
        out.KeyedBmp(file, canvas, Colour{entry.key.r, entry.key.g, entry.key.b});
    } else {
        out.Bmp(file, canvas);
    }
}

} // namespace

bool GeneratePictures(const std::string& dir) {
    if (!tools::AssetFolder("pictures", dir).Exists()) {
        return false;
    }
    TextPainter text;
    if (!text.Open()) {
        return false;
    }
    PictureWriter out(dir);
    const Painters painters(text);
    for (const game::PictureManifest::Entry& entry : game::PictureManifest::Entries) {
        for (int picture = 0; picture < entry.PictureCount(); ++picture) {
            Write(out, entry.File(picture), painters.Paint(entry, picture), entry);
        }
    }
    return out.ok;
}

} // namespace vantor::tools::pictures
