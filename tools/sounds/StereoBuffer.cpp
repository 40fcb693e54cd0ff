#include "tools/sounds/StereoBuffer.h"

#include <algorithm>
#include <cmath>

namespace vantor::tools::sounds {

namespace {

double FromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

} // namespace

void StereoBuffer::Resize(std::size_t frames) {
    left.resize(frames, 0.0f);
    right.resize(frames, 0.0f);
}

void StereoBuffer::Clear(std::size_t frames) {
    left.assign(frames, 0.0f);
    right.assign(frames, 0.0f);
}

void StereoBuffer::Mix(const StereoBuffer& other, float gain, std::size_t offset) {
    if (offset >= Frames()) {
        return;
    }
    const std::size_t count = std::min(other.Frames(), Frames() - offset);
    for (std::size_t i = 0; i < count; ++i) {
        left[offset + i] += other.left[i] * gain;
        right[offset + i] += other.right[i] * gain;
    }
}

void StereoBuffer::Scale(float gain) {
    for (std::size_t i = 0; i < Frames(); ++i) {
        left[i] *= gain;
        right[i] *= gain;
    }
}

float StereoBuffer::Peak() const {
    float peak = 0.0f;
    for (std::size_t i = 0; i < Frames(); ++i) {
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    }
    return peak;
}

double StereoBuffer::Rms() const {
    if (Frames() == 0) {
        return 0.0;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < Frames(); ++i) {
        sum += static_cast<double>(left[i]) * left[i] + static_cast<double>(right[i]) * right[i];
    }
    return std::sqrt(sum / (2.0 * static_cast<double>(Frames())));
}

void StereoBuffer::FoldTail(std::size_t loopFrames) {
    if (loopFrames == 0) {
        return;
    }
    for (std::size_t i = loopFrames; i < Frames(); ++i) {
        left[i % loopFrames] += left[i];
        right[i % loopFrames] += right[i];
    }
    Resize(loopFrames);
}

void StereoBuffer::FadeIn(std::size_t frames) {
    const std::size_t count = std::min(frames, Frames());
    for (std::size_t i = 0; i < count; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(frames);
        left[i] *= gain;
        right[i] *= gain;
    }
}

void StereoBuffer::FadeOut(std::size_t frames) {
    const std::size_t count = std::min(frames, Frames());
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t index = Frames() - 1 - i;
        const float gain = static_cast<float>(i) / static_cast<float>(frames);
        left[index] *= gain;
        right[index] *= gain;
    }
}

void StereoBuffer::Master(double rmsDb, double ceilingDb) {
    const double rms = Rms();
    if (rms > 0.0) {
        Scale(static_cast<float>(FromDb(rmsDb) / rms));
    }
    SoftLimit(ceilingDb - 4.0, ceilingDb);
}

void StereoBuffer::NormalizePeak(double peakDb) {
    const float peak = Peak();
    if (peak > 0.0f) {
        Scale(static_cast<float>(FromDb(peakDb) / peak));
    }
}

void StereoBuffer::SoftLimit(double kneeDb, double ceilingDb) {
    const float knee = static_cast<float>(FromDb(kneeDb));
    const float room = static_cast<float>(FromDb(ceilingDb)) - knee;
    auto bend = [knee, room](float sample) {
        const float magnitude = std::fabs(sample);
        if (magnitude <= knee) {
            return sample;
        }
        // Above the knee the excess is squeezed by tanh, which never exceeds the room left.
        const float bent = knee + room * std::tanh((magnitude - knee) / room);
        return sample < 0.0f ? -bent : bent;
    };
    for (std::size_t i = 0; i < Frames(); ++i) {
        left[i] = bend(left[i]);
        right[i] = bend(right[i]);
    }
}

} // namespace vantor::tools::sounds
