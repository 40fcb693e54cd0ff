#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

// Whole files as bytes: read to compare them, written to put a file broken on purpose in
// place.
class ByteFile {
public:
    // Every byte of the file; none when it cannot be read.
    static std::vector<uint8_t> Read(const std::string& path);
    // The same, as text.
    static std::string ReadText(const std::string& path);
    // Puts the bytes in place of whatever the file held; throws when it cannot.
    static void Write(const std::string& path, const std::vector<uint8_t>& bytes);
};

} // namespace vantor::test
