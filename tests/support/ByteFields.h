#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor::test {

// Whole numbers in the fields of a file's header, of 1 to 4 bytes: least significant byte first
// (little-endian, as BMP and WAV files have them) or most significant first (big-endian, as PNG
// and JPEG files have them). Every access is checked against the end of the bytes.
class ByteFields {
public:
    // Adds the field at the end.
    static void AppendLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size);
    // Overwrites the field that starts at the given place.
    static void PutLittleEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int size);
    static void PutBigEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int size);
    // The field that starts at the given place.
    static uint32_t LittleEndian(const std::vector<uint8_t>& bytes, size_t at, int size);
    static uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at, int size);
};

} // namespace vantor::test
