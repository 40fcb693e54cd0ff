#include "tools/sounds/MusicRenderer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "tools/Random.h"
#include "tools/sounds/AudioFormat.h"
#include "tools/sounds/Filter.h"
#include "tools/sounds/MixBuses.h"
#include "tools/sounds/Reverb.h"

namespace vantor::tools::sounds {

namespace {

// Enough for the longest reverb and echo tails to die away before they fold back.
constexpr double LoopTailSeconds = 6.0;

double BeatToSeconds(const Song& song, double beat, tools::Random& random) {
    double sixteenths = beat * 4.0;
    const double whole = std::floor(sixteenths + 1e-9);
    // Swing pushes every off sixteenth that sits exactly on the grid.
    if (song.swing > 0.0 && std::fabs(sixteenths - whole) < 1e-6 &&
        static_cast<long>(whole) % 2 == 1) {
        sixteenths += song.swing;
    }
    const double jitter =
        song.humanize > 0.0 ? random.RangeDouble(-song.humanize, song.humanize) : 0.0;
    return std::max(0.0, sixteenths / 4.0 * song.BeatSeconds() + jitter);
}

void Highpass(StereoBuffer& buffer, double hz) {
    Filter left(hz, 0.707, AudioFormat::SampleRate);
    Filter right(hz, 0.707, AudioFormat::SampleRate);
    for (std::size_t i = 0; i < buffer.Frames(); ++i) {
        buffer.left[i] = left.Highpass(buffer.left[i]);
        buffer.right[i] = right.Highpass(buffer.right[i]);
    }
}

// The loudness of a part while it actually sounds: the RMS of its 50 ms windows, leaving
// out those more than 20 dB below the loudest, so that a drum struck once a bar or a tune
// full of rests is judged by its notes and not by the gaps between them.
double SoundingRms(const StereoBuffer& part, std::size_t begin, std::size_t end) {
    const std::size_t window = static_cast<std::size_t>(0.05 * AudioFormat::SampleRate);
    std::vector<double> powers;
    for (std::size_t start = begin; start < end; start += window) {
        const std::size_t stop = std::min(end, start + window);
        double sum = 0.0;
        for (std::size_t i = start; i < stop; ++i) {
            sum += static_cast<double>(part.left[i]) * part.left[i] +
                   static_cast<double>(part.right[i]) * part.right[i];
        }
        powers.push_back(sum / (2.0 * static_cast<double>(stop - start)));
    }
    const double loudest = powers.empty() ? 0.0 : *std::max_element(powers.begin(), powers.end());
    double sum = 0.0;
    int counted = 0;
    for (double power : powers) {
        if (power >= loudest * 0.01) {
            sum += power;
            ++counted;
        }
    }
    return counted > 0 ? std::sqrt(sum / counted) : 0.0;
}

// Scales the part in [begin, end) of part to the given sounding RMS, adds it to the dry
// mix and to the two sends, and clears the stretch for the next part.
void MixPart(StereoBuffer& part, std::size_t begin, std::size_t end, double levelDb,
             float reverbSend, float echoSend, MixBuses& buses) {
    end = std::min(end, part.Frames());
    if (begin >= end) {
        return;
    }
    const double rms = SoundingRms(part, begin, end);
    const float gain = rms > 0.0 ? static_cast<float>(std::pow(10.0, levelDb / 20.0) / rms) : 0.0f;
    for (std::size_t i = begin; i < end; ++i) {
        const float left = part.left[i] * gain;
        const float right = part.right[i] * gain;
        buses.dry.left[i] += left;
        buses.dry.right[i] += right;
        buses.reverb.left[i] += left * reverbSend;
        buses.reverb.right[i] += right * reverbSend;
        buses.echo.left[i] += left * echoSend;
        buses.echo.right[i] += right * echoSend;
        part.left[i] = 0.0f;
        part.right[i] = 0.0f;
    }
}

} // namespace

StereoBuffer MusicRenderer::Render(const Song& song) {
    const double rate = AudioFormat::SampleRate;
    const std::size_t loopFrames =
        static_cast<std::size_t>(std::lround(song.BarSeconds() * song.bars * rate));
    const double extra = song.loops ? LoopTailSeconds : song.tailSeconds;
    buses.Clear(loopFrames + static_cast<std::size_t>(std::lround(extra * rate)));
    part.Clear(buses.dry.Frames());

    tools::Random timing(song.seed * 7919 + 1);
    tools::Random sound(song.seed * 104729 + 3);
    for (const Part& voice : song.parts) {
        std::size_t begin = part.Frames();
        std::size_t end = 0;
        for (const Note& note : voice.notes) {
            const double start = BeatToSeconds(song, note.beat, timing);
            const std::size_t last = voice.instrument.Play(start, note.length * song.BeatSeconds(),
                                                           note.midi, note.velocity, part, sound);
            if (last > 0) {
                begin = std::min(begin, static_cast<std::size_t>(std::lround(start * rate)));
                end = std::max(end, last);
            }
        }
        MixPart(part, begin, end, voice.instrument.level, voice.instrument.reverbSend,
                voice.instrument.echoSend, buses);
    }

    // Each drum is mixed as a part of its own.
    std::map<Drum, std::vector<DrumHit>> strokes;
    for (const DrumHit& hit : song.drums) {
        strokes[hit.drum].push_back(hit);
    }
    for (const auto& [drum, hits] : strokes) {
        const std::vector<float> sample = song.kit.Render(drum, sound);
        const DrumKit::Mix& mix = song.kit.MixOf(drum);
        const double angle = (mix.pan + 1.0) * std::numbers::pi / 4.0;
        const float left = static_cast<float>(std::cos(angle));
        const float right = static_cast<float>(std::sin(angle));
        std::size_t begin = part.Frames();
        std::size_t end = 0;
        for (const DrumHit& hit : hits) {
            const float level = hit.velocity * static_cast<float>(timing.RangeDouble(0.92, 1.0));
            const std::size_t start =
                static_cast<std::size_t>(std::lround(BeatToSeconds(song, hit.beat, timing) * rate));
            std::size_t i = 0;
            for (; i < sample.size() && start + i < part.Frames(); ++i) {
                part.left[start + i] += sample[i] * level * left;
                part.right[start + i] += sample[i] * level * right;
            }
            begin = std::min(begin, start);
            end = std::max(end, start + i);
        }
        MixPart(part, begin, end, mix.level, mix.reverbSend, 0.0f, buses);
    }

    song.echo.Process(buses.echo, buses.dry, song.echoWet, rate);
    Reverb room(song.reverbRoom, song.reverbDamping);
    room.Process(buses.reverb, buses.dry, song.reverbWet);
    StereoBuffer mix = std::move(buses.dry);
    Highpass(mix, 24.0);

    if (song.loops) {
        mix.FoldTail(loopFrames);
        mix.Master(song.rmsDb, song.ceilingDb);
        mix.FadeIn(LoopEdgeFrames);
        mix.FadeOut(LoopEdgeFrames);
    } else {
        mix.Master(song.rmsDb, song.ceilingDb);
        mix.FadeIn(64);
        mix.FadeOut(static_cast<std::size_t>(std::min(song.tailSeconds * 0.6, 1.5) * rate));
    }
    return mix;
}

} // namespace vantor::tools::sounds
