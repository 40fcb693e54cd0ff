#pragma once

#include "sound/SoundFiles.h"

#include <memory>
#include <string>
#include <vector>

#include "tools/sounds/Mp3Encoder.h"
#include "tools/sounds/MusicRenderer.h"
#include "tools/sounds/ShipVoice.h"
#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// Every sound file the game plays, by file name: what is in it and how it is encoded.
class SoundLibrary {
public:
    using Kind = sound::SoundFiles::Kind;

    SoundLibrary();
    ~SoundLibrary();

    // The twenty file names, music first, then effects, then voices.
    static const std::vector<std::string>& Files();
    static Kind KindOf(const std::string& file);
    // The words of a voice file (empty for other files).
    static std::string Words(const std::string& file);

    // The sound of a file before encoding. Returns false (with error set) for an unknown
    // name or when speech synthesis fails.
    bool Render(const std::string& file, StereoBuffer& sound, std::string& error);
    // The finished MP3 bytes of a file.
    bool Make(const std::string& file, std::vector<unsigned char>& mp3, std::string& error);

    static Mp3Encoder EncoderFor(Kind kind);

    // No file, once decoded, peaks above this (dBFS).
    static constexpr double CeilingDb = -1.2;

private:
    MusicRenderer renderer;
    std::unique_ptr<ShipVoice> voice; // started on the first voice file
};

} // namespace vantor::tools::sounds
