#include "tools/sounds/SoundLibrary.h"

#include "sound/SoundFiles.h"

#include <cmath>
#include <functional>
#include <map>

#include "tools/sounds/MusicLibrary.h"
#include "tools/sounds/SoundEffects.h"

namespace vantor::tools::sounds {

namespace {

// How each message of the ship's computer is voiced: the read-outs ending in _ep get the full
// computer treatment, the _clean one a plain room. The words are the sound list's.
struct VoiceLine {
    const sound::SoundFiles::File& file;
    bool processed;
};

const VoiceLine VoiceLines[] = {
    {sound::SoundFiles::ShieldsFailing, true},      {sound::SoundFiles::StructuralIntegrity, true},
    {sound::SoundFiles::AbandonShip, true},         {sound::SoundFiles::PlanetScanned, false},
    {sound::SoundFiles::SpecifyHowToProceed, true},
};

const VoiceLine* FindVoice(const std::string& file) {
    for (const VoiceLine& line : VoiceLines) {
        if (file == line.file.name) {
            return &line;
        }
    }
    return nullptr;
}

// How a music or effect file is made: a piece played through the renderer, or an effect
// made whole.
using Synthesis = std::function<StereoBuffer(MusicRenderer&)>;

Synthesis Music(std::function<Song()> piece) {
    return [piece](MusicRenderer& renderer) { return renderer.Render(piece()); };
}

Synthesis Effect(StereoBuffer (*effect)()) {
    return [effect](MusicRenderer&) { return effect(); };
}

// Every file our own synthesizer makes, by name.
const std::map<std::string, Synthesis>& Synthesized() {
    static const std::map<std::string, Synthesis> files = [] {
        std::map<std::string, Synthesis> all = {
            {sound::SoundFiles::Intro.name, Music(&MusicLibrary::Intro)},
            {sound::SoundFiles::BossTrack.name, Music(&MusicLibrary::Boss)},
            {sound::SoundFiles::GameOver.name, Music(&MusicLibrary::GameOver)},
            {sound::SoundFiles::PlayerWins.name, Music(&MusicLibrary::PlayerWins)},
            {sound::SoundFiles::Engine.name, Effect(&SoundEffects::Engine)},
            {sound::SoundFiles::Refused.name, Effect(&SoundEffects::Refused)},
            {sound::SoundFiles::Torpedo.name, Effect(&SoundEffects::Torpedo)},
            {sound::SoundFiles::SmallExplosion.name, Effect(&SoundEffects::SmallExplosion)},
            {sound::SoundFiles::LargeExplosion.name, Effect(&SoundEffects::LargeExplosion)},
        };
        for (int track = 1; track <= static_cast<int>(sound::SoundFiles::Tracks.size()); ++track) {
            all.emplace(sound::SoundFiles::Tracks[track - 1].name,
                        Music([track] { return MusicLibrary::Sector(track); }));
        }
        return all;
    }();
    return files;
}

} // namespace

SoundLibrary::SoundLibrary() = default;
SoundLibrary::~SoundLibrary() = default;

const std::vector<std::string>& SoundLibrary::Files() {
    static const std::vector<std::string> files(sound::SoundFiles::EveryName.begin(),
                                                sound::SoundFiles::EveryName.end());
    return files;
}

SoundLibrary::Kind SoundLibrary::KindOf(const std::string& file) {
    const sound::SoundFiles::File* known = sound::SoundFiles::Find(file);
    return known != nullptr ? known->kind : Kind::Effect;
}

std::string SoundLibrary::Words(const std::string& file) {
    const VoiceLine* line = FindVoice(file);
    return line != nullptr ? line->file.words : "";
}

bool SoundLibrary::Render(const std::string& file, StereoBuffer& sound, std::string& error) {
    if (const VoiceLine* line = FindVoice(file)) {
        if (!voice) {
            voice = std::make_unique<ShipVoice>();
        }
        if (!voice->Ready() || !voice->Speak(line->file.words, line->processed, sound)) {
            error = voice->Error();
            return false;
        }
        return true;
    }
    const std::map<std::string, Synthesis>& synthesized = Synthesized();
    if (const auto made = synthesized.find(file); made != synthesized.end()) {
        sound = made->second(renderer);
        return true;
    }
    error = "no sound is defined for " + file;
    return false;
}

Mp3Encoder SoundLibrary::EncoderFor(Kind kind) {
    Mp3Encoder encoder;
    switch (kind) {
    case Kind::Music:
    case Kind::LoopingMusic:
        encoder.kilobitsPerSecond = 128;
        break;
    case Kind::Effect:
        encoder.kilobitsPerSecond = 160;
        break;
    case Kind::Voice:
        encoder.kilobitsPerSecond = 80;
        encoder.mono = true;
        break;
    }
    return encoder;
}

bool SoundLibrary::Make(const std::string& file, std::vector<unsigned char>& mp3,
                        std::string& error) {
    StereoBuffer sound;
    if (!Render(file, sound, error)) {
        return false;
    }
    const Mp3Encoder encoder = EncoderFor(KindOf(file));
    if (!encoder.Encode(sound, mp3, error)) {
        return false;
    }
    // Encoding noise can lift the peaks of dense, bright sounds (an explosion) by a few
    // decibels; if one now passes the ceiling, turn the sound down by that much and encode
    // it again.
    const float ceiling = static_cast<float>(std::pow(10.0, CeilingDb / 20.0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        float peak = 0.0f;
        if (!Mp3Encoder::DecodedPeak(mp3, peak, error)) {
            return false;
        }
        if (peak <= ceiling) {
            return true;
        }
        sound.Scale(ceiling / peak * 0.97f);
        if (!encoder.Encode(sound, mp3, error)) {
            return false;
        }
    }
    return true;
}

} // namespace vantor::tools::sounds
