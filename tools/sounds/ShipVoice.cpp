#include "tools/sounds/ShipVoice.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <numeric>
#include <vector>

#include "tools/sounds/AudioFormat.h"
#include "tools/sounds/Compressor.h"
#include "tools/sounds/Filter.h"
#include "tools/sounds/Reverb.h"
#include "tools/sounds/SineTable.h"

namespace vantor::tools::sounds {

namespace {

int Collect(short* samples, int count, espeak_EVENT* events) {
    if (samples == nullptr || events == nullptr) {
        return 0;
    }
    auto* speech = static_cast<std::vector<short>*>(events->user_data);
    speech->insert(speech->end(), samples, samples + count);
    return 0;
}

// Resamples through a windowed-sinc kernel. The two rates are in a small whole ratio
// (22050 to 44100), so the output only ever falls on a few distinct fractional positions
// and the kernel is worked out once for each of them.
std::vector<float> Resample(const std::vector<float>& input, int fromRate, int toRate) {
    if (fromRate == toRate) {
        return input;
    }
    constexpr int Half = 16;
    const int phases = toRate / std::gcd(fromRate, toRate);
    const double ratio = static_cast<double>(fromRate) / toRate;
    const double cutoff = std::min(1.0, 1.0 / ratio) * 0.95;
    std::vector<std::vector<double>> kernels(static_cast<std::size_t>(phases));
    for (int phase = 0; phase < phases; ++phase) {
        const double fraction = std::fmod(phase * ratio, 1.0);
        for (int tap = -Half + 1; tap <= Half; ++tap) {
            const double x = fraction - tap;
            const double sinc = x == 0.0 ? 1.0
                                         : std::sin(std::numbers::pi * x * cutoff) /
                                               (std::numbers::pi * x * cutoff);
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * x / Half);
            kernels[static_cast<std::size_t>(phase)].push_back(sinc * window * cutoff);
        }
    }
    const std::size_t outCount = static_cast<std::size_t>(input.size() / ratio);
    std::vector<float> output(outCount, 0.0f);
    for (std::size_t i = 0; i < outCount; ++i) {
        const long centre = static_cast<long>(static_cast<double>(i) * ratio);
        const std::vector<double>& kernel = kernels[i % static_cast<std::size_t>(phases)];
        double sum = 0.0;
        for (int tap = -Half + 1; tap <= Half; ++tap) {
            const long k = centre + tap;
            if (k >= 0 && k < static_cast<long>(input.size())) {
                sum += input[static_cast<std::size_t>(k)] *
                       kernel[static_cast<std::size_t>(tap + Half - 1)];
            }
        }
        output[i] = static_cast<float>(sum);
    }
    return output;
}

// The clause without the silence around it, faded in and out over a few milliseconds.
std::vector<float> TrimSilence(const std::vector<short>& speech) {
    constexpr short Quiet = 16;
    std::size_t first = 0;
    std::size_t last = speech.size();
    while (first < last && std::abs(speech[first]) <= Quiet) {
        ++first;
    }
    while (last > first && std::abs(speech[last - 1]) <= Quiet) {
        --last;
    }
    std::vector<float> words;
    for (std::size_t i = first; i < last; ++i) {
        words.push_back(speech[i] / 32768.0f);
    }
    const std::size_t fade = std::min<std::size_t>(words.size() / 2, 60);
    for (std::size_t i = 0; i < fade; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(fade);
        words[i] *= gain;
        words[words.size() - 1 - i] *= gain;
    }
    return words;
}

} // namespace

ShipVoice::ShipVoice() {
    // The library is started once per process and left running: shutting it down and
    // starting it again hangs in its worker thread.
    static const int startedRate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    speechRate = startedRate;
    if (speechRate <= 0) {
        error = "eSpeak NG could not be initialised (is espeak-ng-data installed?)";
        return;
    }
    espeak_SetSynthCallback(Collect);
    // A low, level male variant without pitch flutter: flutter runs on a clock that never
    // restarts, so with it the same words would come out differently on every call.
    if (espeak_SetVoiceByName("en-us+Storm") != EE_OK && espeak_SetVoiceByName("en-us") != EE_OK) {
        error = "eSpeak NG has no English voice";
        return;
    }
    espeak_SetParameter(espeakRATE, 140, 0);
    espeak_SetParameter(espeakPITCH, 38, 0);
    espeak_SetParameter(espeakRANGE, 22, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    ready = true;
}

bool ShipVoice::Speak(const std::string& text, bool processed, StereoBuffer& out) {
    if (!ready) {
        return false;
    }
    // Each clause is spoken on its own and the pauses between them are ours: a clause
    // that follows another inside one call comes out slightly differently depending on
    // what the library spoke before.
    std::vector<float> raw;
    double pause = 0.0;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of(".,?!", begin);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string clause = text.substr(begin, end - begin);
        begin = end;
        if (clause.find_first_not_of(" .,?!") == std::string::npos) {
            continue;
        }
        std::vector<short> speech;
        const espeak_ERROR result =
            espeak_Synth(clause.c_str(), clause.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                         nullptr, &speech);
        if (result != EE_OK || speech.empty()) {
            error = "eSpeak NG could not speak \"" + clause + "\"";
            return false;
        }
        const std::vector<float> words = TrimSilence(speech);
        raw.insert(raw.end(), static_cast<std::size_t>(pause * speechRate), 0.0f);
        raw.insert(raw.end(), words.begin(), words.end());
        pause = clause.back() == ',' ? 0.14 : 0.3;
    }
    if (raw.empty()) {
        error = "nothing to say in \"" + text + "\"";
        return false;
    }

    const double rate = AudioFormat::SampleRate;
    std::vector<float> voice = Resample(raw, speechRate, AudioFormat::SampleRate);

    // A little silence before, and room for the reverb after.
    const std::size_t lead = static_cast<std::size_t>(0.06 * rate);
    const std::size_t tail = static_cast<std::size_t>(0.45 * rate);
    StereoBuffer dry(lead + voice.size() + tail);

    Filter lowCut(140.0, 0.707, rate);
    Filter highCut(6500.0, 0.707, rate);
    Filter presence(2400.0, 1.2, rate);
    // A short comb gives the hollow ring of a speaker grille; the ring modulator a faint
    // electronic buzz around every vowel.
    const std::size_t combDelay = static_cast<std::size_t>(0.0042 * rate);
    std::vector<float> comb(combDelay, 0.0f);
    std::size_t combIndex = 0;
    const double ringHz = 62.0;
    for (std::size_t i = 0; i < voice.size(); ++i) {
        float sample = highCut.Lowpass(lowCut.Highpass(voice[i]));
        sample += 0.12f * presence.Bandpass(sample);
        if (processed) {
            const float ring = SineTable::At(ringHz * i / rate);
            sample = sample * 0.82f + sample * ring * 0.18f;
            const float delayed = comb[combIndex];
            comb[combIndex] = sample + delayed * 0.25f;
            combIndex = (combIndex + 1) % combDelay;
            sample = sample + delayed * 0.3f;
        }
        dry.left[lead + i] = sample;
        dry.right[lead + i] = sample;
    }

    // Even the voice out so that every word carries over music and explosions.
    Compressor evener;
    evener.thresholdDb = -24.0;
    evener.ratio = 4.0;
    evener.attackSeconds = 0.002;
    evener.releaseSeconds = 0.06;
    dry.NormalizePeak(0.0);
    evener.Process(dry);
    out = dry;
    Reverb room(0.35, 0.7);
    room.Process(dry, out, processed ? 0.5f : 0.3f);
    out.Master(-17.5, -2.5);
    return true;
}

} // namespace vantor::tools::sounds
