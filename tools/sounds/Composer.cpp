#include "tools/sounds/Composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <utility>

#include "tools/Random.h"

namespace vantor::tools::sounds {

namespace {

std::string Clean(const std::string& pattern) {
    std::string out;
    for (char c : pattern) {
        if (c != ' ' && c != '|') {
            out += c;
        }
    }
    return out;
}

int Modulo(int value, int divisor) {
    const int remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

// The note of the same name in the octave that starts at lowMidi.
int IntoOctave(int midi, int lowMidi) {
    return lowMidi + Modulo(midi - lowMidi, 12);
}

} // namespace

Composer::Composer(Scale scale, int beatsPerBar, std::vector<Chord> progression,
                   double beatsPerChord)
    : scale(std::move(scale)), beatsPerBar(beatsPerBar), progression(std::move(progression)),
      beatsPerChord(beatsPerChord) {
    if (this->progression.empty()) {
        this->progression.push_back(Chord{});
    }
}

const Chord& Composer::ChordAt(double beat) const {
    const int index = static_cast<int>(std::floor(beat / beatsPerChord + 1e-9));
    return progression[static_cast<std::size_t>(
        Modulo(index, static_cast<int>(progression.size())))];
}

std::vector<int> Composer::ChordIntervals(const Chord& chord) const {
    std::vector<int> intervals;
    const int root = scale.Midi(chord.degree);
    switch (chord.quality) {
    case Chord::Quality::Diatonic:
        intervals = {0, scale.Midi(chord.degree + 2) - root, scale.Midi(chord.degree + 4) - root};
        break;
    case Chord::Quality::Major:
        intervals = {0, 4, 7};
        break;
    case Chord::Quality::Minor:
        intervals = {0, 3, 7};
        break;
    case Chord::Quality::Sus2:
        intervals = {0, 2, 7};
        break;
    case Chord::Quality::Sus4:
        intervals = {0, 5, 7};
        break;
    }
    if (chord.seventh) {
        intervals.push_back(scale.Midi(chord.degree + 6) - root);
    }
    return intervals;
}

std::vector<int> Composer::Voicing(const Chord& chord, double center) const {
    const int root = scale.Midi(chord.degree);
    std::vector<int> notes;
    for (int interval : ChordIntervals(chord)) {
        int note = root + interval;
        while (note < center - 6.0) {
            note += 12;
        }
        while (note >= center + 6.0) {
            note -= 12;
        }
        notes.push_back(note);
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

std::vector<Composer::Step> Composer::Expand(const std::string& pattern, int fromBar,
                                             int toBar) const {
    const std::string steps = Clean(pattern);
    std::vector<Step> events;
    if (steps.empty() || toBar <= fromBar) {
        return events;
    }
    const int first = fromBar * beatsPerBar * StepsPerBeat;
    const int count = (toBar - fromBar) * beatsPerBar * StepsPerBeat;
    for (int i = 0; i < count; ++i) {
        const char symbol = steps[static_cast<std::size_t>(i) % steps.size()];
        if (symbol == '-') {
            if (!events.empty() && events.back().index + events.back().length == first + i) {
                ++events.back().length;
            }
        } else if (symbol != '.') {
            events.push_back(Step{symbol, first + i, 1});
        }
    }
    return events;
}

std::vector<Note> Composer::Chords(const std::string& pattern, int fromBar, int toBar,
                                   double center, float velocity) const {
    std::vector<Note> notes;
    for (const Step& step : Expand(pattern, fromBar, toBar)) {
        const double beat = StepBeat(step.index);
        const float strength = step.symbol == 'o' ? 0.6f : 1.0f;
        for (int midi : Voicing(ChordAt(beat), center)) {
            notes.push_back(StepNote(step, midi, velocity * strength));
        }
    }
    return notes;
}

std::vector<Note> Composer::HeldChords(int fromBar, int toBar, double center,
                                       float velocity) const {
    const int barSteps = beatsPerBar * StepsPerBeat;
    const std::string held = "x" + std::string(static_cast<std::size_t>(barSteps - 1), '-');
    const std::string lettingGo =
        "x" + std::string(static_cast<std::size_t>(barSteps - 1 - StepsPerBeat), '-') +
        std::string(static_cast<std::size_t>(StepsPerBeat), '.');
    return JoinNotes(Chords(held, fromBar, toBar - 1, center, velocity),
                     Chords(lettingGo, toBar - 1, toBar, center, velocity));
}

std::vector<Note> Composer::Bass(const std::string& pattern, int fromBar, int toBar, int lowMidi,
                                 float velocity) const {
    std::vector<Note> notes;
    for (const Step& step : Expand(pattern, fromBar, toBar)) {
        const double beat = StepBeat(step.index);
        const Chord& chord = ChordAt(beat);
        const int root = IntoOctave(scale.Midi(chord.degree), lowMidi);
        const std::vector<int> intervals = ChordIntervals(chord);
        int midi = root;
        float strength = 1.0f;
        switch (step.symbol) {
        case 'r':
            strength = 0.6f;
            break;
        case 'O':
            midi = root + 12;
            break;
        case '3':
            midi = root + intervals[1];
            break;
        case '5':
            midi = root + intervals[2];
            break;
        case '7':
            midi = root + (intervals.size() > 3 ? intervals[3] : 10);
            break;
        case 'L':
            midi = root + intervals[2] - 12;
            break;
        case 'a': {
            const double nextBar = std::floor(beat / beatsPerBar + 1.0) * beatsPerBar;
            const int target = IntoOctave(scale.Midi(ChordAt(nextBar).degree), lowMidi);
            midi = scale.Midi(scale.NearestDegree(target) - 1);
            if (midi == target) {
                midi = target - 1;
            }
            strength = 0.8f;
            break;
        }
        default:
            break;
        }
        notes.push_back(StepNote(step, midi, velocity * strength));
    }
    return notes;
}

std::vector<Note> Composer::Arpeggio(const std::string& pattern, int fromBar, int toBar,
                                     int lowMidi, float velocity) const {
    std::vector<Note> notes;
    for (const Step& step : Expand(pattern, fromBar, toBar)) {
        if (step.symbol < '0' || step.symbol > '9') {
            continue;
        }
        const double beat = StepBeat(step.index);
        const Chord& chord = ChordAt(beat);
        std::vector<int> classes;
        for (int interval : ChordIntervals(chord)) {
            classes.push_back(Modulo(scale.Midi(chord.degree) + interval, 12));
        }
        // Walk upward from lowMidi collecting chord notes until the n-th one.
        const int wanted = step.symbol - '0';
        int found = -1;
        int midi = lowMidi;
        while (true) {
            if (std::find(classes.begin(), classes.end(), Modulo(midi, 12)) != classes.end()) {
                if (++found == wanted) {
                    break;
                }
            }
            ++midi;
        }
        const float accent = step.index % StepsPerBeat == 0 ? 1.0f : 0.8f;
        notes.push_back(StepNote(step, midi, velocity * accent));
    }
    return notes;
}

std::vector<Note> Composer::Melody(const MelodyStyle& style, int fromBar, int toBar,
                                   std::uint64_t seed) const {
    tools::Random random(seed);
    const int size = scale.Size();
    const int phraseSteps = style.phraseBars * beatsPerBar * StepsPerBeat;
    const int barSteps = beatsPerBar * StepsPerBeat;
    const int halfBar = beatsPerBar % 2 == 0 ? barSteps / 2 : barSteps;

    // A phrase is remembered as onsets with their degree counted from the chord's root,
    // so that it can come back over other chords.
    struct Remembered {
        int offset;
        int length;
        int fromChordRoot;
    };
    std::map<char, std::vector<Remembered>> phrases;

    auto isChordTone = [&](int degree, const Chord& chord) {
        const int relative = Modulo(degree - chord.degree, size);
        return relative == 0 || relative == 2 || relative == 4;
    };
    auto fitRange = [&](int degree) {
        while (degree > style.highDegree) {
            degree -= size;
        }
        while (degree < style.lowDegree) {
            degree += size;
        }
        return degree;
    };

    std::vector<Note> notes;
    int previous = (style.lowDegree + style.highDegree) / 2;
    int direction = 1;
    const int phraseCount = std::max(1, (toBar - fromBar) / std::max(1, style.phraseBars));
    for (int phrase = 0; phrase < phraseCount; ++phrase) {
        const char letter = style.form.empty()
                                ? 'A'
                                : style.form[static_cast<std::size_t>(phrase) % style.form.size()];
        const int phraseStart = (fromBar + phrase * style.phraseBars) * barSteps;
        const bool lastPhrase = phrase == phraseCount - 1;

        if (phrases.count(letter) == 0) {
            // Lay out the rhythm: random cells, and a held note to close the phrase.
            std::string rhythm;
            const int beats = style.phraseBars * beatsPerBar;
            for (int beat = 0; beat < beats; ++beat) {
                if (beat >= beats - 2) {
                    rhythm += beat == beats - 2 ? "x---" : (random.Chance(0.5) ? "----" : "....");
                } else if (beat > 0 && random.Chance(style.restChance)) {
                    rhythm += "....";
                } else {
                    rhythm += style.cells[static_cast<std::size_t>(
                        random.Below(static_cast<int>(style.cells.size())))];
                }
            }
            if (rhythm[0] != 'x') {
                rhythm[0] = 'x';
            }
            std::vector<Remembered> shape;
            for (int i = 0; i < phraseSteps; ++i) {
                const char symbol = rhythm[static_cast<std::size_t>(i)];
                if (symbol == 'x') {
                    shape.push_back(Remembered{i, 1, 0});
                } else if (symbol == '-' && !shape.empty() &&
                           shape.back().offset + shape.back().length == i) {
                    ++shape.back().length;
                }
            }
            // Choose pitches: chord notes on the strong beats, steps and leaps between.
            for (std::size_t n = 0; n < shape.size(); ++n) {
                Remembered& note = shape[n];
                const Chord& chord = ChordAt(StepBeat(phraseStart + note.offset));
                int degree = previous;
                const bool strong = note.offset % halfBar == 0;
                const bool closing = n + 1 == shape.size();
                if (strong || closing || n == 0) {
                    // Nearest chord note, sometimes the second nearest.
                    std::vector<int> candidates;
                    for (int d = style.lowDegree; d <= style.highDegree; ++d) {
                        if (isChordTone(d, chord)) {
                            candidates.push_back(d);
                        }
                    }
                    std::sort(candidates.begin(), candidates.end(), [&](int a, int b) {
                        return std::abs(a - previous) < std::abs(b - previous);
                    });
                    std::size_t pick = 0;
                    if (!closing && candidates.size() > 1 && random.Chance(0.3)) {
                        pick = 1;
                    }
                    if (closing && lastPhrase) {
                        // End the piece's last phrase on the chord's root when it is near.
                        for (int candidate : candidates) {
                            if (Modulo(candidate - chord.degree, size) == 0 &&
                                std::abs(candidate - previous) <= 4) {
                                degree = candidate;
                                break;
                            }
                            degree = candidates.front();
                        }
                    } else if (!candidates.empty()) {
                        degree = candidates[pick];
                    }
                } else {
                    if (random.Chance(0.25)) {
                        direction = -direction;
                    }
                    const int stride = random.Chance(style.leapChance) ? 2 + random.Below(2) : 1;
                    degree = previous + direction * stride;
                    if (degree > style.highDegree || degree < style.lowDegree) {
                        direction = -direction;
                        degree = previous + direction * stride;
                    }
                }
                degree = std::clamp(degree, style.lowDegree, style.highDegree);
                if (degree != previous) {
                    direction = degree > previous ? 1 : -1;
                }
                note.fromChordRoot = degree - chord.degree;
                previous = degree;
            }
            phrases[letter] = shape;
        }

        for (const Remembered& note : phrases[letter]) {
            const double beat = StepBeat(phraseStart + note.offset);
            const Chord& chord = ChordAt(beat);
            const int degree = fitRange(chord.degree + note.fromChordRoot);
            previous = degree;
            const bool strong = note.offset % halfBar == 0;
            notes.push_back(Note{beat, StepBeat(note.length) * style.gate,
                                 static_cast<double>(scale.Midi(degree) + 12 * style.octaveShift),
                                 style.velocity * (strong ? 1.0f : 0.85f)});
        }
    }
    return notes;
}

std::vector<Note> Composer::Written(const std::string& notation, int fromBar, int octaveShift,
                                    double gate, float velocity) const {
    std::vector<Note> notes;
    std::istringstream tokens(notation);
    std::string token;
    double beat = static_cast<double>(fromBar * beatsPerBar);
    while (tokens >> token) {
        const std::size_t colon = token.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string pitch = token.substr(0, colon);
        const double length = std::atof(token.c_str() + colon + 1);
        if (pitch != "r") {
            int alteration = 0;
            if (!pitch.empty() && (pitch.back() == '#' || pitch.back() == 'b')) {
                alteration = pitch.back() == '#' ? 1 : -1;
                pitch.pop_back();
            }
            const int degree = std::atoi(pitch.c_str());
            notes.push_back(Note{
                beat, length * gate,
                static_cast<double>(scale.Midi(degree) + alteration + 12 * octaveShift), velocity});
        }
        beat += length;
    }
    return notes;
}

std::vector<DrumHit> Composer::Drums(Drum drum, const std::string& pattern, int fromBar,
                                     int toBar) const {
    std::vector<DrumHit> hits;
    for (const Step& step : Expand(pattern, fromBar, toBar)) {
        float velocity = 0.85f;
        if (step.symbol == 'X') {
            velocity = 1.0f;
        } else if (step.symbol == 'o') {
            velocity = 0.45f;
        }
        hits.push_back(DrumHit{drum, StepBeat(step.index), velocity});
    }
    return hits;
}

std::vector<DrumHit> Composer::Drums(const std::vector<DrumLine>& part) const {
    std::vector<DrumHit> hits;
    for (const DrumLine& line : part) {
        const std::vector<DrumHit> strokes =
            Drums(line.drum, line.pattern, line.fromBar, line.toBar);
        hits.insert(hits.end(), strokes.begin(), strokes.end());
    }
    return hits;
}

} // namespace vantor::tools::sounds
