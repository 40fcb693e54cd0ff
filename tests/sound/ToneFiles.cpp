#include "ToneFiles.h"

#include "support/ByteFields.h"

#include <lame/lame.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace vantor::test {

namespace {

constexpr int SampleRate = 44100;

std::vector<short> Samples(double seconds, double frequency) {
    const auto count = static_cast<std::size_t>(seconds * SampleRate);
    std::vector<short> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double phase = 2.0 * 3.141592653589793 * frequency * static_cast<double>(i) /
                             static_cast<double>(SampleRate);
        samples[i] = static_cast<short>(12000.0 * std::sin(phase));
    }
    return samples;
}

void PutText(std::vector<unsigned char>& bytes, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        bytes.push_back(static_cast<unsigned char>(*c));
    }
}

} // namespace

namespace ToneFiles {

std::vector<unsigned char> WavTone(double seconds, double frequency) {
    const std::vector<short> samples = Samples(seconds, frequency);
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<unsigned char> bytes;
    PutText(bytes, "RIFF");
    ByteFields::AppendLittleEndian(bytes, 36 + dataSize, 4);
    PutText(bytes, "WAVE");
    PutText(bytes, "fmt ");
    ByteFields::AppendLittleEndian(bytes, 16, 4);
    ByteFields::AppendLittleEndian(bytes, 1, 2); // PCM
    ByteFields::AppendLittleEndian(bytes, 1, 2); // mono
    ByteFields::AppendLittleEndian(bytes, SampleRate, 4);
    ByteFields::AppendLittleEndian(bytes, SampleRate * 2, 4);
    ByteFields::AppendLittleEndian(bytes, 2, 2);
    ByteFields::AppendLittleEndian(bytes, 16, 2);
    PutText(bytes, "data");
    ByteFields::AppendLittleEndian(bytes, dataSize, 4);
    for (const short sample : samples) {
        ByteFields::AppendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

std::vector<unsigned char> Mp3Tone(double seconds, double frequency) {
    std::vector<short> samples = Samples(seconds, frequency);
    lame_global_flags* lame = lame_init();
    if (lame == nullptr) {
        throw std::runtime_error("LAME did not initialise");
    }
    lame_set_in_samplerate(lame, SampleRate);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, 64);
    lame_set_quality(lame, 7);
    lame_set_bWriteVbrTag(lame, 0);
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        throw std::runtime_error("LAME refused the parameters");
    }
    std::vector<unsigned char> bytes(samples.size() * 5 / 4 + 7200);
    const int encoded =
        lame_encode_buffer(lame, samples.data(), samples.data(), static_cast<int>(samples.size()),
                           bytes.data(), static_cast<int>(bytes.size()));
    if (encoded < 0) {
        lame_close(lame);
        throw std::runtime_error("LAME could not encode");
    }
    const int flushed =
        lame_encode_flush(lame, bytes.data() + encoded, static_cast<int>(bytes.size()) - encoded);
    lame_close(lame);
    if (flushed < 0) {
        throw std::runtime_error("LAME could not flush");
    }
    bytes.resize(static_cast<std::size_t>(encoded + flushed));
    return bytes;
}

} // namespace ToneFiles

} // namespace vantor::test
