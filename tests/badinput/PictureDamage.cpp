#include "PictureDamage.h"
#include "fuzz/PngCrc.h"

#include "support/ByteFields.h"
#include "support/PictureFile.h"

#include <SDL.h>
#include <SDL_image.h>

#include <iterator>
#include <random>
#include <stdexcept>

namespace vantor::test {

namespace {

// Where the JPEG frame header's marker (FF Cn) is; the sides follow at +5 (height) and +7.
size_t FindJpegFrameHeader(const std::vector<uint8_t>& bytes) {
    size_t at = 2;
    while (at + 4 <= bytes.size() && bytes[at] == 0xFF) {
        const uint8_t marker = bytes[at + 1];
        const size_t length = ByteFields::BigEndian(bytes, at + 2, 2);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            return at;
        }
        at += 2 + length;
    }
    throw std::runtime_error("no JPEG frame header");
}

} // namespace

PictureDamage::Kind PictureDamage::KindOfName(const std::string& name) {
    const std::string extension = name.substr(name.rfind('.') + 1);
    if (extension == "bmp") {
        return Kind::Bmp;
    }
    if (extension == "png") {
        return Kind::Png;
    }
    return Kind::Jpeg;
}

const char* PictureDamage::NameOf(Kind kind) {
    // In the order of the enumeration.
    static constexpr const char* Names[] = {"BMP", "PNG", "JPEG"};
    static_assert(std::size(Names) == static_cast<std::size_t>(Kind::Jpeg) + 1);
    return Names[static_cast<std::size_t>(kind)];
}

std::vector<uint8_t> PictureDamage::CutInHeader(const std::vector<uint8_t>& bytes, Kind kind) {
    size_t keep = 20; // BMP: inside the picture header; PNG: inside the header chunk
    if (kind == Kind::Jpeg) {
        keep = FindJpegFrameHeader(bytes) + 6; // the height only half there
    }
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(keep));
}

std::vector<uint8_t> PictureDamage::CutInPixels(const std::vector<uint8_t>& bytes) {
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(bytes.size() / 2));
}

std::vector<uint8_t> PictureDamage::Noise(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& byte : bytes) {
        byte = uint8_t(random());
    }
    bytes.at(0) = 0x00; // no picture file starts like this
    return bytes;
}

std::vector<uint8_t> PictureDamage::SignatureThenNoise(Kind kind, size_t size, unsigned seed) {
    std::vector<uint8_t> bytes = Noise(size, seed);
    std::vector<uint8_t> signature;
    switch (kind) {
    case Kind::Bmp:
        signature = {'B', 'M'};
        break;
    case Kind::Png:
        signature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        break;
    case Kind::Jpeg:
        signature = {0xFF, 0xD8, 0xFF};
        break;
    }
    std::copy(signature.begin(), signature.end(), bytes.begin());
    return bytes;
}

std::vector<uint8_t> PictureDamage::ClaimingSides(const std::vector<uint8_t>& bytes, Kind kind,
                                                  uint32_t width, uint32_t height) {
    std::vector<uint8_t> claimed = bytes;
    switch (kind) {
    case Kind::Bmp:
        // The 40-byte and later picture headers: 32-bit sides after the header's size.
        ByteFields::PutLittleEndian(claimed, 18, width, 4);
        ByteFields::PutLittleEndian(claimed, 22, height, 4);
        break;
    case Kind::Png:
        // The header chunk's sides, and its checksum over type and data made good again.
        ByteFields::PutBigEndian(claimed, 16, width, 4);
        ByteFields::PutBigEndian(claimed, 20, height, 4);
        ByteFields::PutBigEndian(claimed, 29, fuzz::PngCrc(claimed.data() + 12, 17), 4);
        break;
    case Kind::Jpeg: {
        const size_t frame = FindJpegFrameHeader(claimed);
        ByteFields::PutBigEndian(claimed, frame + 5, height, 2);
        ByteFields::PutBigEndian(claimed, frame + 7, width, 2);
        break;
    }
    }
    return claimed;
}

void PictureDamage::Reencode(const std::string& source, Kind kind, const std::string& target) {
    const PictureFile picture(source);
    if (!picture.Decoded()) {
        throw std::runtime_error("cannot decode " + source + ": " + IMG_GetError());
    }
    SDL_Surface* argb = picture.surface;
    int result = -1;
    switch (kind) {
    case Kind::Bmp:
        result = SDL_SaveBMP(argb, target.c_str());
        break;
    case Kind::Png:
        result = IMG_SavePNG(argb, target.c_str());
        break;
    case Kind::Jpeg:
        result = IMG_SaveJPG(argb, target.c_str(), 90);
        break;
    }
    if (result != 0) {
        throw std::runtime_error("cannot write " + target + ": " + SDL_GetError());
    }
}

void PictureDamage::WriteSolidPng(const std::string& target, int width, int height,
                                  uint32_t colour) {
    SDL_Surface* picture =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(picture, nullptr, colour);
    const int result = IMG_SavePNG(picture, target.c_str());
    SDL_FreeSurface(picture);
    if (result != 0) {
        throw std::runtime_error("cannot write " + target + ": " + SDL_GetError());
    }
}

} // namespace vantor::test
