#include "support/ByteFields.h"

namespace vantor::test {

void ByteFields::AppendLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    bytes.resize(bytes.size() + size_t(size));
    PutLittleEndian(bytes, bytes.size() - size_t(size), value, size);
}

void ByteFields::PutLittleEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.at(at + size_t(i)) = uint8_t(value >> (8 * i));
    }
}

void ByteFields::PutBigEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.at(at + size_t(i)) = uint8_t(value >> (8 * (size - 1 - i)));
    }
}

uint32_t ByteFields::LittleEndian(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes.at(at + size_t(i));
    }
    return value;
}

uint32_t ByteFields::BigEndian(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        value = value << 8 | bytes.at(at + size_t(i));
    }
    return value;
}

} // namespace vantor::test
