#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor::fuzz {

// The CRC-32 that closes every PNG chunk, over the chunk's type and data; for writing PNG
// files byte by byte, broken ones included, in the seed corpus and in the bad-input tests.
inline uint32_t PngCrc(const uint8_t* bytes, std::size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

} // namespace vantor::fuzz
