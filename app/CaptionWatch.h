#pragma once

#include "app/Captions.h"
#include "sound/MediaPlayer.h"

namespace vantor::sound {
class MixerPlayer;
} // namespace vantor::sound

namespace vantor::app {

// Stands between the game and its sound player, hears every command on its way and starts the
// caption of each message of the ship's computer the game plays, with the message's length as
// the real player knows it. The commands go on to the next player unchanged. Owns nothing: the
// captions, the next player and the mixer (either may be null) must outlive it. Sending
// allocates nothing, as every sound command must not.
class CaptionWatch final : public sound::MediaPlayer {
public:
    CaptionWatch(Captions& captions, sound::MediaPlayer* next, const sound::MixerPlayer* mixer)
        : captions(captions), next(next), mixer(mixer) {}

    void Send(const char* command) override;

private:
    Captions& captions;
    sound::MediaPlayer* next;
    const sound::MixerPlayer* mixer;
};

} // namespace vantor::app
