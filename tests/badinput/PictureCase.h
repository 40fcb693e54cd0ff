#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace vantor::test {

// One picture file of the level and the damage done to it.
struct PictureCase {
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

    std::string file;
    Damage damage;

    // The text the picture loader reports for the case, or null when the picture loads.
    const char* ExpectedReport() const;

    static const char* NameOf(Damage damage);
    // The case for each of the level's picture files.
    static std::vector<PictureCase> EveryFile(Damage damage);
    // The test name of a case: the damage and the file.
    static std::string Name(const ::testing::TestParamInfo<PictureCase>& info);
};

void PrintTo(const PictureCase& broken, std::ostream* out);

} // namespace vantor::test
