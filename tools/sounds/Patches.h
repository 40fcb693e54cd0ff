#pragma once

#include "tools/sounds/Instrument.h"

namespace vantor::tools::sounds {

// The instrument presets the pieces are orchestrated from. Each piece copies and adjusts
// the ones it uses.
class Patches {
public:
    static Instrument WarmPad();    // detuned saws behind a soft lowpass
    static Instrument GlassPad();   // triangles with a saw shimmer an octave up
    static Instrument Drone();      // a dark, slow swell
    static Instrument SubBass();    // round sine bass
    static Instrument SawBass();    // plucky filtered saw with a sub
    static Instrument AcidBass();   // squelchy resonant saw
    static Instrument String();     // plucked string
    static Instrument SynthPluck(); // short filtered saw stab
    static Instrument Bell();       // two-operator FM bell
    static Instrument Marimba();    // woody FM mallet
    static Instrument ElectricPiano();
    static Instrument SquareLead();
    static Instrument Brass();
    static Instrument Flute();
    static Instrument Staccato();  // short string section
    static Instrument DirtyLead(); // driven saw lead
    static Instrument Timpani();
};

} // namespace vantor::tools::sounds
