#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class Sector01;

namespace vantor::game {

// A 64-bit fingerprint (FNV-1a) of everything the rules of a level hold: the places and
// headings, the bars and counters, the flags, the sector and its layout, the planets, and the
// state of the level's dice. Two levels with equal digests play on alike; the pictures, the
// text styles and the chosen seed are no part of it. Each value goes in as its bytes in a fixed
// order, lowest byte first, floating-point values by their bit patterns, so the digest is the
// same on every platform and compiler.
//
// Plain functions of their arguments: any thread, nothing kept, nothing can fail.
class LevelDigest {
public:
    static uint64_t Of(const Sector01& level);

    // The digest as 16 lowercase hexadecimal digits.
    static std::string Hex(uint64_t digest);
    // The same into the 17 characters at `to`, the last one the string's end; no allocation.
    static void WriteHex(uint64_t digest, char* to);
    // Reads exactly 16 hexadecimal digits (lowercase, as Hex writes them); false otherwise.
    static bool FromHex(std::string_view text, uint64_t& digest);
};

} // namespace vantor::game
