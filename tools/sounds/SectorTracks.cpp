// The seven sector loops. Each opens lightly, builds, and thins out again in its last bar
// so that the end runs back into the start without a seam.
#include "tools/sounds/MusicLibrary.h"

#include <utility>

#include "tools/sounds/Composer.h"
#include "tools/sounds/Patches.h"

namespace vantor::tools::sounds {

namespace {

// Sector 1: drifting out from base. C Lydian, 100 bpm, glassy pads, plucked arpeggios, a
// bell melody and light percussion.
Song Drift() {
    Song song;
    song.bpm = 100.0;
    song.bars = 16;
    song.seed = 1;
    song.reverbRoom = 0.8;
    song.echo.seconds = song.BeatSeconds() * 0.75;
    song.echo.feedback = 0.4f;
    const Composer key(Scale(60, Scale::Mode::Lydian), 4, {{0}, {1}, {0}, {1}, {5}, {6}, {4}, {1}},
                       4.0);

    song.Add(Patches::GlassPad(), key.HeldChords(0, 16, 64.0, 0.9f));
    Instrument string = Patches::String();
    string.level = -21.0;
    string.pan = -0.2f;
    song.Add(string, key.Arpeggio("0-2-1-3-0-2-4-3-", 0, 16, 60, 0.8f));
    Instrument bass = Patches::SubBass();
    song.Add(bass, JoinNotes(key.Bass("R---------------", 0, 2, 36, 0.8f),
                             key.Bass("R-------R---5---", 2, 16, 36, 0.85f)));

    MelodyStyle style;
    style.form = "ABAC";
    style.lowDegree = 2;
    style.highDegree = 11;
    style.cells = {"x---", "x---", "x-x-", "----", "x--x"};
    style.restChance = 0.15;
    Instrument bell = Patches::Bell();
    bell.level = -18.0;
    bell.pan = 0.2f;
    song.Add(bell, key.Melody(style, 4, 12, 0xD1F7));
    Instrument flute = Patches::Flute();
    flute.level = -20.0;
    song.Add(flute, key.Melody(style, 12, 14, 0xD1F8));

    song.kit.kickStartHz = 110.0;
    song.kit.kickEndHz = 45.0;
    song.kit.kickDecay = 0.4;
    song.kit.kickClick = 0.1f;
    song.kit.MixOf(Drum::Kick).level = -20.0;
    song.AddDrums(key.Drums({
        {Drum::Kick, "x.........x.....|x......x..x.....", 4, 14},
        {Drum::Rim, "....o.......o...", 4, 15},
        {Drum::Shaker, "o.x.o.x.o.x.o.x.", 2, 15},
        {Drum::ClosedHat, "..o...o...o...o.", 8, 14},
    }));
    return song;
}

// Sector 2: A minor synthwave at 112 bpm: pumping saw bass, a square lead with vibrato,
// big reverberant snare.
Song Neon() {
    Song song;
    song.bpm = 112.0;
    song.bars = 16;
    song.seed = 2;
    song.reverbRoom = 0.75;
    song.echo.seconds = song.BeatSeconds() * 0.75;
    const Composer key(Scale(57, Scale::Mode::Minor), 4, {{0}, {5}, {2}, {6}}, 4.0);

    Instrument pad = Patches::WarmPad();
    pad.filter.cutoff = 1600.0;
    song.Add(pad, key.HeldChords(0, 16, 64.0, 0.9f));
    song.Add(Patches::SawBass(), key.Bass("R.r.R.r.R.r.O.r.", 0, 16, 33, 0.9f));
    Instrument arp = Patches::SynthPluck();
    arp.level = -23.0;
    song.Add(arp, key.Arpeggio("0213243502132435", 8, 16, 57, 0.8f));

    MelodyStyle style;
    style.form = "ABAC";
    style.lowDegree = 4;
    style.highDegree = 12;
    style.cells = {"x-x-", "x---", "x--x", "x-x-", "----"};
    song.Add(Patches::SquareLead(), key.Melody(style, 4, 12, 0x2EE0));

    song.kit.snareDecay = 0.2;
    song.kit.MixOf(Drum::Snare).reverbSend = 0.7f;
    song.AddDrums(key.Drums({
        {Drum::Kick, "x.......x.......", 0, 16},
        {Drum::Snare, "....X.......X...", 2, 15},
        {Drum::ClosedHat, "x.x.x.x.x.x.x.x.", 0, 16},
        {Drum::OpenHat, "..............x.", 4, 15},
        {Drum::LowTom, "........x.x.X.X.", 15, 16},
        {Drum::HighTom, ".........x.x.X..", 15, 16},
    }));
    return song;
}

// Sector 3: a slow E Dorian nebula at 84 bpm: bells through a long echo, a breathy flute,
// half-time percussion.
Song Nebula() {
    Song song;
    song.bpm = 84.0;
    song.bars = 12;
    song.seed = 3;
    song.reverbRoom = 0.9;
    song.reverbDamping = 0.3;
    song.echo.seconds = song.BeatSeconds() * 1.5;
    song.echo.feedback = 0.45f;
    const Composer key(Scale(64, Scale::Mode::Dorian), 4, {{0}, {3}, {0}, {6}}, 4.0);

    Instrument pad = Patches::GlassPad();
    pad.level = -21.0;
    song.Add(pad, key.HeldChords(0, 12, 59.0, 0.9f));
    Instrument drone = Patches::SubBass();
    drone.envelope.attack = 0.3;
    drone.envelope.release = 0.6;
    drone.level = -18.0;
    song.Add(drone, key.Bass("R-------------..", 0, 12, 40, 0.8f));
    Instrument bell = Patches::Bell();
    bell.level = -22.0;
    song.Add(bell, key.Arpeggio("0---2---4---3---", 0, 12, 64, 0.8f));

    MelodyStyle style;
    style.form = "ABA";
    style.lowDegree = 0;
    style.highDegree = 9;
    style.cells = {"x---", "----", "x-x-", "x---"};
    style.restChance = 0.25;
    style.leapChance = 0.35;
    song.Add(Patches::Flute(), key.Melody(style, 4, 10, 0x3EB1));

    song.kit.kickStartHz = 100.0;
    song.kit.kickEndHz = 40.0;
    song.kit.kickDecay = 0.55;
    song.kit.kickClick = 0.05f;
    song.kit.MixOf(Drum::Kick).level = -21.0;
    song.AddDrums(key.Drums({
        {Drum::Kick, "x...............", 2, 11},
        {Drum::Rim, "........x.......", 2, 11},
        {Drum::Shaker, "o.o.x.o.o.o.x.o.", 2, 11},
    }));
    return song;
}

// Sector 4: F minor at 128 bpm, four to the floor: offbeat bass, rolling arpeggio, claps,
// a brass lead on top.
Song Drive() {
    Song song;
    song.bpm = 128.0;
    song.bars = 20;
    song.seed = 4;
    song.reverbRoom = 0.6;
    song.echo.seconds = song.BeatSeconds() * 0.75;
    const Composer key(Scale(65, Scale::Mode::Minor), 4, {{0}, {0}, {5}, {6}}, 4.0);

    song.Add(Patches::SawBass(), key.Bass("..R...R...R...R.", 0, 20, 29, 0.9f));
    Instrument arp = Patches::SynthPluck();
    arp.filter.cutoff = 700.0;
    song.Add(arp, key.Arpeggio("0123212301232123", 0, 20, 60, 0.8f));
    Instrument pad = Patches::WarmPad();
    pad.level = -24.0;
    song.Add(pad, key.HeldChords(8, 20, 63.0, 0.8f));

    MelodyStyle style;
    style.form = "AABC";
    style.lowDegree = 2;
    style.highDegree = 10;
    style.cells = {"x---", "x-x-", "x--x", "----", "x-x-"};
    Instrument brass = Patches::Brass();
    brass.level = -17.0;
    song.Add(brass, key.Melody(style, 8, 16, 0x4D21));

    song.kit.kickStartHz = 170.0;
    song.kit.kickEndHz = 50.0;
    song.kit.kickDecay = 0.3;
    song.kit.kickDrive = 0.5f;
    song.kit.clapDecay = 0.15;
    song.AddDrums(key.Drums({
        {Drum::Kick, "x...x...x...x...", 0, 19},
        {Drum::Kick, "x...x...x.......", 19, 20},
        {Drum::Clap, "....x.......x...", 4, 20},
        {Drum::OpenHat, "..x...x...x...x.", 4, 20},
        {Drum::ClosedHat, "xoxoxoxoxoxoxoxo", 8, 20},
        {Drum::Crash, "X...............", 8, 9},
    }));
    return song;
}

// Sector 5: B Phrygian in three-four at 120 bpm: a marimba turning over a drone, toms,
// and a wavering pulse lead.
Song Waltz() {
    Song song;
    song.bpm = 120.0;
    song.beatsPerBar = 3;
    song.bars = 24;
    song.seed = 5;
    song.reverbRoom = 0.8;
    song.echo.seconds = song.BeatSeconds() * 1.5;
    song.echo.feedback = 0.35f;
    const Composer key(Scale(59, Scale::Mode::Phrygian), 3,
                       {{0}, {1}, {0}, {6}, {5}, {1}, {6}, {0}}, 3.0);

    Instrument drone = Patches::Drone();
    drone.level = -22.0;
    song.Add(drone, key.HeldChords(0, 24, 52.0, 0.9f));
    song.Add(Patches::Marimba(), key.Arpeggio("0-2-1-2-3-2-", 0, 24, 59, 0.8f));
    Instrument bass = Patches::SubBass();
    bass.level = -18.0;
    song.Add(bass, key.Bass("R-------5---", 4, 24, 35, 0.85f));

    MelodyStyle style;
    style.phraseBars = 4;
    style.form = "ABA";
    style.lowDegree = 2;
    style.highDegree = 11;
    style.cells = {"x---", "x-x-", "----", "x--x"};
    style.restChance = 0.15;
    Instrument lead = Patches::SquareLead();
    lead.pulseWidth = 0.2;
    lead.second.level = 0.0f;
    lead.vibrato.cents = 22.0;
    lead.filter.cutoff = 1800.0;
    song.Add(lead, key.Melody(style, 8, 20, 0x5A17));

    song.kit.lowTomHz = 80.0;
    song.kit.highTomHz = 120.0;
    song.kit.tomDecay = 0.4;
    song.AddDrums(key.Drums({
        {Drum::LowTom, "X...........", 4, 23},
        {Drum::HighTom, "....o...o...", 4, 23},
        {Drum::Shaker, "o.x.o.x.o.x.", 2, 23},
        {Drum::Rim, "........x...", 12, 20},
    }));
    return song;
}

// Sector 6: G minor breakbeat at 140 bpm: squelching acid bass, short chord stabs, a lead
// that answers itself.
Song Acid() {
    Song song;
    song.bpm = 140.0;
    song.bars = 20;
    song.seed = 6;
    song.swing = 0.12;
    song.reverbRoom = 0.55;
    song.echo.seconds = song.BeatSeconds() * 0.5;
    song.echo.feedback = 0.3f;
    const Composer key(Scale(55, Scale::Mode::Minor), 4, {{0}, {0}, {3}, {4}}, 4.0);

    song.Add(Patches::AcidBass(), key.Bass("R.RO.R5.R.Ra.R5.", 0, 20, 31, 0.9f));
    Instrument stab = Patches::SynthPluck();
    stab.unison.voices = 3;
    stab.filter.cutoff = 900.0;
    stab.level = -21.0;
    song.Add(stab, key.Chords("x.....x.........", 4, 20, 67.0, 0.9f));
    Instrument pad = Patches::WarmPad();
    pad.level = -25.0;
    song.Add(pad, key.HeldChords(4, 20, 62.0, 0.8f));

    MelodyStyle style;
    style.form = "ABAB";
    style.lowDegree = 5;
    style.highDegree = 13;
    style.cells = {"x-x-", "x--x", "x---", "xxx-", "----"};
    Instrument lead = Patches::SquareLead();
    lead.wave = Wave::Square;
    lead.level = -18.0;
    song.Add(lead, key.Melody(style, 8, 16, 0x6AC1));

    song.kit.kickStartHz = 180.0;
    song.kit.kickDecay = 0.25;
    song.kit.snareToneHz = 230.0;
    song.kit.snareDecay = 0.13;
    song.kit.hatHz = 9000.0;
    song.AddDrums(key.Drums({
        {Drum::Kick, "x.....x...x.....|x.....x...x..x..", 0, 20},
        {Drum::Snare, "....X..o....X...|....X..o....X..o", 2, 20},
        {Drum::ClosedHat, "x.xxx.x.x.xxx.x.", 0, 20},
        {Drum::OpenHat, "..............x.", 8, 16},
    }));
    return song;
}

// Sector 7: a hopeful E flat major at 92 bpm: plucked strings, warm pad, a brass tune over
// a gentle backbeat.
Song Home() {
    Song song;
    song.bpm = 92.0;
    song.bars = 12;
    song.seed = 7;
    song.reverbRoom = 0.75;
    song.echo.seconds = song.BeatSeconds() * 0.75;
    const Composer key(Scale(63, Scale::Mode::Major), 4, {{0}, {5}, {3}, {4}}, 4.0);

    Instrument pad = Patches::WarmPad();
    pad.filter.cutoff = 1100.0;
    song.Add(pad, key.HeldChords(0, 12, 63.0, 0.9f));
    song.Add(Patches::String(), key.Arpeggio("0-2-1-2-3-2-1-2-", 0, 12, 55, 0.85f));
    song.Add(Patches::SubBass(), JoinNotes(key.Bass("R---------------", 0, 2, 39, 0.8f),
                                           key.Bass("R-----R-R---5---", 2, 12, 39, 0.85f)));

    MelodyStyle style;
    style.form = "ABAC";
    style.lowDegree = 0;
    style.highDegree = 9;
    style.cells = {"x---", "x-x-", "x--x", "----"};
    Instrument brass = Patches::Brass();
    brass.level = -17.0;
    song.Add(brass, key.Melody(style, 4, 12, 0x7E0A));

    song.kit.kickStartHz = 130.0;
    song.kit.snareToneHz = 180.0;
    song.kit.MixOf(Drum::Kick).level = -19.0;
    song.AddDrums(key.Drums({
        {Drum::Kick, "x.....x.x.......", 4, 11},
        {Drum::Snare, "....x.......x...", 4, 11},
        {Drum::ClosedHat, "x.x.x.x.x.x.x.x.", 4, 11},
        {Drum::Shaker, "o.x.o.x.o.x.o.x.", 0, 12},
        {Drum::Crash, "X...............", 4, 5},
    }));
    return song;
}

} // namespace

Song MusicLibrary::Sector(int number) {
    switch (number) {
    case 1:
        return Drift();
    case 2:
        return Neon();
    case 3:
        return Nebula();
    case 4:
        return Drive();
    case 5:
        return Waltz();
    case 6:
        return Acid();
    default:
        return Home();
    }
}

} // namespace vantor::tools::sounds
