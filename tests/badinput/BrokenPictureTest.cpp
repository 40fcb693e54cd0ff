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
#include "BrokenPicture.h"

#include <initializer_list>
#include <vector>

namespace vantor::test {

namespace {

using Damage = PictureCase::Damage;

// A damage and the BMP, PNG and JPEG file it is done to.
struct DamageOnEachKind {
    Damage damage;
    const char* bmp;
    const char* png;
    const char* jpeg;
};

// The cases of the rows, each row's BMP, PNG and JPEG in turn.
std::vector<PictureCase> OnEachKind(std::initializer_list<DamageOnEachKind> rows) {
    std::vector<PictureCase> cases;
    for (const DamageOnEachKind& row : rows) {
        for (const char* file : {row.bmp, row.png, row.jpeg}) {
            cases.push_back({file, row.damage});
        }
    }
    return cases;
}

TEST_P(BrokenPicture, IsReportedAloneAndTheGameDrawsEverythingElse) {
    ASSERT_NO_FATAL_FAILURE(LoadWithBrokenFile(GetParam()));
    ExpectTheGameRunsOn(GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryFile, BrokenPicture,
                         ::testing::ValuesIn(PictureCase::EveryFile(Damage::Missing)),
                         PictureCase::Name);

// Every other damage on one file of each kind, a different file each time.
INSTANTIATE_TEST_SUITE_P(
    OneFileOfEachKind, BrokenPicture,
    ::testing::ValuesIn(OnEachKind({
        {Damage::Empty, "GameOver.bmp", "score.png", "Background05.jpg"},
        {Damage::CutInHeader, "ShipBase.bmp", "rock.png", "Background06.jpg"},
        {Damage::CutInPixels, "Splash.bmp", "menu.png", "GameEnd.jpg"},
        {Damage::Noise, "EnemyShip.bmp", "Damage03.png", "Background07.jpg"},
        {Damage::SignatureThenNoise, "Planet7.bmp", "asteroid01.png", "Background08.jpg"},
        {Damage::HugeSides, "SectorBackground.bmp", "Background01.png", "Background14.jpg"},
    })),
    PictureCase::Name);

// A picture is told by its content, not by its name: each kind holding each other kind.
INSTANTIATE_TEST_SUITE_P(EveryKindHoldingEveryOther, BrokenPicture,
                         ::testing::Values(PictureCase{"Splash.bmp", Damage::AsPng},
                                           PictureCase{"Splash.bmp", Damage::AsJpeg},
                                           PictureCase{"Background01.png", Damage::AsBmp},
                                           PictureCase{"Background01.png", Damage::AsJpeg},
                                           PictureCase{"Background02.jpg", Damage::AsPng},
                                           PictureCase{"Background02.jpg", Damage::AsBmp}),
                         PictureCase::Name);

} // namespace

} // namespace vantor::test
