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

namespace {

using Damage = PictureCase::Damage;

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
