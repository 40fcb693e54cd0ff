#include "app/Captions.h"

#include <algorithm>
#include <cstring>

namespace vantor::app {

int Captions::ReadingFrames(const char* words) {
    // Half a second, and then fifteen characters a second: slow reading, as captions should be.
    const int characters = words != nullptr ? static_cast<int>(std::strlen(words)) : 0;
    return FramesPerSecond / 2 + characters * FramesPerSecond / 15;
}

void Captions::Started(const sound::SoundFiles::File& voice, int lengthMs) {
    if (voice.kind != sound::SoundFiles::Kind::Voice || voice.words == nullptr) {
        return;
    }
    for (const Shown& caption : shown) {
        if (caption.voice == &voice) {
            return;
        }
    }
    const int frames =
        lengthMs > 0 ? (lengthMs * FramesPerSecond + 999) / 1000 : ReadingFrames(voice.words);
    // The oldest gives way when all places show.
    if (shown.back().voice != nullptr) {
        std::rotate(shown.begin(), shown.begin() + 1, shown.end());
        shown.back() = {};
    }
    for (Shown& caption : shown) {
        if (caption.voice == nullptr) {
            caption = {&voice, frames};
            return;
        }
    }
}

void Captions::Frame() {
    for (Shown& caption : shown) {
        if (caption.voice != nullptr && --caption.framesLeft <= 0) {
            caption = {};
        }
    }
    // Those still showing close up, in their order.
    size_t kept = 0;
    for (const Shown& caption : shown) {
        if (caption.voice != nullptr) {
            shown[kept++] = caption;
        }
    }
    for (; kept < shown.size(); ++kept) {
        shown[kept] = {};
    }
}

int Captions::Count() const {
    return static_cast<int>(std::count_if(
        shown.begin(), shown.end(), [](const Shown& caption) { return caption.voice != nullptr; }));
}

const char* Captions::Words(int index) const {
    return index >= 0 && index < MaxShown && shown[size_t(index)].voice != nullptr
               ? shown[size_t(index)].voice->words
               : nullptr;
}

} // namespace vantor::app
