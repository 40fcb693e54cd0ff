#include "tools/sounds/SoundLibrary.h"

#include "sound/SoundFiles.h"

#include <cmath>
#include <map>

#include "tools/sounds/MusicLibrary.h"
#include "tools/sounds/SoundEffects.h"

namespace {

struct VoiceLine {
    const char* file;
    const char* words;
    bool processed;
};

// The read-outs ending in _ep get the full computer treatment, the _clean one a plain room.
const VoiceLine VoiceLines[] = {
    {SoundFiles::ShieldsFailing.name, "Warning. Primary shields failing.", true},
    {SoundFiles::StructuralIntegrity.name, "Warning. Structural integrity.", true},
    {SoundFiles::AbandonShip.name, "Life support failure. All decks, abandon ship.", true},
    {SoundFiles::PlanetScanned.name, "Long range scan. Planet complete.", false},
    {SoundFiles::SpecifyHowToProceed.name, "Please specify how you would like to proceed.", true},
};

const VoiceLine* FindVoice(const std::string& file) {
    for (const VoiceLine& line : VoiceLines) {
        if (file == line.file) {
            return &line;
        }
    }
    return nullptr;
}

} // namespace

SoundLibrary::SoundLibrary() = default;
SoundLibrary::~SoundLibrary() = default;

const std::vector<std::string>& SoundLibrary::Files() {
    static const std::vector<std::string> files(SoundFiles::Names.begin(), SoundFiles::Names.end());
    return files;
}

SoundLibrary::Kind SoundLibrary::KindOf(const std::string& file) {
    const SoundFiles::File* known = SoundFiles::Find(file);
    return known != nullptr ? known->kind : Kind::Effect;
}

std::string SoundLibrary::Words(const std::string& file) {
    const VoiceLine* line = FindVoice(file);
    return line != nullptr ? line->words : "";
}

bool SoundLibrary::Render(const std::string& file, StereoBuffer& sound, std::string& error) {
    if (const VoiceLine* line = FindVoice(file)) {
        if (!voice) {
            voice = std::make_unique<ShipVoice>();
        }
        if (!voice->Ready() || !voice->Speak(line->words, line->processed, sound)) {
            error = voice->Error();
            return false;
        }
        return true;
    }
    for (int track = 1; track <= static_cast<int>(SoundFiles::Tracks.size()); ++track) {
        if (file == SoundFiles::Tracks[track - 1].name) {
            sound = renderer.Render(MusicLibrary::Sector(track));
            return true;
        }
    }
    static const std::map<std::string, Song (*)()> songs = {
        {SoundFiles::Intro.name, &MusicLibrary::Intro},
        {SoundFiles::BossTrack.name, &MusicLibrary::Boss},
        {SoundFiles::GameOver.name, &MusicLibrary::GameOver},
        {SoundFiles::PlayerWins.name, &MusicLibrary::PlayerWins},
    };
    if (const auto song = songs.find(file); song != songs.end()) {
        sound = renderer.Render(song->second());
        return true;
    }
    static const std::map<std::string, StereoBuffer (*)()> effects = {
        {SoundFiles::Engine.name, &SoundEffects::Engine},
        {SoundFiles::Torpedo.name, &SoundEffects::Torpedo},
        {SoundFiles::SmallExplosion.name, &SoundEffects::SmallExplosion},
        {SoundFiles::LargeExplosion.name, &SoundEffects::LargeExplosion},
    };
    if (const auto effect = effects.find(file); effect != effects.end()) {
        sound = effect->second();
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
