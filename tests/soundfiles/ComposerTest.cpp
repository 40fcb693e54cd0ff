#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>

#include "tools/sounds/Composer.h"
#include "tools/sounds/Scale.h"

namespace vantor::test {

namespace {

// C major, one chord a bar: I IV V I.
tools::sounds::Composer CMajor() {
    return tools::sounds::Composer(tools::sounds::Scale(60, tools::sounds::Scale::Mode::Major), 4,
                                   {{0}, {3}, {4}, {0}}, 4.0);
}

TEST(Scale, DegreesRunThroughOctavesBothWays) {
    const tools::sounds::Scale major(60, tools::sounds::Scale::Mode::Major);
    EXPECT_EQ(major.Midi(0), 60);
    EXPECT_EQ(major.Midi(2), 64);
    EXPECT_EQ(major.Midi(7), 72);
    EXPECT_EQ(major.Midi(9), 76);
    EXPECT_EQ(major.Midi(-1), 59);
    EXPECT_EQ(major.Midi(-8), 47);
    const tools::sounds::Scale minor(57, tools::sounds::Scale::Mode::Minor);
    EXPECT_EQ(minor.Midi(2), 60);
    EXPECT_EQ(minor.Midi(-2), 53);
    for (int degree = -15; degree <= 20; ++degree) {
        EXPECT_EQ(major.NearestDegree(major.Midi(degree)), degree);
    }
    EXPECT_EQ(major.NearestDegree(61), 0); // halfway between C and D goes down
    EXPECT_EQ(major.NearestDegree(61.6), 1);
}

TEST(Scale, ModesAreTheMajorScaleBegunOnEachOfItsDegrees) {
    const std::pair<tools::sounds::Scale::Mode, std::array<int, 8>> modes[] = {
        {tools::sounds::Scale::Mode::Major, {0, 2, 4, 5, 7, 9, 11, 12}},
        {tools::sounds::Scale::Mode::Dorian, {0, 2, 3, 5, 7, 9, 10, 12}},
        {tools::sounds::Scale::Mode::Phrygian, {0, 1, 3, 5, 7, 8, 10, 12}},
        {tools::sounds::Scale::Mode::Lydian, {0, 2, 4, 6, 7, 9, 11, 12}},
        {tools::sounds::Scale::Mode::Mixolydian, {0, 2, 4, 5, 7, 9, 10, 12}},
        {tools::sounds::Scale::Mode::Minor, {0, 2, 3, 5, 7, 8, 10, 12}},
        {tools::sounds::Scale::Mode::HarmonicMinor, {0, 2, 3, 5, 7, 8, 11, 12}},
    };
    for (const auto& [mode, semitones] : modes) {
        const tools::sounds::Scale scale(62, mode);
        EXPECT_EQ(scale.Size(), 7);
        for (int degree = 0; degree < 8; ++degree) {
            EXPECT_EQ(scale.Midi(degree), 62 + semitones[degree])
                << "mode " << static_cast<int>(mode) << ", degree " << degree;
        }
    }
}

TEST(Composer, BassFollowsTheChordRootsWithHeldAndRestingSteps) {
    const std::vector<tools::sounds::Note> notes =
        CMajor().Bass("R---R.......R...", 0, 4, 36, 1.0f);
    ASSERT_EQ(notes.size(), 12u);
    const int roots[] = {36, 41, 43, 36};
    for (int bar = 0; bar < 4; ++bar) {
        const tools::sounds::Note& held = notes[bar * 3];
        EXPECT_DOUBLE_EQ(held.beat, bar * 4.0);
        EXPECT_DOUBLE_EQ(held.length, 1.0);
        EXPECT_EQ(held.midi, roots[bar]);
        EXPECT_DOUBLE_EQ(notes[bar * 3 + 1].length, 0.25);
        EXPECT_DOUBLE_EQ(notes[bar * 3 + 2].beat, bar * 4.0 + 3.0);
    }
}

TEST(Composer, BassSymbolsPickChordNotesAndLeadIntoTheNextBar) {
    const std::vector<tools::sounds::Note> notes =
        CMajor().Bass("ROr53L.........a", 0, 1, 36, 1.0f);
    ASSERT_EQ(notes.size(), 7u);
    EXPECT_EQ(notes[0].midi, 36); // root
    EXPECT_EQ(notes[1].midi, 48); // octave
    EXPECT_EQ(notes[2].midi, 36); // soft root
    EXPECT_LT(notes[2].velocity, notes[0].velocity);
    EXPECT_EQ(notes[3].midi, 43); // fifth
    EXPECT_EQ(notes[4].midi, 40); // third
    EXPECT_EQ(notes[5].midi, 31); // fifth below
    EXPECT_EQ(notes[6].midi, 40); // E, the step below the next bar's F
}

TEST(Composer, ChordsAreVoicedCloseAroundTheCentre) {
    const tools::sounds::Composer composer = CMajor();
    const std::vector<tools::sounds::Note> notes =
        composer.Chords("x-------o-------", 0, 4, 62.0, 1.0f);
    ASSERT_EQ(notes.size(), 24u);
    const std::set<int> expected[] = {{0, 4, 7}, {5, 9, 0}, {7, 11, 2}, {0, 4, 7}};
    for (const tools::sounds::Note& note : notes) {
        EXPECT_GE(note.midi, 56.0);
        EXPECT_LT(note.midi, 68.0);
        EXPECT_DOUBLE_EQ(note.length, 2.0);
        const int bar = static_cast<int>(note.beat / 4.0);
        EXPECT_EQ(expected[bar].count(static_cast<int>(note.midi) % 12), 1u) << note.midi;
    }
    EXPECT_LT(notes[3].velocity, notes[0].velocity); // the 'o' stroke is softer
}

TEST(Composer, AlteredAndSeventhChordsUseTheirOwnIntervals) {
    const tools::sounds::Composer composer(
        tools::sounds::Scale(57, tools::sounds::Scale::Mode::Minor), 4,
        {{4, tools::sounds::Chord::Quality::Major, false},
         {0, tools::sounds::Chord::Quality::Diatonic, true}},
        4.0);
    std::vector<int> dominant = composer.Voicing(composer.ChordAt(0.0), 64.0);
    std::vector<int> tonic = composer.Voicing(composer.ChordAt(4.0), 64.0);
    std::set<int> dominantClasses;
    for (int midi : dominant) {
        dominantClasses.insert(midi % 12);
    }
    EXPECT_EQ(dominantClasses, (std::set<int>{4, 8, 11})); // E G# B
    EXPECT_EQ(tonic.size(), 4u);                           // A C E G
}

TEST(Composer, ArpeggioDigitsCountChordNotesUpward) {
    const std::vector<tools::sounds::Note> notes =
        CMajor().Arpeggio("0123............", 0, 2, 60, 1.0f);
    ASSERT_EQ(notes.size(), 8u);
    // Bar one is C major; bar two is F major: counting up from C its notes are C, F, A and
    // C again.
    const int expected[] = {60, 64, 67, 72, 60, 65, 69, 72};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].midi, expected[i]) << "note " << i;
    }
}

TEST(Composer, DrumPatternsRepeatOverTheBarsWithAccents) {
    const std::vector<tools::sounds::DrumHit> hits =
        CMajor().Drums(tools::sounds::Drum::Snare, "X...o...x...", 1, 3);
    // The 12-step pattern repeats through 32 steps: strokes at 0 4 8 12 16 20 24 28.
    ASSERT_EQ(hits.size(), 8u);
    EXPECT_DOUBLE_EQ(hits[0].beat, 4.0);
    EXPECT_DOUBLE_EQ(hits[7].beat, 11.0);
    EXPECT_FLOAT_EQ(hits[0].velocity, 1.0f);
    EXPECT_LT(hits[1].velocity, hits[2].velocity);
    EXPECT_LT(hits[2].velocity, hits[0].velocity);
    EXPECT_EQ(hits[3].drum, tools::sounds::Drum::Snare);
}

TEST(Composer, ADrumPartIsItsLinesOneAfterAnother) {
    const tools::sounds::Composer composer = CMajor();
    const std::vector<tools::sounds::DrumHit> part =
        composer.Drums({{tools::sounds::Drum::Kick, "x...x...", 2, 3},
                        {tools::sounds::Drum::Snare, "....X...", 0, 1}});
    std::vector<tools::sounds::DrumHit> expected =
        composer.Drums(tools::sounds::Drum::Kick, "x...x...", 2, 3);
    const std::vector<tools::sounds::DrumHit> snare =
        composer.Drums(tools::sounds::Drum::Snare, "....X...", 0, 1);
    expected.insert(expected.end(), snare.begin(), snare.end());
    ASSERT_EQ(part.size(), 6u);
    ASSERT_EQ(part.size(), expected.size());
    for (std::size_t i = 0; i < part.size(); ++i) {
        EXPECT_EQ(part[i].drum, expected[i].drum) << "stroke " << i;
        EXPECT_DOUBLE_EQ(part[i].beat, expected[i].beat) << "stroke " << i;
        EXPECT_FLOAT_EQ(part[i].velocity, expected[i].velocity) << "stroke " << i;
    }
}

TEST(Composer, WrittenMelodiesReadDegreesAccidentalsAndRests) {
    const std::vector<tools::sounds::Note> notes =
        CMajor().Written("0:1 2#:0.5 r:0.5 -1:2 6b:1", 1, 1, 0.5, 0.8f);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_DOUBLE_EQ(notes[0].beat, 4.0);
    EXPECT_EQ(notes[0].midi, 72);
    EXPECT_DOUBLE_EQ(notes[0].length, 0.5);
    EXPECT_EQ(notes[1].midi, 77);
    EXPECT_DOUBLE_EQ(notes[1].beat, 5.0);
    EXPECT_EQ(notes[2].midi, 71);
    EXPECT_DOUBLE_EQ(notes[2].beat, 6.0);
    EXPECT_EQ(notes[3].midi, 82);
    EXPECT_FLOAT_EQ(notes[3].velocity, 0.8f);
}

class Melody : public testing::Test {
protected:
    tools::sounds::Composer composer = CMajor();
    tools::sounds::MelodyStyle style;
    void SetUp() override {
        style.phraseBars = 2;
        style.form = "ABAB";
        style.lowDegree = 2;
        style.highDegree = 10;
    }
};

TEST_F(Melody, StaysInTheKeyAndTheRangeWithoutOverlaps) {
    const tools::sounds::Scale& key = composer.Key();
    const std::vector<tools::sounds::Note> notes = composer.Melody(style, 0, 8, 42);
    ASSERT_GT(notes.size(), 8u);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const int midi = static_cast<int>(notes[i].midi);
        EXPECT_EQ(key.Midi(key.NearestDegree(midi)), midi) << "out of key";
        EXPECT_GE(midi, key.Midi(style.lowDegree));
        EXPECT_LE(midi, key.Midi(style.highDegree));
        EXPECT_GE(notes[i].beat, 0.0);
        EXPECT_LE(notes[i].beat + notes[i].length, 32.0 + 1e-9);
        if (i > 0) {
            EXPECT_GE(notes[i].beat, notes[i - 1].beat + notes[i - 1].length - 1e-9);
        }
    }
}

TEST_F(Melody, StrongBeatsLandOnChordNotes) {
    const tools::sounds::Scale& key = composer.Key();
    for (const tools::sounds::Note& note : composer.Melody(style, 0, 8, 7)) {
        const double inBar = std::fmod(note.beat, 4.0);
        if (inBar == 0.0 || inBar == 2.0) {
            const int degree = key.NearestDegree(note.midi);
            const int relative = ((degree - composer.ChordAt(note.beat).degree) % 7 + 7) % 7;
            EXPECT_TRUE(relative == 0 || relative == 2 || relative == 4) << "beat " << note.beat;
        }
    }
}

TEST_F(Melody, ARepeatedPhraseComesBackWithItsRhythmAndShape) {
    // With a two-bar progression under two-bar phrases, the A phrase returns note for note.
    const tools::sounds::Composer twoBars(
        tools::sounds::Scale(60, tools::sounds::Scale::Mode::Major), 4, {{0}, {4}}, 4.0);
    const std::vector<tools::sounds::Note> notes = twoBars.Melody(style, 0, 8, 99);
    std::vector<tools::sounds::Note> first;
    std::vector<tools::sounds::Note> third;
    for (const tools::sounds::Note& note : notes) {
        if (note.beat < 8.0) {
            first.push_back(note);
        } else if (note.beat >= 16.0 && note.beat < 24.0) {
            third.push_back(note);
        }
    }
    ASSERT_EQ(first.size(), third.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_DOUBLE_EQ(third[i].beat, first[i].beat + 16.0);
        EXPECT_DOUBLE_EQ(third[i].midi, first[i].midi);
    }
}

TEST_F(Melody, TheSeedDecidesTheTune) {
    auto pitches = [](const std::vector<tools::sounds::Note>& notes) {
        std::vector<double> out;
        for (const tools::sounds::Note& note : notes) {
            out.push_back(note.midi * 100.0 + note.beat);
        }
        return out;
    };
    EXPECT_EQ(pitches(composer.Melody(style, 0, 8, 5)), pitches(composer.Melody(style, 0, 8, 5)));
    EXPECT_NE(pitches(composer.Melody(style, 0, 8, 5)), pitches(composer.Melody(style, 0, 8, 6)));
}

} // namespace

} // namespace vantor::test
