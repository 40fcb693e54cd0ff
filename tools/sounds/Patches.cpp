#include "tools/sounds/Patches.h"

namespace vantor::tools::sounds {

Instrument Patches::WarmPad() {
    Instrument pad;
    pad.wave = Wave::Saw;
    pad.unison = {.voices = 5, .cents = 14.0, .width = 0.8f};
    pad.envelope = {.attack = 0.6, .decay = 1.0, .sustain = 0.8, .release = 1.1};
    pad.filter = {.cutoff = 1300.0, .resonance = 0.8};
    pad.level = -21.0;
    pad.reverbSend = 0.5f;
    return pad;
}

Instrument Patches::GlassPad() {
    Instrument pad;
    pad.wave = Wave::Triangle;
    pad.unison = {.voices = 3, .cents = 9.0, .width = 0.9f};
    pad.second = {.wave = Wave::Saw, .semitones = 12.0, .cents = 4.0, .level = 0.12f};
    pad.envelope = {.attack = 0.9, .decay = 1.5, .sustain = 0.75, .release = 1.4};
    pad.filter = {.cutoff = 2600.0};
    pad.level = -21.0;
    pad.reverbSend = 0.6f;
    return pad;
}

Instrument Patches::Drone() {
    Instrument drone;
    drone.wave = Wave::Saw;
    drone.unison = {.voices = 4, .cents = 7.0, .width = 0.7f};
    drone.envelope = {.attack = 1.2, .decay = 2.0, .sustain = 0.85, .release = 1.5};
    drone.filter = {.cutoff = 420.0, .resonance = 1.6};
    drone.level = -22.0;
    drone.reverbSend = 0.4f;
    return drone;
}

Instrument Patches::SubBass() {
    Instrument bass;
    bass.wave = Wave::Sine;
    bass.second = {.wave = Wave::Triangle, .level = 0.35f};
    bass.envelope = {.attack = 0.006, .decay = 0.4, .sustain = 0.8, .release = 0.08};
    bass.filter = {.cutoff = 900.0};
    bass.level = -17.0;
    bass.reverbSend = 0.02f;
    return bass;
}

Instrument Patches::SawBass() {
    Instrument bass;
    bass.wave = Wave::Saw;
    bass.unison = {.voices = 2, .cents = 6.0, .width = 0.3f};
    bass.subLevel = 0.5f;
    bass.envelope = {.attack = 0.003, .decay = 0.25, .sustain = 0.6, .release = 0.06};
    bass.filter = {.cutoff = 320.0, .resonance = 1.3};
    bass.sweep = {.octaves = 2.6, .decay = 0.14};
    bass.level = -17.0;
    bass.reverbSend = 0.03f;
    return bass;
}

Instrument Patches::AcidBass() {
    Instrument bass;
    bass.wave = Wave::Saw;
    bass.subLevel = 0.3f;
    bass.envelope = {.attack = 0.002, .decay = 0.2, .sustain = 0.5, .release = 0.05};
    bass.filter = {.cutoff = 260.0, .resonance = 5.0, .velocityOctaves = 1.2};
    bass.sweep = {.octaves = 3.6, .decay = 0.16};
    bass.drive = 1.2f;
    bass.level = -18.0;
    bass.reverbSend = 0.05f;
    return bass;
}

Instrument Patches::String() {
    Instrument string;
    string.pluck = Instrument::Pluck{.decay = 1.6, .brightness = 0.55};
    string.envelope = {.attack = 0.001, .decay = 2.0, .sustain = 1.0, .release = 0.35};
    string.filter = {.cutoff = 5000.0};
    string.level = -21.0;
    string.reverbSend = 0.3f;
    string.echoSend = 0.2f;
    return string;
}

Instrument Patches::SynthPluck() {
    Instrument pluck;
    pluck.wave = Wave::Saw;
    pluck.unison = {.voices = 2, .cents = 8.0, .width = 0.5f};
    pluck.envelope = {.attack = 0.002, .decay = 0.25, .sustain = 0.0, .release = 0.15};
    pluck.filter = {.cutoff = 500.0, .resonance = 1.4};
    pluck.sweep = {.octaves = 3.2, .decay = 0.12};
    pluck.level = -22.0;
    pluck.reverbSend = 0.25f;
    pluck.echoSend = 0.3f;
    return pluck;
}

Instrument Patches::Bell() {
    Instrument bell;
    bell.fm = {.ratio = 3.5, .index = 3.5, .decay = 0.6, .sustain = 0.15};
    bell.envelope = {.attack = 0.002, .decay = 1.6, .sustain = 0.0, .release = 0.9};
    bell.level = -21.0;
    bell.reverbSend = 0.45f;
    bell.echoSend = 0.25f;
    return bell;
}

Instrument Patches::Marimba() {
    Instrument mallet;
    mallet.fm = {.ratio = 4.0, .index = 2.2, .decay = 0.05, .sustain = 0.0};
    mallet.envelope = {.attack = 0.001, .decay = 0.55, .sustain = 0.0, .release = 0.3};
    mallet.level = -20.0;
    mallet.reverbSend = 0.3f;
    return mallet;
}

Instrument Patches::ElectricPiano() {
    Instrument piano;
    piano.second = {.wave = Wave::Sine, .semitones = 12.0, .level = 0.1f};
    piano.fm = {.ratio = 1.0, .index = 2.0, .decay = 0.5, .sustain = 0.1};
    piano.envelope = {.attack = 0.003, .decay = 2.2, .sustain = 0.0, .release = 0.6};
    piano.level = -18.0;
    piano.reverbSend = 0.45f;
    return piano;
}

Instrument Patches::SquareLead() {
    Instrument lead;
    lead.wave = Wave::Pulse;
    lead.pulseWidth = 0.35;
    lead.second = {.wave = Wave::Saw, .cents = 7.0, .level = 0.3f};
    lead.envelope = {.attack = 0.01, .decay = 0.3, .sustain = 0.7, .release = 0.18};
    lead.filter = {.cutoff = 2600.0, .resonance = 0.9};
    lead.sweep = {.octaves = 0.8, .decay = 0.2};
    lead.vibrato = {.rate = 5.5, .cents = 14.0, .delay = 0.25};
    lead.level = -17.0;
    lead.reverbSend = 0.3f;
    lead.echoSend = 0.3f;
    return lead;
}

Instrument Patches::Brass() {
    Instrument brass;
    brass.wave = Wave::Saw;
    brass.unison = {.voices = 3, .cents = 7.0, .width = 0.5f};
    brass.envelope = {.attack = 0.035, .decay = 0.5, .sustain = 0.85, .release = 0.25};
    brass.filter = {.cutoff = 650.0, .resonance = 0.9, .keyTrack = 0.5};
    brass.sweep = {.octaves = 2.0, .attack = 0.06, .decay = 0.5, .sustain = 0.45};
    brass.vibrato = {.rate = 5.0, .cents = 9.0, .delay = 0.35};
    brass.level = -17.0;
    brass.reverbSend = 0.4f;
    return brass;
}

Instrument Patches::Flute() {
    Instrument flute;
    flute.wave = Wave::Sine;
    flute.second = {.wave = Wave::Triangle, .semitones = 12.0, .level = 0.18f};
    flute.noiseLevel = 0.025f;
    flute.envelope = {.attack = 0.07, .decay = 0.4, .sustain = 0.8, .release = 0.25};
    flute.filter = {.cutoff = 4000.0};
    flute.vibrato = {.rate = 4.8, .cents = 16.0, .delay = 0.3};
    flute.level = -18.0;
    flute.reverbSend = 0.5f;
    flute.echoSend = 0.3f;
    return flute;
}

Instrument Patches::Staccato() {
    Instrument strings;
    strings.wave = Wave::Saw;
    strings.unison = {.voices = 3, .cents = 10.0, .width = 0.7f};
    strings.envelope = {.attack = 0.008, .decay = 0.16, .sustain = 0.2, .release = 0.1};
    strings.filter = {.cutoff = 1800.0, .resonance = 0.8};
    strings.level = -21.0;
    strings.reverbSend = 0.3f;
    return strings;
}

Instrument Patches::DirtyLead() {
    Instrument lead;
    lead.wave = Wave::Saw;
    lead.unison = {.voices = 2, .cents = 10.0, .width = 0.4f};
    lead.second = {.wave = Wave::Square, .semitones = -12.0, .level = 0.3f};
    lead.envelope = {.attack = 0.005, .decay = 0.3, .sustain = 0.75, .release = 0.12};
    lead.filter = {.cutoff = 2200.0, .resonance = 1.3};
    lead.sweep = {.octaves = 1.0, .decay = 0.15};
    lead.vibrato = {.rate = 6.0, .cents = 12.0, .delay = 0.2};
    lead.drive = 2.5f;
    lead.level = -17.0;
    lead.reverbSend = 0.25f;
    lead.echoSend = 0.2f;
    return lead;
}

Instrument Patches::Timpani() {
    Instrument drum;
    drum.wave = Wave::Sine;
    // The drum's bright partial, a fifth up.
    drum.second = {.wave = Wave::Sine, .semitones = 7.02, .level = 0.25f};
    drum.noiseLevel = 0.12f;
    drum.envelope = {.attack = 0.002, .decay = 1.4, .sustain = 0.0, .release = 0.9};
    drum.filter = {.cutoff = 700.0};
    drum.sweep = {.octaves = 1.5, .decay = 0.08};
    drum.level = -18.0;
    drum.reverbSend = 0.4f;
    return drum;
}

} // namespace vantor::tools::sounds
