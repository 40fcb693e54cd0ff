#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sounds/Chord.h"
#include "tools/sounds/DrumHit.h"
#include "tools/sounds/MelodyStyle.h"
#include "tools/sounds/Note.h"
#include "tools/sounds/Scale.h"

namespace vantor::tools::sounds {

// Turns a key, a chord progression and short pattern strings into notes. Patterns are
// written in sixteenths (four steps to the beat) and repeat to fill the bars asked for;
// spaces and bars (|) in them are only for reading. In every pattern '-' holds the note
// before and '.' is silence. A Composer is a plain value owning its key and progression;
// its methods only read it, so it may be shared between threads. Nothing here fails: a
// symbol a pattern does not know plays as its plain note (an arpeggio skips it), and a
// written token without a colon is skipped.
class Composer {
public:
    // The progression repeats for the whole piece, one chord every beatsPerChord beats.
    Composer(Scale scale, int beatsPerBar, std::vector<Chord> progression, double beatsPerChord);

    const Scale& Key() const { return scale; }
    const Chord& ChordAt(double beat) const;

    // The chord's notes in close position, each within half an octave of center.
    std::vector<int> Voicing(const Chord& chord, double center) const;

    // Held or struck chords: 'x' plays the chord, 'o' plays it softly.
    std::vector<Note> Chords(const std::string& pattern, int fromBar, int toBar, double center,
                             float velocity) const;

    // Chords held through each bar from fromBar to toBar, the one in the last bar let go a
    // beat early, so that a looping piece thins out before it runs back into its start.
    std::vector<Note> HeldChords(int fromBar, int toBar, double center, float velocity) const;

    // A bass line in the octave starting at lowMidi: 'R' root ('r' softly), 'O' the root an
    // octave up, '3' '5' '7' the chord's third, fifth and seventh, 'L' the fifth below, and
    // 'a' the scale step below the next bar's root, leading into it.
    std::vector<Note> Bass(const std::string& pattern, int fromBar, int toBar, int lowMidi,
                           float velocity) const;

    // Arpeggios: digit n plays the n-th chord note counted upward from lowMidi.
    std::vector<Note> Arpeggio(const std::string& pattern, int fromBar, int toBar, int lowMidi,
                               float velocity) const;

    // A melody over the chords, made up from the style and seed.
    std::vector<Note> Melody(const MelodyStyle& style, int fromBar, int toBar,
                             std::uint64_t seed) const;

    // A written melody starting at fromBar: tokens "degree:beats" with an optional # or b
    // after the degree, "r:beats" for a rest, each note held for gate of its length.
    std::vector<Note> Written(const std::string& notation, int fromBar, int octaveShift,
                              double gate, float velocity) const;

    // Drum strokes: 'x' normal, 'X' accented, 'o' ghosted.
    std::vector<DrumHit> Drums(Drum drum, const std::string& pattern, int fromBar, int toBar) const;

    // One line of a drum part: a drum's pattern from fromBar up to toBar.
    struct DrumLine {
        Drum drum;
        std::string pattern;
        int fromBar;
        int toBar;
    };
    // The strokes of a whole drum part, line after line.
    std::vector<DrumHit> Drums(const std::vector<DrumLine>& part) const;

    static constexpr int StepsPerBeat = 4;

private:
    struct Step {
        char symbol;
        int index;  // step number from the start of the first bar
        int length; // in steps, including held steps after it
    };
    // The events of a pattern laid over the bars, each with its held length.
    std::vector<Step> Expand(const std::string& pattern, int fromBar, int toBar) const;
    std::vector<int> ChordIntervals(const Chord& chord) const;
    double StepBeat(int step) const { return static_cast<double>(step) / StepsPerBeat; }
    // The note a step plays, held for the step's length.
    Note StepNote(const Step& step, int midi, float velocity) const {
        return Note{StepBeat(step.index), StepBeat(step.length), static_cast<double>(midi),
                    velocity};
    }

    Scale scale;
    int beatsPerBar;
    std::vector<Chord> progression;
    double beatsPerChord;
};

} // namespace vantor::tools::sounds
