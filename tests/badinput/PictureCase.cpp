#include "PictureCase.h"

#include "LevelPictures.h"
#include "PictureDamage.h"

#include "graphics/PictureLoader.h"

#include <algorithm>
#include <iterator>

namespace vantor::test {

const char* PictureCase::ExpectedReport() const {
    switch (damage) {
    case Damage::Missing:
    case Damage::Empty:
    case Damage::Noise:
        return graphics::PictureLoader::FileError;
    case Damage::CutInHeader:
    case Damage::SignatureThenNoise:
    case Damage::HugeSides:
        return graphics::PictureLoader::FrameError;
    case Damage::CutInPixels:
        return PictureDamage::KindOfName(file) == PictureDamage::Kind::Jpeg
                   ? nullptr
                   : graphics::PictureLoader::FrameError;
    case Damage::AsBmp:
    case Damage::AsPng:
    case Damage::AsJpeg:
    case Damage::SmallerThanACell:
        break;
    }
    return nullptr;
}

const char* PictureCase::NameOf(Damage damage) {
    // In the order of the enumeration; they make the test names.
    static constexpr const char* Names[] = {"Missing",      "Empty",           "CutInHeader",
                                            "CutInPixels",  "Noise",           "SignatureThenNoise",
                                            "HugeSides",    "HoldingABmp",     "HoldingAPng",
                                            "HoldingAJpeg", "SmallerThanACell"};
    static_assert(std::size(Names) == static_cast<std::size_t>(Damage::SmallerThanACell) + 1);
    return Names[static_cast<std::size_t>(damage)];
}

std::vector<PictureCase> PictureCase::EveryFile(Damage damage) {
    std::vector<PictureCase> cases;
    for (const std::string& file : LevelPictures::Files()) {
        cases.push_back({file, damage});
    }
    return cases;
}

std::string PictureCase::Name(const ::testing::TestParamInfo<PictureCase>& info) {
    std::string name = std::string(NameOf(info.param.damage)) + "_" + info.param.file;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

void PrintTo(const PictureCase& broken, std::ostream* out) {
    *out << broken.file << ", " << PictureCase::NameOf(broken.damage);
}

} // namespace vantor::test
