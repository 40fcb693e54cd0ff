#include "PictureCase.h"

#include "LevelPictures.h"
#include "PictureDamage.h"

#include "graphics/PictureLoader.h"

#include <algorithm>

const char* PictureCase::ExpectedReport() const {
    switch (damage) {
    case Damage::Missing:
    case Damage::Empty:
    case Damage::Noise:
        return PictureLoader::FileError;
    case Damage::CutInHeader:
    case Damage::SignatureThenNoise:
    case Damage::HugeSides:
        return PictureLoader::FrameError;
    case Damage::CutInPixels:
        return PictureDamage::KindOfName(file) == PictureDamage::Kind::Jpeg
                   ? nullptr
                   : PictureLoader::FrameError;
    case Damage::AsBmp:
    case Damage::AsPng:
    case Damage::AsJpeg:
    case Damage::SmallerThanACell:
        break;
    }
    return nullptr;
}

const char* PictureCase::NameOf(Damage damage) {
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
