#include "Mp3Decoder.h"

#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace vantor::test {

namespace {

struct HandleCloser {
    void operator()(mpg123_handle* handle) const {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};

// RMS of each consecutive window.
std::vector<double> WindowRms(const Mp3Decoder& sound, double windowSeconds) {
    std::vector<double> levels;
    const std::size_t window =
        std::max<std::size_t>(1, static_cast<std::size_t>(windowSeconds * sound.rate));
    for (std::size_t start = 0; start + window <= sound.Frames(); start += window) {
        double sum = 0.0;
        for (std::size_t i = start * sound.channels; i < (start + window) * sound.channels; ++i) {
            sum += static_cast<double>(sound.samples[i]) * sound.samples[i];
        }
        levels.push_back(std::sqrt(sum / static_cast<double>(window * sound.channels)));
    }
    return levels;
}

} // namespace

bool Mp3Decoder::Decode(const std::string& path, std::string& error) {
    mpg123_init();
    int code = MPG123_OK;
    std::unique_ptr<mpg123_handle, HandleCloser> handle(mpg123_new(nullptr, &code));
    if (!handle) {
        error = "mpg123_new failed";
        return false;
    }
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    mpg123_format_none(handle.get());
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i) {
        mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    }
    if (mpg123_open(handle.get(), path.c_str()) != MPG123_OK) {
        error = "mpg123 cannot open " + path;
        return false;
    }
    int encoding = 0;
    if (mpg123_getformat(handle.get(), &rate, &channels, &encoding) != MPG123_OK) {
        error = "mpg123 finds no MP3 stream in " + path;
        return false;
    }
    samples.clear();
    std::vector<unsigned char> block(1 << 16);
    while (true) {
        std::size_t done = 0;
        code = mpg123_read(handle.get(), block.data(), block.size(), &done);
        const float* decoded = reinterpret_cast<const float*>(block.data());
        samples.insert(samples.end(), decoded, decoded + done / sizeof(float));
        if (code == MPG123_DONE) {
            break;
        }
        if (code != MPG123_OK && code != MPG123_NEW_FORMAT) {
            error = std::string("mpg123 failed on ") + path + ": " + mpg123_strerror(handle.get());
            return false;
        }
    }
    if (samples.empty()) {
        error = "no samples decoded from " + path;
        return false;
    }
    return true;
}

float Mp3Decoder::Peak() const {
    float peak = 0.0f;
    for (float sample : samples) {
        peak = std::max(peak, std::fabs(sample));
    }
    return peak;
}

double Mp3Decoder::Rms() const {
    double sum = 0.0;
    for (float sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

double Mp3Decoder::LoudestRms(double windowSeconds) const {
    const std::vector<double> levels = WindowRms(*this, windowSeconds);
    return levels.empty() ? Rms() : *std::max_element(levels.begin(), levels.end());
}

double Mp3Decoder::ActiveRms(double windowSeconds) const {
    double sum = 0.0;
    int count = 0;
    for (double level : WindowRms(*this, windowSeconds)) {
        if (Db(level) > -45.0) {
            sum += level * level;
            ++count;
        }
    }
    return count > 0 ? std::sqrt(sum / count) : 0.0;
}

double Mp3Decoder::Db(double level) {
    return 20.0 * std::log10(std::max(level, 1e-12));
}

} // namespace vantor::test
