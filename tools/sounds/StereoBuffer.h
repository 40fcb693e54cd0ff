#pragma once

#include <cstddef>
#include <vector>

namespace vantor::tools::sounds {

// Two channels of float samples in [-1, 1], the working format of every generated sound.
class StereoBuffer {
public:
    std::vector<float> left;
    std::vector<float> right;

    StereoBuffer() = default;
    explicit StereoBuffer(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

    std::size_t Frames() const { return left.size(); }
    void Resize(std::size_t frames);
    // Silence of the given length, reusing the memory already held.
    void Clear(std::size_t frames);

    // Adds other * gain, starting at frame offset; what runs past the end is dropped.
    void Mix(const StereoBuffer& other, float gain, std::size_t offset = 0);
    void Scale(float gain);

    float Peak() const;
    // Root mean square over both channels.
    double Rms() const;

    // Makes the sound loop seamlessly: everything after loopFrames (release tails, echoes,
    // reverb) is added back onto the start, as it would sound on the second time round,
    // and the buffer is cut to loopFrames.
    void FoldTail(std::size_t loopFrames);

    // Straight-line fades over the first or last frames.
    void FadeIn(std::size_t frames);
    void FadeOut(std::size_t frames);

    // Scales to the given RMS in dBFS, then bends any peak above ceilingDb softly under it.
    void Master(double rmsDb, double ceilingDb);
    // Scales so the highest peak sits at peakDb.
    void NormalizePeak(double peakDb);
    // A gentle soft clip: untouched below kneeDb, never above ceilingDb.
    void SoftLimit(double kneeDb, double ceilingDb);
};

} // namespace vantor::tools::sounds
