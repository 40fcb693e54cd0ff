#pragma once

#include <string>
#include <vector>

#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// Encodes a buffer as a constant-bitrate MP3 with LAME. The first frame carries the
// LAME/Xing info tag, which tells decoders the encoder delay and padding so they can play
// the exact samples given (a looped track then joins without a gap). Nothing variable
// (no date, no tag text) goes into the file, so the same samples give the same bytes.
class Mp3Encoder {
public:
    int kilobitsPerSecond = 128;
    bool mono = false; // mono encodes the average of both channels
    int quality = 5;   // LAME's 0 (slowest, best) to 9 (fastest)

    // Returns false and sets error when LAME refuses.
    bool Encode(const StereoBuffer& sound, std::vector<unsigned char>& mp3,
                std::string& error) const;

    // The highest level a player will reach decoding mp3 (encoding can raise peaks a
    // little above the ones fed in), as a linear amplitude.
    static bool DecodedPeak(const std::vector<unsigned char>& mp3, float& peak, std::string& error);
};

} // namespace vantor::tools::sounds
