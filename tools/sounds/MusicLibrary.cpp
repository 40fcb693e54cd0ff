// The title theme, the boss loop and the two closing tunes.
#include "tools/sounds/MusicLibrary.h"

#include <utility>

#include "tools/sounds/Composer.h"
#include "tools/sounds/Patches.h"

namespace vantor::tools::sounds {

namespace {

Chord Major(int degree) {
    return Chord{degree, Chord::Quality::Major, false};
}

// A drum roll: strokes evenly spaced from startBeat, each louder than the one before by
// velocityStep.
void AddRoll(std::vector<Note>& notes, double startBeat, int strokes, double spacing, double length,
             double midi, float velocity, float velocityStep) {
    for (int i = 0; i < strokes; ++i) {
        notes.push_back(Note{startBeat + i * spacing, length, midi, velocity + velocityStep * i});
    }
}

} // namespace

Song MusicLibrary::Intro() {
    Song song;
    song.bpm = 90.0;
    song.bars = 12;
    song.loops = false;
    song.tailSeconds = 3.5;
    song.seed = 100;
    song.rmsDb = -20.0;
    song.ceilingDb = -2.0;
    song.reverbRoom = 0.85;
    song.echo.seconds = song.BeatSeconds() * 0.75;

    // D minor: a two-bar swell, the eight-bar theme, and a D major close.
    const Composer theme(
        Scale(62, Scale::Mode::Minor), 4,
        {{0}, {5}, {0}, {5}, {2}, {6}, {0}, {5}, {3}, Major(4), Major(0), Major(0)}, 4.0);

    Instrument strings = Patches::WarmPad();
    strings.level = -20.0;
    song.Add(strings,
             JoinNotes(theme.Chords("x---------------", 0, 10, 62.0, 0.9f),
                       theme.Chords("x-----------------------------..", 10, 12, 64.0, 1.0f)));

    Instrument drone = Patches::Drone();
    song.Add(drone, theme.Bass("R---------------", 0, 2, 38, 0.8f));

    Instrument bass = Patches::SubBass();
    bass.level = -18.0;
    song.Add(bass, JoinNotes(theme.Bass("R-----R.R---5---", 2, 10, 38, 0.9f),
                             theme.Bass("R-----------------------------..", 10, 12, 38, 1.0f)));

    const std::string melody = "0:1.5 4:0.5 7:1 6:0.5 4:0.5 "
                               "5:1.5 4:0.5 2:2 "
                               "2:1 4:1 6:1 7:1 "
                               "6:1.5 7:0.5 8:2 "
                               "7:1.5 6:0.5 4:1 2:1 "
                               "3:1 2:1 0:2 "
                               "3:1 5:1 7:1 5:1 "
                               "4:1.5 6#:0.5 8:1 6#:1 "
                               "7:7";
    Instrument horn = Patches::Brass();
    horn.pan = 0.1f;
    song.Add(horn, theme.Written(melody, 2, 0, 0.95, 0.95f));
    Instrument lowHorn = Patches::Brass();
    lowHorn.level = -21.0;
    lowHorn.pan = -0.25f;
    lowHorn.filter.cutoff = 500.0;
    song.Add(lowHorn, theme.Written(melody, 2, -1, 0.95, 0.85f));

    Instrument bell = Patches::Bell();
    bell.level = -26.0;
    song.Add(bell, theme.Arpeggio("0-1-2-3-4-3-2-1-", 2, 10, 62, 0.8f));

    Instrument timpani = Patches::Timpani();
    std::vector<Note> rolls;
    // A crescendo roll into the theme, strokes on each theme bar, a roll into the close.
    AddRoll(rolls, 4.0, 16, 0.25, 0.2, 38.0, 0.25f, 0.045f);
    for (int bar = 2; bar < 10; ++bar) {
        rolls.push_back(Note{bar * 4.0, 0.5, bar % 2 == 0 ? 38.0 : 33.0, 0.9f});
    }
    AddRoll(rolls, 38.0, 8, 0.25, 0.2, 33.0, 0.45f, 0.06f);
    rolls.push_back(Note{40.0, 1.0, 38.0, 1.0f});
    song.Add(timpani, rolls);

    song.kit.kickStartHz = 120.0;
    song.kit.kickEndHz = 42.0;
    song.kit.kickDecay = 0.5;
    song.kit.MixOf(Drum::Kick).level = -22.0;
    song.kit.MixOf(Drum::Snare).level = -25.0;
    song.kit.MixOf(Drum::Crash).level = -25.0;
    song.kit.MixOf(Drum::Snare).reverbSend = 0.6f;
    song.AddDrums(theme.Drums({
        {Drum::Kick, "x.......x.......", 2, 10},
        {Drum::Snare, "........x.......", 2, 9},
        {Drum::Snare, "........x...oxXX", 9, 10},
        {Drum::Crash, "X...............", 2, 3},
        {Drum::Crash, "X...............", 10, 11},
        {Drum::Kick, "X...............", 10, 11},
    }));
    return song;
}

Song MusicLibrary::Boss() {
    Song song;
    song.bpm = 150.0;
    song.bars = 20;
    song.seed = 900;
    song.rmsDb = -21.5;
    song.reverbRoom = 0.6;
    song.echo.seconds = song.BeatSeconds() * 0.75;
    song.echo.feedback = 0.3f;

    // C harmonic minor: i i VI V, the major V pulling hard back to the tonic.
    const Composer tense(Scale(60, Scale::Mode::HarmonicMinor), 4, {{0}, {0}, {5}, {4}}, 4.0);

    Instrument bass = Patches::AcidBass();
    bass.filter.resonance = 3.0;
    bass.filter.cutoff = 220.0;
    bass.drive = 2.0f;
    song.Add(bass, tense.Bass("RrrRrrRrRrrRrrOr", 0, 20, 36, 0.9f));

    Instrument ostinato = Patches::Staccato();
    song.Add(ostinato, tense.Arpeggio("0.1.0.2.0.1.0.3.", 0, 20, 60, 0.8f));

    Instrument drone = Patches::Drone();
    drone.level = -24.0;
    song.Add(drone, tense.Chords("x-------------..", 4, 20, 55.0, 0.8f));

    Instrument stabs = Patches::Brass();
    stabs.envelope.attack = 0.01;
    stabs.envelope.decay = 0.2;
    stabs.envelope.sustain = 0.3;
    stabs.level = -21.0;
    song.Add(stabs, tense.Chords("X.....x.....x...", 8, 20, 62.0, 0.9f));

    MelodyStyle style;
    style.phraseBars = 4;
    style.form = "AABA";
    style.lowDegree = 4;
    style.highDegree = 12;
    style.cells = {"x-x-", "x-xx", "x--x", "x---", "xxx-"};
    style.restChance = 0.08;
    style.leapChance = 0.3;
    style.gate = 0.85;
    song.Add(Patches::DirtyLead(), tense.Melody(style, 4, 20, 0xB055));

    song.kit.kickStartHz = 190.0;
    song.kit.kickEndHz = 50.0;
    song.kit.kickDecay = 0.28;
    song.kit.kickDrive = 0.7f;
    song.kit.snareToneHz = 210.0;
    song.kit.snareDecay = 0.15;
    song.kit.hatHz = 8500.0;
    song.kit.lowTomHz = 90.0;
    song.kit.highTomHz = 135.0;
    song.AddDrums(tense.Drums({
        {Drum::Kick, "x.x...x.x.x...x.", 0, 20},
        {Drum::Snare, "....X.......X...", 0, 7},
        {Drum::Snare, "....X.......X..o", 8, 15},
        {Drum::Snare, "....X.......X...", 16, 19},
        {Drum::ClosedHat, "xoxoxoxoxoxoxoxo", 0, 20},
        {Drum::LowTom, "........x.x.X.X.", 7, 8},
        {Drum::HighTom, ".........x.x.X.X", 7, 8},
        {Drum::Snare, "....X...x.xxXxXX", 15, 16},
        {Drum::LowTom, "....X...X.x.X.XX", 19, 20},
        {Drum::Crash, "X...............", 0, 1},
        {Drum::Crash, "X...............", 8, 9},
        {Drum::Crash, "X...............", 16, 17},
    }));
    return song;
}

Song MusicLibrary::GameOver() {
    Song song;
    song.bpm = 88.0;
    song.bars = 3;
    song.loops = false;
    song.tailSeconds = 1.8;
    song.seed = 1000;
    song.rmsDb = -22.0;
    song.reverbRoom = 0.8;
    song.echo.seconds = song.BeatSeconds();

    // A minor, a falling line over i, VI and iv that sinks back to the root.
    const Composer sad(Scale(57, Scale::Mode::Minor), 4, {{0}, {0}, {5}, {3}, {0}, {0}}, 2.0);

    song.Add(Patches::WarmPad(), sad.Chords("x-------x---x---", 0, 2, 60.0, 0.8f));
    song.Add(Patches::WarmPad(), sad.Chords("x---------------", 2, 3, 57.0, 0.7f));
    Instrument bass = Patches::SubBass();
    bass.level = -19.0;
    bass.envelope.release = 1.0;
    song.Add(bass, JoinNotes(sad.Bass("R-------R-------", 0, 2, 33, 0.8f),
                             sad.Bass("R---------------", 2, 3, 33, 0.8f)));

    Instrument piano = Patches::ElectricPiano();
    piano.echoSend = 0.2f;
    song.Add(piano, sad.Written("4:1.5 3:0.5 2:1 1:1 2:1.5 1:0.5 0:1 -1:1 0:4", 0, 1, 0.95, 0.9f));
    Instrument bell = Patches::Bell();
    bell.level = -24.0;
    song.Add(bell, sad.Written("r:8 r:2 4:1 2:1 0:4", 0, 1, 0.9, 0.7f));

    song.kit.lowTomHz = 55.0;
    song.kit.tomDecay = 0.9;
    song.AddDrums(sad.Drums(Drum::LowTom, "X...............", 2, 3));
    return song;
}

Song MusicLibrary::PlayerWins() {
    Song song;
    song.bpm = 120.0;
    song.bars = 4;
    song.loops = false;
    song.tailSeconds = 2.2;
    song.seed = 1100;
    song.rmsDb = -19.5;
    song.ceilingDb = -2.0;
    song.reverbRoom = 0.8;

    // B flat major: I, IV, V, I, with the fanfare's triplet calls.
    const Composer fanfare(Scale(58, Scale::Mode::Major), 4, {{0}, {3}, {4}, {0}}, 4.0);

    Instrument lead = Patches::Brass();
    lead.level = -16.0;
    lead.filter.cutoff = 900.0;
    lead.pan = 0.15f;
    song.Add(lead, fanfare.Written("0:0.333 0:0.333 0:0.334 2:1 4:1 7:1 "
                                   "5:1.5 3:0.5 5:1 7:1 "
                                   "8:0.333 8:0.333 8:0.334 6:1 4:1 6:1 "
                                   "7:4",
                                   0, 0, 0.9, 1.0f));
    Instrument second = Patches::Brass();
    second.level = -19.0;
    second.pan = -0.2f;
    song.Add(second, fanfare.Written("-3:0.333 -3:0.333 -3:0.334 0:1 2:1 4:1 "
                                     "3:1.5 0:0.5 3:1 5:1 "
                                     "6:0.333 6:0.333 6:0.334 4:1 1:1 4:1 "
                                     "4:4",
                                     0, 0, 0.9, 0.9f));

    Instrument strings = Patches::WarmPad();
    strings.envelope.attack = 0.15;
    strings.level = -21.0;
    song.Add(strings, fanfare.Chords("x---------------", 0, 4, 62.0, 0.9f));
    Instrument bass = Patches::SubBass();
    bass.envelope.release = 0.8;
    song.Add(bass, JoinNotes(fanfare.Bass("R-------5---R---", 0, 3, 34, 0.9f),
                             fanfare.Bass("R---------------", 3, 4, 34, 1.0f)));

    Instrument timpani = Patches::Timpani();
    std::vector<Note> strokes = {{0.0, 0.5, 34.0, 1.0f},
                                 {4.0, 0.5, 41.0, 0.9f},
                                 {8.0, 0.5, 41.0, 0.9f},
                                 {10.0, 0.5, 34.0, 0.8f}};
    AddRoll(strokes, 11.0, 8, 0.125, 0.1, 41.0, 0.5f, 0.06f);
    strokes.push_back(Note{12.0, 1.0, 34.0, 1.0f});
    song.Add(timpani, strokes);

    song.kit.crashDecay = 2.0;
    song.kit.MixOf(Drum::Kick).level = -20.0;
    song.kit.MixOf(Drum::Snare).level = -23.0;
    song.kit.MixOf(Drum::Crash).level = -24.0;
    song.AddDrums(fanfare.Drums({
        {Drum::Crash, "X...............", 0, 1},
        {Drum::Snare, "............xxXX", 2, 3},
        {Drum::Kick, "X.......x.......", 0, 3},
        {Drum::Kick, "X...............", 3, 4},
        {Drum::Crash, "X...............", 3, 4},
    }));
    return song;
}

} // namespace vantor::tools::sounds
