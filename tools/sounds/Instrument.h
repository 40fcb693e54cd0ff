#pragma once

#include <cstddef>
#include <optional>

#include "tools/Random.h"
#include "tools/sounds/Oscillator.h"
#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// A synthesizer patch: oscillators (or a plucked string, or a two-operator FM pair), a
// resonant lowpass with its own envelope, an amplitude envelope, vibrato and drive. Every
// note is rendered on its own, so any number may overlap. An Instrument is a plain value
// that the pieces copy from a patch and change; Play only reads it and draws noise from the
// Random it is given, which its caller owns and uses from one thread.
class Instrument {
public:
    // Several detuned copies of the main oscillator, spread across the stereo field; the
    // outermost copies are cents apart from the pitch, either way.
    struct Unison {
        int voices = 1;
        double cents = 0.0;
        float width = 0.6f;
    };
    // A second oscillator, offset in semitones and cents from the main one.
    struct Layer {
        Wave wave = Wave::Sine;
        double semitones = 0.0;
        double cents = 0.0;
        float level = 0.0f;
    };
    // FM: when index > 0 the main oscillator is a sine phase-modulated by a sine at ratio
    // times the pitch. The index falls from index to index * sustain, by 1/e every decay
    // seconds.
    struct Fm {
        double ratio = 1.0;
        double index = 0.0;
        double decay = 0.4;
        double sustain = 0.2;
    };
    // A plucked string (Karplus-Strong), played instead of the oscillators.
    struct Pluck {
        double decay = 1.5;      // seconds to fall by 60 dB
        double brightness = 0.5; // 0 dull to 1 bright
    };
    // An envelope's times in seconds and its sustain as a level.
    struct Adsr {
        double attack = 0.005;
        double decay = 0.3;
        double sustain = 0.7;
        double release = 0.2;
    };
    // A lowpass filter: cutoff in Hz, resonance as its Q (0.707 is flat).
    struct Lowpass {
        double cutoff = 20000.0;
        double resonance = 0.707;
        double keyTrack = 0.0;        // 1 makes the cutoff follow the pitch fully
        double velocityOctaves = 0.0; // octaves at full velocity against none
    };
    // The filter's own envelope, which opens it by octaves above the cutoff at its top. It
    // closes with the note's release.
    struct Sweep {
        double octaves = 0.0;
        double attack = 0.005;
        double decay = 0.3;
        double sustain = 0.0;
    };
    // A wobble of the pitch by cents either way, fading in over 0.4 s after its delay.
    struct Vibrato {
        double rate = 5.0; // Hz
        double cents = 0.0;
        double delay = 0.3; // seconds before it starts to fade in
    };

    // The main oscillator (pulseWidth is for Wave::Pulse), and a second one beside it.
    Wave wave = Wave::Saw;
    double pulseWidth = 0.25;
    Unison unison;
    Layer second;
    // A sine one octave down, and white noise.
    float subLevel = 0.0f;
    float noiseLevel = 0.0f;
    Fm fm;
    // When set, a plucked string sounds instead of the oscillators.
    std::optional<Pluck> pluck;

    Adsr envelope; // the loudness of the note
    Lowpass filter;
    Sweep sweep;
    Vibrato vibrato;
    float drive = 0.0f; // 0 clean; higher saturates

    // How loud the part is while it sounds: its RMS in dBFS before mastering, gaps left
    // out. The mixer scales the whole part to this, so parts balance whatever their raw
    // output.
    double level = -20.0;
    float pan = 0.0f; // -1 left to 1 right
    float reverbSend = 0.2f;
    float echoSend = 0.0f;

    // Adds one note to out at unit gain and returns the frame after the last one it
    // touched; a note that starts outside out adds nothing and gives 0.
    std::size_t Play(double startSeconds, double gateSeconds, double midi, float velocity,
                     StereoBuffer& out, tools::Random& random) const;
};

} // namespace vantor::tools::sounds
