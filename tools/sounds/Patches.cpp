#include "tools/sounds/Patches.h"

Instrument Patches::WarmPad() {
    Instrument pad;
    pad.wave = Wave::Saw;
    pad.unison = 5;
    pad.unisonCents = 14.0;
    pad.unisonWidth = 0.8f;
    pad.attack = 0.6;
    pad.decay = 1.0;
    pad.sustain = 0.8;
    pad.release = 1.1;
    pad.cutoff = 1300.0;
    pad.resonance = 0.8;
    pad.level = -21.0;
    pad.reverbSend = 0.5f;
    return pad;
}

Instrument Patches::GlassPad() {
    Instrument pad;
    pad.wave = Wave::Triangle;
    pad.unison = 3;
    pad.unisonCents = 9.0;
    pad.unisonWidth = 0.9f;
    pad.wave2 = Wave::Saw;
    pad.wave2Semitones = 12.0;
    pad.wave2Cents = 4.0;
    pad.wave2Level = 0.12f;
    pad.attack = 0.9;
    pad.decay = 1.5;
    pad.sustain = 0.75;
    pad.release = 1.4;
    pad.cutoff = 2600.0;
    pad.level = -21.0;
    pad.reverbSend = 0.6f;
    return pad;
}

Instrument Patches::Drone() {
    Instrument drone;
    drone.wave = Wave::Saw;
    drone.unison = 4;
    drone.unisonCents = 7.0;
    drone.unisonWidth = 0.7f;
    drone.attack = 1.2;
    drone.decay = 2.0;
    drone.sustain = 0.85;
    drone.release = 1.5;
    drone.cutoff = 420.0;
    drone.resonance = 1.6;
    drone.level = -22.0;
    drone.reverbSend = 0.4f;
    return drone;
}

Instrument Patches::SubBass() {
    Instrument bass;
    bass.wave = Wave::Sine;
    bass.wave2 = Wave::Triangle;
    bass.wave2Level = 0.35f;
    bass.attack = 0.006;
    bass.decay = 0.4;
    bass.sustain = 0.8;
    bass.release = 0.08;
    bass.cutoff = 900.0;
    bass.level = -17.0;
    bass.reverbSend = 0.02f;
    return bass;
}

Instrument Patches::SawBass() {
    Instrument bass;
    bass.wave = Wave::Saw;
    bass.unison = 2;
    bass.unisonCents = 6.0;
    bass.unisonWidth = 0.3f;
    bass.subLevel = 0.5f;
    bass.attack = 0.003;
    bass.decay = 0.25;
    bass.sustain = 0.6;
    bass.release = 0.06;
    bass.cutoff = 320.0;
    bass.resonance = 1.3;
    bass.filterEnvelope = 2.6;
    bass.filterDecay = 0.14;
    bass.level = -17.0;
    bass.reverbSend = 0.03f;
    return bass;
}

Instrument Patches::AcidBass() {
    Instrument bass;
    bass.wave = Wave::Saw;
    bass.subLevel = 0.3f;
    bass.attack = 0.002;
    bass.decay = 0.2;
    bass.sustain = 0.5;
    bass.release = 0.05;
    bass.cutoff = 260.0;
    bass.resonance = 5.0;
    bass.filterEnvelope = 3.6;
    bass.filterDecay = 0.16;
    bass.velocityToCutoff = 1.2;
    bass.drive = 1.2f;
    bass.level = -18.0;
    bass.reverbSend = 0.05f;
    return bass;
}

Instrument Patches::String() {
    Instrument string;
    string.pluck = true;
    string.pluckDecay = 1.6;
    string.pluckBrightness = 0.55;
    string.attack = 0.001;
    string.decay = 2.0;
    string.sustain = 1.0;
    string.release = 0.35;
    string.cutoff = 5000.0;
    string.level = -21.0;
    string.reverbSend = 0.3f;
    string.echoSend = 0.2f;
    return string;
}

Instrument Patches::SynthPluck() {
    Instrument pluck;
    pluck.wave = Wave::Saw;
    pluck.unison = 2;
    pluck.unisonCents = 8.0;
    pluck.unisonWidth = 0.5f;
    pluck.attack = 0.002;
    pluck.decay = 0.25;
    pluck.sustain = 0.0;
    pluck.release = 0.15;
    pluck.cutoff = 500.0;
    pluck.resonance = 1.4;
    pluck.filterEnvelope = 3.2;
    pluck.filterDecay = 0.12;
    pluck.level = -22.0;
    pluck.reverbSend = 0.25f;
    pluck.echoSend = 0.3f;
    return pluck;
}

Instrument Patches::Bell() {
    Instrument bell;
    bell.fmRatio = 3.5;
    bell.fmIndex = 3.5;
    bell.fmDecay = 0.6;
    bell.fmSustain = 0.15;
    bell.attack = 0.002;
    bell.decay = 1.6;
    bell.sustain = 0.0;
    bell.release = 0.9;
    bell.level = -21.0;
    bell.reverbSend = 0.45f;
    bell.echoSend = 0.25f;
    return bell;
}

Instrument Patches::Marimba() {
    Instrument mallet;
    mallet.fmRatio = 4.0;
    mallet.fmIndex = 2.2;
    mallet.fmDecay = 0.05;
    mallet.fmSustain = 0.0;
    mallet.attack = 0.001;
    mallet.decay = 0.55;
    mallet.sustain = 0.0;
    mallet.release = 0.3;
    mallet.level = -20.0;
    mallet.reverbSend = 0.3f;
    return mallet;
}

Instrument Patches::ElectricPiano() {
    Instrument piano;
    piano.fmRatio = 1.0;
    piano.fmIndex = 2.0;
    piano.fmDecay = 0.5;
    piano.fmSustain = 0.1;
    piano.wave2 = Wave::Sine;
    piano.wave2Semitones = 12.0;
    piano.wave2Level = 0.1f;
    piano.attack = 0.003;
    piano.decay = 2.2;
    piano.sustain = 0.0;
    piano.release = 0.6;
    piano.level = -18.0;
    piano.reverbSend = 0.45f;
    return piano;
}

Instrument Patches::SquareLead() {
    Instrument lead;
    lead.wave = Wave::Pulse;
    lead.pulseWidth = 0.35;
    lead.wave2 = Wave::Saw;
    lead.wave2Cents = 7.0;
    lead.wave2Level = 0.3f;
    lead.attack = 0.01;
    lead.decay = 0.3;
    lead.sustain = 0.7;
    lead.release = 0.18;
    lead.cutoff = 2600.0;
    lead.resonance = 0.9;
    lead.filterEnvelope = 0.8;
    lead.filterDecay = 0.2;
    lead.vibratoRate = 5.5;
    lead.vibratoCents = 14.0;
    lead.vibratoDelay = 0.25;
    lead.level = -17.0;
    lead.reverbSend = 0.3f;
    lead.echoSend = 0.3f;
    return lead;
}

Instrument Patches::Brass() {
    Instrument brass;
    brass.wave = Wave::Saw;
    brass.unison = 3;
    brass.unisonCents = 7.0;
    brass.unisonWidth = 0.5f;
    brass.attack = 0.035;
    brass.decay = 0.5;
    brass.sustain = 0.85;
    brass.release = 0.25;
    brass.cutoff = 650.0;
    brass.resonance = 0.9;
    brass.filterEnvelope = 2.0;
    brass.filterAttack = 0.06;
    brass.filterDecay = 0.5;
    brass.filterSustain = 0.45;
    brass.keyTrack = 0.5;
    brass.vibratoRate = 5.0;
    brass.vibratoCents = 9.0;
    brass.vibratoDelay = 0.35;
    brass.level = -17.0;
    brass.reverbSend = 0.4f;
    return brass;
}

Instrument Patches::Flute() {
    Instrument flute;
    flute.wave = Wave::Sine;
    flute.wave2 = Wave::Triangle;
    flute.wave2Semitones = 12.0;
    flute.wave2Level = 0.18f;
    flute.noiseLevel = 0.025f;
    flute.attack = 0.07;
    flute.decay = 0.4;
    flute.sustain = 0.8;
    flute.release = 0.25;
    flute.cutoff = 4000.0;
    flute.vibratoRate = 4.8;
    flute.vibratoCents = 16.0;
    flute.vibratoDelay = 0.3;
    flute.level = -18.0;
    flute.reverbSend = 0.5f;
    flute.echoSend = 0.3f;
    return flute;
}

Instrument Patches::Staccato() {
    Instrument strings;
    strings.wave = Wave::Saw;
    strings.unison = 3;
    strings.unisonCents = 10.0;
    strings.unisonWidth = 0.7f;
    strings.attack = 0.008;
    strings.decay = 0.16;
    strings.sustain = 0.2;
    strings.release = 0.1;
    strings.cutoff = 1800.0;
    strings.resonance = 0.8;
    strings.level = -21.0;
    strings.reverbSend = 0.3f;
    return strings;
}

Instrument Patches::DirtyLead() {
    Instrument lead;
    lead.wave = Wave::Saw;
    lead.unison = 2;
    lead.unisonCents = 10.0;
    lead.unisonWidth = 0.4f;
    lead.wave2 = Wave::Square;
    lead.wave2Semitones = -12.0;
    lead.wave2Level = 0.3f;
    lead.drive = 2.5f;
    lead.attack = 0.005;
    lead.decay = 0.3;
    lead.sustain = 0.75;
    lead.release = 0.12;
    lead.cutoff = 2200.0;
    lead.resonance = 1.3;
    lead.filterEnvelope = 1.0;
    lead.filterDecay = 0.15;
    lead.vibratoRate = 6.0;
    lead.vibratoCents = 12.0;
    lead.vibratoDelay = 0.2;
    lead.level = -17.0;
    lead.reverbSend = 0.25f;
    lead.echoSend = 0.2f;
    return lead;
}

Instrument Patches::Timpani() {
    Instrument drum;
    drum.wave = Wave::Sine;
    drum.wave2 = Wave::Sine;
    drum.wave2Semitones = 7.02; // the drum's bright partial, a fifth up
    drum.wave2Level = 0.25f;
    drum.noiseLevel = 0.12f;
    drum.attack = 0.002;
    drum.decay = 1.4;
    drum.sustain = 0.0;
    drum.release = 0.9;
    drum.cutoff = 700.0;
    drum.filterEnvelope = 1.5;
    drum.filterDecay = 0.08;
    drum.level = -18.0;
    drum.reverbSend = 0.4f;
    return drum;
}
