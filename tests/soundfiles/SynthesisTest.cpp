#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "tools/Random.h"
#include "tools/sounds/AudioFormat.h"
#include "tools/sounds/DrumKit.h"
#include "tools/sounds/Envelope.h"
#include "tools/sounds/Filter.h"
#include "tools/sounds/Instrument.h"
#include "tools/sounds/MusicRenderer.h"
#include "tools/sounds/ShipVoice.h"
#include "tools/sounds/StereoBuffer.h"

namespace vantor::test {

namespace {

constexpr double Rate = tools::sounds::AudioFormat::SampleRate;

// Pitch by autocorrelation: the shortest lag at which the sound nearly repeats itself,
// refined between samples.
double MeasuredHz(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    const int shortest = static_cast<int>(Rate / 2000.0);
    const int longest = static_cast<int>(Rate / 60.0);
    const std::size_t span = to - from - static_cast<std::size_t>(longest) - 1;
    std::vector<double> correlation(static_cast<std::size_t>(longest) + 2, 0.0);
    double best = 0.0;
    for (int lag = shortest; lag <= longest + 1; ++lag) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + span; ++i) {
            sum += static_cast<double>(samples[i]) * samples[i + static_cast<std::size_t>(lag)];
        }
        correlation[static_cast<std::size_t>(lag)] = sum;
        best = std::max(best, sum);
    }
    for (int lag = shortest + 1; lag <= longest; ++lag) {
        const double here = correlation[static_cast<std::size_t>(lag)];
        const double before = correlation[static_cast<std::size_t>(lag) - 1];
        const double after = correlation[static_cast<std::size_t>(lag) + 1];
        if (here >= 0.9 * best && here >= before && here >= after) {
            const double offset = 0.5 * (before - after) / (before - 2.0 * here + after);
            return Rate / (lag + offset);
        }
    }
    return 0.0;
}

double Rms(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

TEST(Random, TheSeedFixesTheSequenceAndUniformStaysInRange) {
    tools::Random a(1234);
    tools::Random b(1234);
    tools::Random c(1235);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const double value = a.UniformDouble();
        EXPECT_EQ(value, b.UniformDouble());
        differs = differs || value != c.UniformDouble();
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
    }
    EXPECT_TRUE(differs);
}

TEST(Filter, LowpassKeepsTheLowsAndCutsTheHighs) {
    auto throughLowpass = [](double hz) {
        tools::sounds::Filter filter(500.0, 0.707, Rate);
        std::vector<float> out;
        for (int i = 0; i < 22050; ++i) {
            out.push_back(filter.Lowpass(
                static_cast<float>(std::sin(2.0 * std::numbers::pi * hz * i / Rate))));
        }
        return 20.0 * std::log10(Rms(out, 11025, 22050) / std::sqrt(0.5));
    };
    EXPECT_NEAR(throughLowpass(100.0), 0.0, 1.0);
    EXPECT_LT(throughLowpass(5000.0), -35.0);
}

TEST(Envelope, RisesHoldsAndFadesOutAfterTheGate) {
    tools::sounds::Envelope envelope(0.01, 0.05, 0.5, 0.1, Rate, 4410);
    std::vector<float> levels;
    while (!envelope.Finished() && levels.size() < 100000) {
        levels.push_back(envelope.Next());
    }
    EXPECT_NEAR(levels[440], 1.0f, 0.01f);  // top of the attack
    EXPECT_NEAR(levels[4400], 0.5f, 0.02f); // sustain before the gate closes
    EXPECT_LT(levels[4410 + 4410], 0.01f);  // released after 0.1 s
    EXPECT_LT(levels.size(), 4410u + 10000u);
}

TEST(Instrument, PlaysItsNoteInTuneAndReportsWhereItEnds) {
    tools::sounds::Instrument sine;
    sine.wave = tools::sounds::Wave::Sine;
    sine.envelope.attack = 0.01;
    sine.envelope.release = 0.05;
    tools::sounds::StereoBuffer out(static_cast<std::size_t>(Rate));
    tools::Random random(1);
    const std::size_t end = sine.Play(0.1, 0.5, 69.0, 1.0f, out, random);
    EXPECT_NEAR(MeasuredHz(out.left, 8820, 22050), 440.0, 1.0);
    // Silent before the note and after the returned end; the release fits in 0.2 s.
    EXPECT_EQ(out.left[4000], 0.0f);
    EXPECT_GT(end, static_cast<std::size_t>(0.6 * Rate));
    EXPECT_LT(end, static_cast<std::size_t>(0.8 * Rate));
    for (std::size_t i = end; i < out.Frames(); ++i) {
        ASSERT_EQ(out.left[i], 0.0f);
    }
}

TEST(Instrument, PluckedStringsAndSawsAreInTune) {
    tools::sounds::Instrument string;
    string.pluck = tools::sounds::Instrument::Pluck{};
    tools::sounds::Instrument saw;
    saw.wave = tools::sounds::Wave::Saw;
    saw.filter.cutoff = 800.0; // leave mainly the fundamental for counting
    for (const tools::sounds::Instrument* instrument : {&string, &saw}) {
        tools::sounds::StereoBuffer out(static_cast<std::size_t>(Rate));
        tools::Random random(2);
        instrument->Play(0.0, 0.8, 57.0, 1.0f, out, random);
        EXPECT_NEAR(MeasuredHz(out.left, 4410, 30000), 220.0, 2.2);
    }
}

TEST(DrumKit, EveryDrumSoundsAndDiesAway) {
    const tools::sounds::DrumKit kit;
    tools::Random random(3);
    for (tools::sounds::Drum drum :
         {tools::sounds::Drum::Kick, tools::sounds::Drum::Snare, tools::sounds::Drum::Clap,
          tools::sounds::Drum::ClosedHat, tools::sounds::Drum::OpenHat, tools::sounds::Drum::LowTom,
          tools::sounds::Drum::HighTom, tools::sounds::Drum::Crash, tools::sounds::Drum::Rim,
          tools::sounds::Drum::Shaker}) {
        const std::vector<float> sample = kit.Render(drum, random);
        ASSERT_GT(sample.size(), 1000u) << static_cast<int>(drum);
        const std::size_t tenth = sample.size() / 10;
        EXPECT_GT(Rms(sample, 0, tenth), 0.05) << static_cast<int>(drum);
        EXPECT_LT(Rms(sample, sample.size() - tenth, sample.size()), Rms(sample, 0, tenth) * 0.1)
            << static_cast<int>(drum);
    }
}

TEST(StereoBuffer, FoldingATailMakesTheLoopContinuous) {
    // A sine that runs on past the loop point: folded, the end flows into the start.
    const std::size_t loop = 1000;
    tools::sounds::StereoBuffer sound(1500);
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        const float value = i < 200 ? 0.0f : static_cast<float>(std::sin(0.05 * i));
        sound.left[i] = value;
        sound.right[i] = -value;
    }
    const tools::sounds::StereoBuffer unfolded = sound;
    sound.FoldTail(loop);
    ASSERT_EQ(sound.Frames(), loop);
    for (std::size_t i = 0; i < 500; ++i) {
        EXPECT_FLOAT_EQ(sound.left[i], unfolded.left[i] + unfolded.left[loop + i]);
        EXPECT_FLOAT_EQ(sound.right[i], unfolded.right[i] + unfolded.right[loop + i]);
    }
    EXPECT_NEAR(sound.left[0], unfolded.left[loop], 1e-6);
    EXPECT_LT(std::fabs(sound.left[0] - sound.left[loop - 1]), 0.06f);
}

TEST(StereoBuffer, MasteringReachesTheLoudnessWithoutPassingTheCeiling) {
    tools::sounds::StereoBuffer sound(44100);
    tools::Random random(4);
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        // Steady noise with a few loud spikes that must be bent under the ceiling.
        const float spike = i % 5000 == 0 ? 0.9f : 0.0f;
        sound.left[i] = random.Noise() * 0.1f + spike;
        sound.right[i] = random.Noise() * 0.1f - spike;
    }
    sound.Master(-20.0, -3.0);
    EXPECT_LE(sound.Peak(), std::pow(10.0, -3.0 / 20.0));
    EXPECT_NEAR(20.0 * std::log10(sound.Rms()), -20.0, 1.5);
}

TEST(MusicRenderer, ALoopingPieceIsExactlyItsBarsAndItsLastNoteRingsIntoTheStart) {
    tools::sounds::Song song;
    song.bpm = 120.0;
    song.bars = 2;
    song.humanize = 0.0;
    tools::sounds::Instrument pad;
    pad.wave = tools::sounds::Wave::Sine;
    pad.envelope.release = 0.5;
    pad.reverbSend = 0.0f;
    // One note in the middle of bar one, one held to the very end of bar two.
    song.parts.push_back(tools::sounds::Part{
        pad,
        {tools::sounds::Note{1.0, 1.0, 60.0, 1.0f}, tools::sounds::Note{6.0, 2.0, 64.0, 1.0f}}});
    tools::sounds::MusicRenderer renderer;
    const tools::sounds::StereoBuffer looped = renderer.Render(song);
    EXPECT_EQ(looped.Frames(), static_cast<std::size_t>(4.0 * Rate));
    // The release of the last note is heard at the start of the loop, after the seam fade.
    const std::size_t quarter = static_cast<std::size_t>(0.05 * Rate);
    EXPECT_GT(Rms(looped.left, tools::sounds::MusicRenderer::LoopEdgeFrames, quarter), 0.01);
    // And the seam itself is faded to silence on both sides.
    EXPECT_LT(std::fabs(looped.left.front()), 1e-3f);
    EXPECT_LT(std::fabs(looped.left.back()), 1e-3f);

    song.loops = false;
    song.tailSeconds = 1.0;
    const tools::sounds::StereoBuffer once = renderer.Render(song);
    EXPECT_EQ(once.Frames(), static_cast<std::size_t>(5.0 * Rate));
    EXPECT_LT(Rms(once.left, 0, quarter), 1e-4); // nothing before the first note
}

TEST(MusicRenderer, EachPartIsMixedAtItsOwnLevel) {
    auto partLevel = [](double level) {
        tools::sounds::Song song;
        song.bars = 1;
        song.humanize = 0.0;
        song.rmsDb = -20.0;
        tools::sounds::Instrument loud;
        loud.wave = tools::sounds::Wave::Sine;
        loud.reverbSend = 0.0f;
        tools::sounds::Instrument quiet = loud;
        quiet.level = level;
        song.parts.push_back(
            tools::sounds::Part{loud, {tools::sounds::Note{0.0, 4.0, 48.0, 1.0f}}});
        song.parts.push_back(
            tools::sounds::Part{quiet, {tools::sounds::Note{0.0, 4.0, 96.0, 0.1f}}});
        const tools::sounds::StereoBuffer mix = tools::sounds::MusicRenderer().Render(song);
        // Split the two parts apart by frequency, C3 below 500 Hz and C7 above.
        tools::sounds::Filter low[2];
        tools::sounds::Filter high[2];
        for (int stage = 0; stage < 2; ++stage) {
            low[stage].Set(500.0, 0.707, Rate);
            high[stage].Set(500.0, 0.707, Rate);
        }
        std::vector<float> lows;
        std::vector<float> highs;
        for (float sample : mix.left) {
            lows.push_back(low[1].Lowpass(low[0].Lowpass(sample)));
            highs.push_back(high[1].Highpass(high[0].Highpass(sample)));
        }
        return 20.0 * std::log10(Rms(highs, 22050, 66150) / Rms(lows, 22050, 66150));
    };
    // The quiet part was played at a tenth of the velocity; its level setting still rules.
    EXPECT_NEAR(partLevel(-20.0), 0.0, 1.5);
    EXPECT_NEAR(partLevel(-32.0), -12.0, 1.5);
}

TEST(ShipVoice, SpeaksTheSameLineTheSameWayEveryTime) {
    tools::sounds::ShipVoice voice;
    ASSERT_TRUE(voice.Ready()) << voice.Error();
    tools::sounds::StereoBuffer first;
    tools::sounds::StereoBuffer other;
    tools::sounds::StereoBuffer again;
    tools::sounds::StereoBuffer clean;
    ASSERT_TRUE(voice.Speak("Warning. Primary shields failing.", true, first));
    ASSERT_TRUE(voice.Speak("Long range scan. Planet complete.", true, other));
    ASSERT_TRUE(voice.Speak("Warning. Primary shields failing.", true, again));
    ASSERT_TRUE(voice.Speak("Warning. Primary shields failing.", false, clean));
    EXPECT_EQ(first.left, again.left);
    EXPECT_NE(first.left, other.left);
    EXPECT_NE(first.left, clean.left);
    const double seconds = first.Frames() / Rate;
    EXPECT_GT(seconds, 1.5);
    EXPECT_LT(seconds, 5.0);
    EXPECT_GT(first.Rms(), 0.05);
}

} // namespace

} // namespace vantor::test
