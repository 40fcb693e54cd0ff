#pragma once

#include <string>
#include <vector>

// Sound files for the player's tests, written at run time: sine tones as WAV or MP3 (encoded
// with LAME), or any bytes at all.
namespace ToneFiles {

std::vector<unsigned char> WavTone(double seconds, double frequency);
std::vector<unsigned char> Mp3Tone(double seconds, double frequency);

void Write(const std::string& path, const std::vector<unsigned char>& bytes);

} // namespace ToneFiles
