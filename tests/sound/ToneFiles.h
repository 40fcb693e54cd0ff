#pragma once

#include <vector>

namespace vantor::test {

// Sound files for the player's tests, made at run time: sine tones as WAV or MP3 (encoded with
// LAME).
namespace ToneFiles {

std::vector<unsigned char> WavTone(double seconds, double frequency);
std::vector<unsigned char> Mp3Tone(double seconds, double frequency);

} // namespace ToneFiles

} // namespace vantor::test
