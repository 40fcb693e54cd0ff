#include "AllocationWatch.h"
#include "BrokenPicture.h"
#include "PictureDamage.h"
#include "TempAssets.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantor::test {

namespace {

using Kind = PictureDamage::Kind;

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
        const std::vector<uint8_t> huge =
            PictureDamage::ClaimingSides(TempAssets::ReadOriginal(sample.file), kind,
                                         BrokenPicture::HugeSide, BrokenPicture::HugeSide);
        SDL_RWops* file = SDL_RWFromConstMem(huge.data(), int(huge.size()));
        ASSERT_NE(file, nullptr);
        size_t largest = 0;
        {
            AllocationWatch watch(BrokenPicture::RefuseFrom);
            SDL_Surface* decoded = sample.decode(file);
            largest = watch.Largest();
            SDL_FreeSurface(decoded);
        }
        SDL_RWclose(file);
        EXPECT_GE(largest, BrokenPicture::RefuseFrom) << PictureDamage::NameOf(kind);
    }
}

} // namespace

} // namespace vantor::test
