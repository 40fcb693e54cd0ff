// Every picture file the game opens exists under its exact name, in its real format, and the
// generator makes the same bytes every time, quickly and within the size budget.
#include "GeneratedPictures.h"

#include "support/ByteFields.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"
#include "tools/pictures/GeneratePictures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <set>

namespace vantor::test {

namespace {

bool EndsWith(const std::string& name, const std::string& tail) {
    return name.size() >= tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::initializer_list<int> signature) {
    std::size_t i = 0;
    for (int b : signature) {
        if (i >= bytes.size() || bytes[i] != b) {
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace

TEST(PictureFiles, EveryFileExistsWithTheSignatureOfItsFormat) {
    ASSERT_EQ(GeneratedPictures::AllNames().size(), 56u);
    for (const std::string& name : GeneratedPictures::AllNames()) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> bytes = ByteFile::Read(GeneratedPictures::Path(name));
        ASSERT_GT(bytes.size(), 32u) << "missing or empty";
        if (EndsWith(name, ".bmp")) {
            EXPECT_TRUE(StartsWith(bytes, {'B', 'M'}));
            // Bits per pixel, in the info header.
            const uint32_t depth = ByteFields::LittleEndian(bytes, 28, 2);
            EXPECT_TRUE(depth == 24 || depth == 32) << depth;
        } else if (EndsWith(name, ".png")) {
            EXPECT_TRUE(StartsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}));
        } else {
            ASSERT_TRUE(EndsWith(name, ".jpg"));
            EXPECT_TRUE(StartsWith(bytes, {0xFF, 0xD8, 0xFF}));
        }
        EXPECT_GT(GeneratedPictures::Load(name).width, 0) << "does not decode";
    }
}

TEST(PictureFiles, FolderHoldsExactlyTheGameFilesWithinTheBudget) {
    std::set<std::string> found;
    std::uintmax_t total = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GeneratedPictures::Dir())) {
        found.insert(entry.path().filename().string());
        total += entry.file_size();
    }
    const std::set<std::string> expected(GeneratedPictures::AllNames().begin(),
                                         GeneratedPictures::AllNames().end());
    EXPECT_EQ(found, expected);
    EXPECT_LT(total, 8u * 1024 * 1024);
}

TEST(PictureFiles, GenerationIsQuickAndGivesTheSameBytesEveryTime) {
    const TempDirectory again;
    const auto start = std::chrono::steady_clock::now();
    const bool made = tools::pictures::GeneratePictures(again.Path());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(made);
    EXPECT_LT(seconds, 15.0);
    for (const std::string& name : GeneratedPictures::AllNames()) {
        EXPECT_TRUE(ByteFile::Read(again.File(name)) ==
                    ByteFile::Read(GeneratedPictures::Path(name)))
            << name << " differs between runs";
    }
}

TEST(PictureFiles, GeneratorReportsAFolderItCannotWriteTo) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(tools::pictures::GeneratePictures("/nonexistent/vantor/assets"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("/nonexistent/vantor/assets"),
              std::string::npos);
}

} // namespace vantor::test
