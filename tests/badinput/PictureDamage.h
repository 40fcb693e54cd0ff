#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

// Ways to break a picture file, each made from the real file's bytes where there is one.
class PictureDamage {
public:
    enum class Kind { Bmp, Png, Jpeg };

    // The kind a file's name says it holds.
    static Kind KindOfName(const std::string& name);
    static const char* NameOf(Kind kind);

    // Cut inside the header, before the picture's sides are complete.
    static std::vector<uint8_t> CutInHeader(const std::vector<uint8_t>& bytes, Kind kind);
    // Cut in the middle of the file, where the pixels are.
    static std::vector<uint8_t> CutInPixels(const std::vector<uint8_t>& bytes);
    // Bytes that start like no picture at all.
    static std::vector<uint8_t> Noise(size_t size, unsigned seed);
    // The signature of the kind, then noise.
    static std::vector<uint8_t> SignatureThenNoise(Kind kind, size_t size, unsigned seed);
    // The real file with its header claiming the given sides; the pixels stay as they were.
    static std::vector<uint8_t> ClaimingSides(const std::vector<uint8_t>& bytes, Kind kind,
                                              uint32_t width, uint32_t height);
    // The picture of the file at source decoded and written to target as a file of the kind.
    static void Reencode(const std::string& source, Kind kind, const std::string& target);
    // A PNG file of one colour (0xAARRGGBB).
    static void WriteSolidPng(const std::string& target, int width, int height, uint32_t colour);
};

} // namespace vantor::test
