#include "tools/sounds/Mp3Encoder.h"

#include <lame/lame.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "tools/sounds/AudioFormat.h"

namespace vantor::tools::sounds {

namespace {

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

// LAME's own bound for the output of one call.
std::size_t OutputBound(std::size_t frames) {
    return frames * 5 / 4 + 7200;
}

} // namespace

bool Mp3Encoder::Encode(const StereoBuffer& sound, std::vector<unsigned char>& mp3,
                        std::string& error) const {
    std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
    if (!lame) {
        error = "lame_init failed";
        return false;
    }
    lame_global_flags* flags = lame.get();
    lame_set_in_samplerate(flags, AudioFormat::SampleRate);
    lame_set_out_samplerate(flags, AudioFormat::SampleRate);
    lame_set_num_channels(flags, mono ? 1 : 2);
    lame_set_mode(flags, mono ? MONO : JOINT_STEREO);
    lame_set_VBR(flags, vbr_off);
    lame_set_brate(flags, kilobitsPerSecond);
    lame_set_quality(flags, quality);
    lame_set_bWriteVbrTag(flags, 1);
    lame_set_write_id3tag_automatic(flags, 0);
    if (lame_init_params(flags) < 0) {
        error = "lame_init_params rejected the settings";
        return false;
    }

    const std::size_t frames = sound.Frames();
    std::vector<float> monoMix;
    if (mono) {
        monoMix.resize(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            monoMix[i] = 0.5f * (sound.left[i] + sound.right[i]);
        }
    }
    mp3.clear();
    constexpr std::size_t Chunk = 1 << 16;
    std::vector<unsigned char> block(OutputBound(Chunk));
    for (std::size_t offset = 0; offset < frames; offset += Chunk) {
        const int count = static_cast<int>(std::min(Chunk, frames - offset));
        const float* left = mono ? monoMix.data() + offset : sound.left.data() + offset;
        const float* right = mono ? left : sound.right.data() + offset;
        const int written = lame_encode_buffer_ieee_float(flags, left, right, count, block.data(),
                                                          static_cast<int>(block.size()));
        if (written < 0) {
            error = "lame_encode_buffer_ieee_float failed with code " + std::to_string(written);
            return false;
        }
        mp3.insert(mp3.end(), block.begin(), block.begin() + written);
    }
    const int flushed = lame_encode_flush(flags, block.data(), static_cast<int>(block.size()));
    if (flushed < 0) {
        error = "lame_encode_flush failed with code " + std::to_string(flushed);
        return false;
    }
    mp3.insert(mp3.end(), block.begin(), block.begin() + flushed);

    // LAME left room for the info tag in the first frame; fill it in now the totals are known.
    std::vector<unsigned char> tag(8192);
    const std::size_t tagSize = lame_get_lametag_frame(flags, tag.data(), tag.size());
    if (tagSize == 0 || tagSize > tag.size() || tagSize > mp3.size()) {
        error = "lame_get_lametag_frame gave no info tag";
        return false;
    }
    std::copy(tag.begin(), tag.begin() + static_cast<long>(tagSize), mp3.begin());
    return true;
}

bool Mp3Encoder::DecodedPeak(const std::vector<unsigned char>& mp3, float& peak,
                             std::string& error) {
    hip_t decoder = hip_decode_init();
    if (decoder == nullptr) {
        error = "hip_decode_init failed";
        return false;
    }
    std::vector<unsigned char> input(mp3);
    std::vector<short> left(4608);
    std::vector<short> right(4608);
    short highest = 0;
    bool failed = false;
    constexpr std::size_t Chunk = 1024;
    for (std::size_t offset = 0; offset < input.size() && !failed; offset += Chunk) {
        const std::size_t length = std::min(Chunk, input.size() - offset);
        // One call takes the new bytes; the following ones drain the frames they completed.
        int decoded =
            hip_decode1(decoder, input.data() + offset, length, left.data(), right.data());
        while (decoded > 0) {
            for (int i = 0; i < decoded; ++i) {
                highest = std::max<short>(highest,
                                          static_cast<short>(std::min(32767, std::abs(left[i]))));
                highest = std::max<short>(highest,
                                          static_cast<short>(std::min(32767, std::abs(right[i]))));
            }
            decoded = hip_decode1(decoder, input.data() + offset, 0, left.data(), right.data());
        }
        failed = decoded < 0;
    }
    hip_decode_exit(decoder);
    if (failed) {
        error = "the encoded MP3 does not decode";
        return false;
    }
    peak = highest / 32768.0f;
    return true;
}

} // namespace vantor::tools::sounds
