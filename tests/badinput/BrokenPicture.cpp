#include "BrokenPicture.h"

#include "AllocationWatch.h"
#include "LevelPictures.h"
#include "PictureDamage.h"
#include "ScreenWitness.h"

#include "graphics/ImageHeader.h"
#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"
#include "support/GeneratedAssets.h"
#include "support/LevelScreens.h"

#include <SDL_image.h>

#include <functional>
#include <vector>

namespace vantor::test {

namespace {

using Kind = PictureDamage::Kind;
using Screen = LevelScreens::Screen;

// The sides a file's header claims.
std::pair<long long, long long> HeaderSides(const std::string& path) {
    long long width = -1;
    long long height = -1;
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file != nullptr) {
        graphics::ImageHeader::ReadSize(file, graphics::ImageHeader::Detect(file), width, height);
        SDL_RWclose(file);
    }
    return {width, height};
}

} // namespace

void BrokenPicture::SetUpTestSuite() {
    assets = new TempAssets();
}

void BrokenPicture::TearDownTestSuite() {
    delete assets;
    assets = nullptr;
    originals.clear();
}

void BrokenPicture::TearDown() {
    if (offscreen != nullptr) {
        level = nullptr;
        offscreen.reset();
        EXPECT_EQ(SpriteSheet::live, 0);
        EXPECT_EQ(TextWriter::live, 0);
    }
    if (assets != nullptr) {
        assets->Restore(GetParam().file);
    }
}

void BrokenPicture::LoadWithBrokenFile(const PictureCase& broken) {
    Break(broken);
    if (broken.ExpectedReport() == nullptr && broken.damage != Damage::CutInPixels &&
        broken.damage != Damage::SmallerThanACell) {
        brokenPicture = std::make_unique<PictureFile>(assets->Path(broken.file));
        ASSERT_TRUE(brokenPicture->Decoded()) << IMG_GetError();
    }
    brokenSides = HeaderSides(assets->Path(broken.file));

    offscreen = std::make_unique<OffscreenLevel>();
    ASSERT_TRUE(offscreen->Ready());
    {
        AllocationWatch watch(RefuseFrom);
        offscreen->Load(assets->Dir());
        largestAllocation = watch.Largest();
    }
    level = &offscreen->level;
    assets->Restore(broken.file);
}

void BrokenPicture::Break(const PictureCase& broken) {
    const std::string& file = broken.file;
    const Kind kind = PictureDamage::KindOfName(file);
    const std::vector<uint8_t> original = TempAssets::ReadOriginal(file);
    const unsigned seed = unsigned(std::hash<std::string>()(file));
    switch (broken.damage) {
    case Damage::Missing:
        assets->Remove(file);
        break;
    case Damage::Empty:
        assets->Write(file, {});
        break;
    case Damage::CutInHeader:
        assets->Write(file, PictureDamage::CutInHeader(original, kind));
        break;
    case Damage::CutInPixels:
        assets->Write(file, PictureDamage::CutInPixels(original));
        break;
    case Damage::Noise:
        assets->Write(file, PictureDamage::Noise(original.size(), seed));
        break;
    case Damage::SignatureThenNoise:
        assets->Write(file, PictureDamage::SignatureThenNoise(kind, original.size(), seed));
        break;
    case Damage::HugeSides:
        assets->Write(file, PictureDamage::ClaimingSides(original, kind, HugeSide, HugeSide));
        break;
    case Damage::AsBmp:
        PictureDamage::Reencode(GeneratedAssets::Path(file), Kind::Bmp, assets->Path(file));
        break;
    case Damage::AsPng:
        PictureDamage::Reencode(GeneratedAssets::Path(file), Kind::Png, assets->Path(file));
        break;
    case Damage::AsJpeg:
        PictureDamage::Reencode(GeneratedAssets::Path(file), Kind::Jpeg, assets->Path(file));
        break;
    case Damage::SmallerThanACell:
        PictureDamage::WriteSolidPng(assets->Path(file), StripCell(file) / 2, StripCell(file) / 2,
                                     StripColour);
        break;
    }
}

int BrokenPicture::StripCell(const std::string& file) {
    for (const LevelPictures::Picture& strip : LevelPictures::Strips()) {
        if (strip.file == file) {
            return strip.cellSide;
        }
    }
    return 0;
}

void BrokenPicture::ExpectOnlyTheBrokenFileReported(const PictureCase& broken) {
    const char* expected = broken.ExpectedReport();
    if (expected == nullptr) {
        EXPECT_TRUE(offscreen->reports.empty())
            << offscreen->reports.front().first << " (" << offscreen->reports.front().second << ")";
        return;
    }
    ASSERT_EQ(offscreen->reports.size(), 1u) << "reports for " << broken.file;
    EXPECT_EQ(offscreen->reports[0].first, expected);
    EXPECT_EQ(offscreen->reports[0].second, broken.file);
}

void BrokenPicture::ExpectEveryOtherPictureLoaded(const PictureCase& broken) {
    EXPECT_EQ(SpriteSheet::live, 55);
    EXPECT_EQ(TextWriter::live, 14);
    int others = 0;
    for (const LevelPictures::Picture& picture : LevelPictures::Of(*level)) {
        ASSERT_NE(picture.sheet, nullptr) << picture.file;
        int width = 0;
        int height = 0;
        if (picture.texture != nullptr) {
            SDL_QueryTexture(picture.texture, nullptr, nullptr, &width, &height);
        }
        if (picture.file == broken.file) {
            if (broken.ExpectedReport() != nullptr) {
                EXPECT_EQ(picture.texture, nullptr) << picture.file;
            } else {
                ASSERT_NE(picture.texture, nullptr) << picture.file;
                EXPECT_EQ(width, brokenSides.first) << picture.file;
                EXPECT_EQ(height, brokenSides.second) << picture.file;
            }
            continue;
        }
        ++others;
        ASSERT_NE(picture.texture, nullptr) << picture.file << " was lost";
        const auto sides = HeaderSides(GeneratedAssets::Path(picture.file));
        EXPECT_EQ(width, sides.first) << picture.file;
        EXPECT_EQ(height, sides.second) << picture.file;
    }
    EXPECT_EQ(others, 55);
    EXPECT_LT(largestAllocation, RefuseFrom) << "a decoder was handed an absurd header";
}

void BrokenPicture::Frames(int count) {
    for (int i = 0; i < count; ++i) {
        level->Update();
        Draw();
    }
}

const PictureFile& BrokenPicture::Original(const std::string& file) {
    return originals.try_emplace(file, GeneratedAssets::Path(file)).first->second;
}

void BrokenPicture::PlayEveryScreen(const std::string& brokenFile) {
    level->ChooseSeed(20261209);
    LevelScreens::Show(*level, Screen::Title);
    Frames(5);
    level->OnEnter(false);
    Frames(5);
    EXPECT_TRUE(level->gameStarted);
    level->OnLeftClick(600, 400);
    level->OnRightClick(900, 100);
    Frames(10);
    level->OnMenuKey(true);
    Frames(3);
    level->OnMenuAction(4);
    level->OnEnter(false);
    Frames(3);
    EXPECT_FALSE(level->menuOpen);

    for (const Screen screen : LevelScreens::All()) {
        LevelScreens::Show(*level, screen);
        Draw();
        for (const ScreenWitness& witness : ScreenWitness::All()) {
            if (witness.screen != screen) {
                continue;
            }
            const PictureFile* reference = &Original(witness.file);
            if (witness.file == brokenFile) {
                reference = brokenPicture.get();
                if (reference == nullptr) {
                    continue; // shows nothing, or only partly
                }
            }
            ASSERT_TRUE(reference->Decoded()) << witness.file;
            int solid = 0;
            const double share = witness.region.Share(offscreen->graphics, *reference, solid);
            EXPECT_GE(solid, 30) << witness.file;
            EXPECT_GE(share, witness.minShare)
                << witness.file << " on the " << LevelScreens::NameOf(screen) << " screen";
        }
        Frames(5);
    }
    // The end screen: Enter starts a new game at the title.
    LevelScreens::Show(*level, Screen::Defeat);
    Frames(3);
    EXPECT_TRUE(level->gameOver);
    level->OnEnter(false);
    Frames(3);
    EXPECT_TRUE(level->titleScreen);
    EXPECT_FALSE(level->gameOver);
}

void BrokenPicture::ExpectTheGameRunsOn(const PictureCase& broken) {
    ExpectOnlyTheBrokenFileReported(broken);
    ExpectEveryOtherPictureLoaded(broken);
    PlayEveryScreen(broken.file);
}

} // namespace vantor::test
