#include "app/CaptionWatch.h"

#include "sound/MediaCommand.h"
#include "sound/MixerPlayer.h"

namespace vantor::app {

void CaptionWatch::Send(const char* command) {
    const sound::MediaCommand parsed = sound::MediaCommand::Parse(command);
    if (parsed.verb == sound::MediaCommand::Verb::Play) {
        if (const sound::SoundFiles::File* file = sound::SoundFiles::Find(parsed.file);
            file != nullptr && file->kind == sound::SoundFiles::Kind::Voice) {
            captions.Started(*file, mixer != nullptr ? mixer->LengthMs(file->name) : 0);
        }
    }
    if (next != nullptr) {
        next->Send(command);
    }
}

} // namespace vantor::app
