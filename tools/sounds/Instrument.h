#pragma once

#include <cstddef>

#include "tools/Random.h"
#include "tools/sounds/Oscillator.h"
#include "tools/sounds/StereoBuffer.h"

// A synthesizer patch: oscillators (or a plucked string, or a two-operator FM pair), a
// resonant lowpass with its own envelope, an amplitude envelope, vibrato and drive. Every
// note is rendered on its own, so any number may overlap.
class Instrument {
public:
    // Main oscillator, optionally several detuned copies spread across the stereo field.
    Wave wave = Wave::Saw;
    double pulseWidth = 0.25;
    int unison = 1;
    double unisonCents = 0.0;
    float unisonWidth = 0.6f;
    // Second oscillator, offset in semitones and cents from the main one.
    Wave wave2 = Wave::Sine;
    double wave2Semitones = 0.0;
    double wave2Cents = 0.0;
    float wave2Level = 0.0f;
    // A sine one octave down, and white noise.
    float subLevel = 0.0f;
    float noiseLevel = 0.0f;

    // FM: when fmIndex > 0 the main oscillator is a sine phase-modulated by a sine at
    // fmRatio times the pitch. The index falls from fmIndex to fmIndex * fmSustain.
    double fmRatio = 1.0;
    double fmIndex = 0.0;
    double fmDecay = 0.4;
    double fmSustain = 0.2;

    // Plucked string (Karplus-Strong) instead of the oscillators.
    bool pluck = false;
    double pluckDecay = 1.5;      // seconds to fall by 60 dB
    double pluckBrightness = 0.5; // 0 dull to 1 bright

    // Amplitude envelope in seconds (sustain as a level).
    double attack = 0.005;
    double decay = 0.3;
    double sustain = 0.7;
    double release = 0.2;

    // Lowpass filter; cutoff in Hz, filterEnvelope in octaves above it at the envelope's top.
    double cutoff = 20000.0;
    double resonance = 0.707;
    double filterEnvelope = 0.0;
    double filterAttack = 0.005;
    double filterDecay = 0.3;
    double filterSustain = 0.0;
    double keyTrack = 0.0;         // 1 makes the cutoff follow the pitch fully
    double velocityToCutoff = 0.0; // octaves at full velocity against none

    double vibratoRate = 5.0;
    double vibratoCents = 0.0;
    double vibratoDelay = 0.3;

    float drive = 0.0f; // 0 clean; higher saturates

    // How loud the part is while it sounds: its RMS in dBFS before mastering, gaps left
    // out. The mixer scales the whole part to this, so parts balance whatever their raw
    // output.
    double level = -20.0;
    float pan = 0.0f; // -1 left to 1 right
    float reverbSend = 0.2f;
    float echoSend = 0.0f;

    // Adds one note to out at unit gain and returns the frame after the last one it
    // touched.
    std::size_t Play(double startSeconds, double gateSeconds, double midi, float velocity,
                     StereoBuffer& out, Random& random) const;
};
