#include "LevelPictures.h"

#include "game/PictureManifest.h"
#include "game/Sector01.h"
#include "graphics/SpriteSheet.h"

namespace vantor::test {

namespace {

// The texture the sheet holds for the entry's picture: the pair's base or detail picture, or
// the sheet's only one.
SDL_Texture* TextureOf(const SpriteSheet* sheet, const game::PictureManifest::Entry& entry,
                       int picture) {
    if (sheet == nullptr) {
        return nullptr;
    }
    if (entry.kind == game::PictureManifest::Kind::Pair) {
        return picture == 0 ? sheet->baseBitmap : sheet->detailBitmap;
    }
    return sheet->bitmap;
}

} // namespace

std::vector<LevelPictures::Picture> LevelPictures::Of(const Sector01& level) {
    std::vector<Picture> pictures;
    for (const game::PictureManifest::Entry& entry : game::PictureManifest::Entries) {
        SpriteSheet* sheet = level.SheetAt(entry.field, entry.index);
        // The strips' cells are square.
        const int cellSide = entry.kind == game::PictureManifest::Kind::Strip ? entry.cellWidth : 0;
        for (int i = 0; i < entry.PictureCount(); ++i) {
            pictures.push_back({entry.File(i), sheet, TextureOf(sheet, entry, i), cellSide});
        }
    }
    return pictures;
}

std::vector<std::string> LevelPictures::Files() {
    return {game::PictureManifest::Files.begin(), game::PictureManifest::Files.end()};
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

} // namespace vantor::test
