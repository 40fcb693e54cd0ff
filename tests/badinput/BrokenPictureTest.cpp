// One picture file of the level broken at a time, in a copy of the generated asset folder, and
// the whole level loaded from it on the offscreen device: the game reports that one file as
// the picture loader does and nothing else, every other picture loads whole, and the game
// plays every screen, drawing everything else.
//
// What becomes of each kind of damage:
//   missing, empty, random bytes                 "Error reading image file or no such file exist"
//   cut in the header, a signature then noise,
//   a header claiming 16384 or more on a side    "Error reading image frame "
//   cut in the middle                            the same for BMP and PNG; a JPEG keeps the rows
//                                                that arrived and loads without a report
//   another kind of picture than its name says   loads as the picture it holds, no report
//   a strip smaller than one cell                loads, no report; a cell draws only the part
//                                                of it that lies on the picture
#include "AllocationWatch.h"
#include "LevelPictures.h"
#include "LevelScreens.h"
#include "PictureDamage.h"
#include "ScreenWitness.h"
#include "TempAssets.h"

#include "app/GameManager.h"
#include "game/Sector01.h"
#include "graphics/Graphics.h"
#include "graphics/ImageErrorReporter.h"
#include "graphics/ImageHeader.h"
#include "graphics/PictureLoader.h"
#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"
#include "support/RecordingPlayer.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Kind = PictureDamage::Kind;
using Screen = LevelScreens::Screen;

enum class Damage {
    Missing,
    Empty,
    CutInHeader,
    CutInPixels,
    Noise,
    SignatureThenNoise,
    HugeSides,
    AsBmp,
    AsPng,
    AsJpeg,
    SmallerThanACell,
};

const char* NameOf(Damage damage) {
    switch (damage) {
    case Damage::Missing:
        return "Missing";
    case Damage::Empty:
        return "Empty";
    case Damage::CutInHeader:
        return "CutInHeader";
    case Damage::CutInPixels:
        return "CutInPixels";
    case Damage::Noise:
        return "Noise";
    case Damage::SignatureThenNoise:
        return "SignatureThenNoise";
    case Damage::HugeSides:
        return "HugeSides";
    case Damage::AsBmp:
        return "HoldingABmp";
    case Damage::AsPng:
        return "HoldingAPng";
    case Damage::AsJpeg:
        return "HoldingAJpeg";
    case Damage::SmallerThanACell:
        break;
    }
    return "SmallerThanACell";
}

struct PictureCase {
    std::string file;
    Damage damage;
};

void PrintTo(const PictureCase& broken, std::ostream* out) {
    *out << broken.file << ", " << NameOf(broken.damage);
}

std::string CaseName(const ::testing::TestParamInfo<PictureCase>& info) {
    std::string name = std::string(NameOf(info.param.damage)) + "_" + info.param.file;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

// No picture of the game needs more than a few megabytes; a decoder that believed a header
// claiming 16384 by 16384 would ask for a gigabyte.
constexpr size_t RefuseFrom = size_t(256) << 20;
constexpr uint32_t HugeSide = 16384;

// The text the picture loader reports for the case, or null when the picture loads.
const char* ExpectedReport(const PictureCase& broken) {
    switch (broken.damage) {
    case Damage::Missing:
    case Damage::Empty:
    case Damage::Noise:
        return PictureLoader::FileError;
    case Damage::CutInHeader:
    case Damage::SignatureThenNoise:
    case Damage::HugeSides:
        return PictureLoader::FrameError;
    case Damage::CutInPixels:
        return PictureDamage::KindOfName(broken.file) == Kind::Jpeg ? nullptr
                                                                    : PictureLoader::FrameError;
    case Damage::AsBmp:
    case Damage::AsPng:
    case Damage::AsJpeg:
    case Damage::SmallerThanACell:
        break;
    }
    return nullptr;
}

// A decoded picture in ARGB8888, freed with its owner.
using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Surface Decode(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    SDL_Surface* argb =
        loaded != nullptr ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    SDL_FreeSurface(loaded);
    return Surface(argb, SDL_FreeSurface);
}

// The sides a file's header claims.
std::pair<long long, long long> HeaderSides(const std::string& path) {
    long long width = -1;
    long long height = -1;
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file != nullptr) {
        ImageHeader::ReadSize(file, ImageHeader::Detect(file), width, height);
        SDL_RWclose(file);
    }
    return {width, height};
}

class RecordingReporter : public ImageErrorReporter {
public:
    void Report(const char* text, const char* fileName) override {
        reports.emplace_back(text, fileName != nullptr ? fileName : "");
    }
    std::vector<std::pair<std::string, std::string>> reports; // text, file name
};

class BrokenPicture : public ::testing::TestWithParam<PictureCase> {
protected:
    static void SetUpTestSuite() {
        graphics = new Graphics();
        ASSERT_TRUE(graphics->InitOffscreen());
        GameManager::SetGraphics(graphics);
        assets = new TempAssets();
    }

    static void TearDownTestSuite() {
        delete assets;
        assets = nullptr;
        GameManager::SetGraphics(nullptr);
        delete graphics;
        graphics = nullptr;
        originals.clear();
    }

    void TearDown() override {
        if (level != nullptr) {
            level->Unload();
            delete level;
            level = nullptr;
            EXPECT_EQ(SpriteSheet::live, 0);
            EXPECT_EQ(TextWriter::live, 0);
        }
        if (assets != nullptr) {
            assets->Restore(GetParam().file);
        }
    }

    // Breaks the file in the copied folder, loads the level from there and puts the file
    // back. For a picture that still loads, keeps what it holds now to compare the screen with.
    void LoadWithBrokenFile(const PictureCase& broken) {
        Break(broken);
        if (ExpectedReport(broken) == nullptr && broken.damage != Damage::CutInPixels &&
            broken.damage != Damage::SmallerThanACell) {
            brokenPicture = Decode(assets->Path(broken.file));
            ASSERT_NE(brokenPicture, nullptr) << IMG_GetError();
        }
        brokenSides = HeaderSides(assets->Path(broken.file));

        const fs::path before = fs::current_path();
        fs::current_path(assets->Dir());
        RecordingReporter reporter;
        {
            AllocationWatch watch(RefuseFrom);
            SetImageErrorReporter(&reporter);
            level = new Sector01();
            level->Load();
            SetImageErrorReporter(nullptr);
            largestAllocation = watch.Largest();
        }
        fs::current_path(before);
        assets->Restore(broken.file);
        reports = reporter.reports;
    }

    void Break(const PictureCase& broken) {
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
            PictureDamage::Reencode(TempAssets::Original(file), Kind::Bmp, assets->Path(file));
            break;
        case Damage::AsPng:
            PictureDamage::Reencode(TempAssets::Original(file), Kind::Png, assets->Path(file));
            break;
        case Damage::AsJpeg:
            PictureDamage::Reencode(TempAssets::Original(file), Kind::Jpeg, assets->Path(file));
            break;
        case Damage::SmallerThanACell:
            PictureDamage::WriteSolidPng(assets->Path(file), StripCell(file) / 2,
                                         StripCell(file) / 2, StripColour);
            break;
        }
    }

    static int StripCell(const std::string& file) {
        for (const LevelPictures::Picture& strip : LevelPictures::Strips()) {
            if (strip.file == file) {
                return strip.cellSide;
            }
        }
        return 0;
    }

    // The one report the case calls for, naming the file as the level names it, or none.
    void ExpectOnlyTheBrokenFileReported(const PictureCase& broken) {
        const char* expected = ExpectedReport(broken);
        if (expected == nullptr) {
            EXPECT_TRUE(reports.empty())
                << reports.front().first << " (" << reports.front().second << ")";
            return;
        }
        ASSERT_EQ(reports.size(), 1u) << "reports for " << broken.file;
        EXPECT_EQ(reports[0].first, expected);
        EXPECT_EQ(reports[0].second, broken.file);
    }

    // The broken picture is missing from its sheet or holds what the file holds now; every
    // other picture is there at the size of its file.
    void ExpectEveryOtherPictureLoaded(const PictureCase& broken) {
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
                if (ExpectedReport(broken) != nullptr) {
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
            const auto sides = HeaderSides(TempAssets::Original(picture.file));
            EXPECT_EQ(width, sides.first) << picture.file;
            EXPECT_EQ(height, sides.second) << picture.file;
        }
        EXPECT_EQ(others, 55);
        EXPECT_LT(largestAllocation, RefuseFrom) << "a decoder was handed an absurd header";
    }

    // Updates and draws frames as the frame loop does.
    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            level->Update();
            Draw();
        }
    }

    void Draw() {
        graphics->BeginDraw();
        level->Render();
        graphics->EndDraw();
    }

    static const SDL_Surface* Original(const std::string& file) {
        auto found = originals.find(file);
        if (found == originals.end()) {
            found = originals.emplace(file, Decode(TempAssets::Original(file))).first;
        }
        return found->second.get();
    }

    // Plays the way a player gets into the game, then every screen: each is drawn and looked
    // at where its pictures show, then runs on for a few frames.
    void PlayEveryScreen(const std::string& brokenFile) {
        srand(20261209);
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
                const SDL_Surface* reference = Original(witness.file);
                if (witness.file == brokenFile) {
                    reference = brokenPicture.get();
                    if (reference == nullptr) {
                        continue; // shows nothing, or only partly
                    }
                }
                ASSERT_NE(reference, nullptr) << witness.file;
                int solid = 0;
                const double share = witness.Share(*graphics, reference, solid);
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

    void ExpectTheGameRunsOn(const PictureCase& broken) {
        ExpectOnlyTheBrokenFileReported(broken);
        ExpectEveryOtherPictureLoaded(broken);
        PlayEveryScreen(broken.file);
    }

    static constexpr uint32_t StripColour = 0xFFE01EA0;

    static inline Graphics* graphics = nullptr;
    static inline TempAssets* assets = nullptr;
    static inline std::map<std::string, Surface> originals;

    RecordingPlayer sound;
    Sector01* level = nullptr;
    std::vector<std::pair<std::string, std::string>> reports;
    Surface brokenPicture{nullptr, SDL_FreeSurface};
    std::pair<long long, long long> brokenSides;
    size_t largestAllocation = 0;
};

TEST_P(BrokenPicture, IsReportedAloneAndTheGameDrawsEverythingElse) {
    ASSERT_NO_FATAL_FAILURE(LoadWithBrokenFile(GetParam()));
    ExpectTheGameRunsOn(GetParam());
}

std::vector<PictureCase> EveryFile(Damage damage) {
    std::vector<PictureCase> cases;
    for (const std::string& file : LevelPictures::Files()) {
        cases.push_back({file, damage});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryFile, BrokenPicture, ::testing::ValuesIn(EveryFile(Damage::Missing)),
                         CaseName);

// Every other damage on one file of each kind, a different file each time.
INSTANTIATE_TEST_SUITE_P(
    OneFileOfEachKind, BrokenPicture,
    ::testing::Values(PictureCase{"GameOver.bmp", Damage::Empty},
                      PictureCase{"score.png", Damage::Empty},
                      PictureCase{"Background05.jpg", Damage::Empty},
                      PictureCase{"ShipBase.bmp", Damage::CutInHeader},
                      PictureCase{"rock.png", Damage::CutInHeader},
                      PictureCase{"Background06.jpg", Damage::CutInHeader},
                      PictureCase{"Splash.bmp", Damage::CutInPixels},
                      PictureCase{"menu.png", Damage::CutInPixels},
                      PictureCase{"GameEnd.jpg", Damage::CutInPixels},
                      PictureCase{"EnemyShip.bmp", Damage::Noise},
                      PictureCase{"Damage03.png", Damage::Noise},
                      PictureCase{"Background07.jpg", Damage::Noise},
                      PictureCase{"Planet7.bmp", Damage::SignatureThenNoise},
                      PictureCase{"asteroid01.png", Damage::SignatureThenNoise},
                      PictureCase{"Background08.jpg", Damage::SignatureThenNoise},
                      PictureCase{"SectorBackground.bmp", Damage::HugeSides},
                      PictureCase{"Background01.png", Damage::HugeSides},
                      PictureCase{"Background14.jpg", Damage::HugeSides}),
    CaseName);

// A picture is told by its content, not by its name: each kind holding each other kind.
INSTANTIATE_TEST_SUITE_P(EveryKindHoldingEveryOther, BrokenPicture,
                         ::testing::Values(PictureCase{"Splash.bmp", Damage::AsPng},
                                           PictureCase{"Splash.bmp", Damage::AsJpeg},
                                           PictureCase{"Background01.png", Damage::AsBmp},
                                           PictureCase{"Background01.png", Damage::AsJpeg},
                                           PictureCase{"Background02.jpg", Damage::AsPng},
                                           PictureCase{"Background02.jpg", Damage::AsBmp}),
                         CaseName);

// An animation strip smaller than one of its cells: it loads, and a cell shows only the part
// of the picture that lies in it, never a stretched or wrapped copy.
class StripTooSmall : public BrokenPicture {
protected:
    // Where the game draws the strip's cells, and on which screen.
    struct Place {
        Screen screen;
        int x;
        int y;
    };

    static Place PlaceOf(const std::string& file) {
        if (file == "asteroid01.png") {
            return {Screen::PlanetsAndAsteroid, 420, 180};
        }
        if (file == "rock.png") {
            return {Screen::Rock, 420, 180};
        }
        if (file == "aniPlanet02.png") {
            return {Screen::SecondPlanetPanel, 402, 275};
        }
        if (file == "aniPlanet03.png") {
            return {Screen::FirstPlanetPanel, 402, 275};
        }
        if (file == "explosion.png") {
            return {Screen::Defeat, 860, 600};
        }
        return {Screen::Menu, 80, 605}; // the beam
    }

    // How many pixels of the strip's colour the cell's place shows inside and outside the
    // corner the small picture covers.
    void CountColour(const Place& place, int cell, int& inside, int& outside) {
        inside = 0;
        outside = 0;
        for (int y = place.y; y < place.y + cell; ++y) {
            for (int x = place.x; x < place.x + cell; ++x) {
                if (graphics->ReadPixel(x, y) != StripColour) {
                    continue;
                }
                const bool covered = x < place.x + cell / 2 && y < place.y + cell / 2;
                (covered ? inside : outside) += 1;
            }
        }
    }
};

TEST_P(StripTooSmall, LoadsAndACellShowsOnlyWhatLiesOnThePicture) {
    const PictureCase& strip = GetParam();
    ASSERT_NO_FATAL_FAILURE(LoadWithBrokenFile(strip));
    ExpectTheGameRunsOn(strip);

    const int cell = StripCell(strip.file);
    ASSERT_GT(cell, 0);
    const Place place = PlaceOf(strip.file);
    int inside = 0;
    int outside = 0;
    LevelScreens::Show(*level, place.screen, 0);
    Draw();
    CountColour(place, cell, inside, outside);
    // The first cell holds the whole small picture in its top-left corner; nothing else of it.
    EXPECT_EQ(inside, (cell / 2) * (cell / 2));
    EXPECT_EQ(outside, 0);
    // The second cell lies wholly off the picture and shows none of it.
    LevelScreens::Show(*level, place.screen, 60);
    Draw();
    CountColour(place, cell, inside, outside);
    EXPECT_EQ(inside + outside, 0);
}

std::vector<PictureCase> EveryStrip() {
    std::vector<PictureCase> cases;
    for (const LevelPictures::Picture& strip : LevelPictures::Strips()) {
        cases.push_back({strip.file, Damage::SmallerThanACell});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryStrip, StripTooSmall, ::testing::ValuesIn(EveryStrip()), CaseName);

TEST(LevelPictureFiles, AreEveryPictureOfTheAssetFolderEachOnce) {
    const std::vector<std::string> files = LevelPictures::Files();
    const std::set<std::string> named(files.begin(), files.end());
    EXPECT_EQ(files.size(), 56u);
    EXPECT_EQ(named.size(), files.size());
    std::set<std::string> inFolder;
    for (const fs::directory_entry& entry : fs::directory_iterator(TempAssets::SourceDir())) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".bmp" || extension == ".png" || extension == ".jpg") {
            inFolder.insert(entry.path().filename().string());
        }
    }
    EXPECT_EQ(named, inFolder);
    EXPECT_EQ(LevelPictures::Strips().size(), 6u);
}

// The watch the level's load runs under does catch a decoder that believes a huge header: each
// decoder, handed such a file directly, asks for far more than the watch allows.
TEST(HugeSidesWithoutTheLoader, WouldMakeEveryDecoderAskForAGigabyte) {
    struct Sample {
        const char* file;
        SDL_Surface* (*decode)(SDL_RWops*);
    };
    for (const Sample& sample :
         {Sample{"SectorBackground.bmp", IMG_LoadBMP_RW},
          Sample{"Background01.png", IMG_LoadPNG_RW}, Sample{"Background14.jpg", IMG_LoadJPG_RW}}) {
        const Kind kind = PictureDamage::KindOfName(sample.file);
        const std::vector<uint8_t> huge = PictureDamage::ClaimingSides(
            TempAssets::ReadOriginal(sample.file), kind, HugeSide, HugeSide);
        SDL_RWops* file = SDL_RWFromConstMem(huge.data(), int(huge.size()));
        ASSERT_NE(file, nullptr);
        size_t largest = 0;
        {
            AllocationWatch watch(RefuseFrom);
            SDL_Surface* decoded = sample.decode(file);
            largest = watch.Largest();
            SDL_FreeSurface(decoded);
        }
        SDL_RWclose(file);
        EXPECT_GE(largest, RefuseFrom) << PictureDamage::NameOf(kind);
    }
}

} // namespace
