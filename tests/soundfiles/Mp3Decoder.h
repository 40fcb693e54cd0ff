#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vantor::test {

// Decodes an MP3 file to float samples with libmpg123, trimming the encoder's delay and
// padding as the file's info tag describes, so the samples are the ones that were encoded.
class Mp3Decoder {
public:
    long rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved

    bool Decode(const std::string& path, std::string& error);

    std::size_t Frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double Seconds() const { return rate > 0 ? static_cast<double>(Frames()) / rate : 0.0; }
    float At(std::size_t frame, int channel) const { return samples[frame * channels + channel]; }

    float Peak() const;
    double Rms() const;
    // RMS of the loudest window of the given length.
    double LoudestRms(double windowSeconds) const;
    // RMS over the windows that are not near silence (the words of a voice file, say).
    double ActiveRms(double windowSeconds) const;

    static double Db(double level);
};

} // namespace vantor::test
