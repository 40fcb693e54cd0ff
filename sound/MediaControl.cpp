#include "sound/MediaControl.h"

#include "sound/MediaPlayer.h"

namespace vantor::sound {

namespace {

// Until a real player is installed the commands go nowhere: the game runs silently.
class SilentPlayer final : public MediaPlayer {
public:
    void Send(const char*) override {}
};

SilentPlayer silentPlayer;
MediaPlayer* installedPlayer = &silentPlayer;

} // namespace

void SendMediaCommand(const char* command) {
    if (command == nullptr) {
        return;
    }
    installedPlayer->Send(command);
}

void SetMediaPlayer(MediaPlayer* player) {
    installedPlayer = player != nullptr ? player : &silentPlayer;
}

MediaPlayer* CurrentMediaPlayer() {
    return installedPlayer;
}

} // namespace vantor::sound
