#pragma once

#include "sound/MediaControl.h"
#include "sound/MediaPlayer.h"

namespace vantor::test {

// A sound player that stands behind SendMediaCommand for as long as it lives, in place of the
// real one.
class InstalledPlayer : public sound::MediaPlayer {
public:
    InstalledPlayer() { sound::SetMediaPlayer(this); }
    ~InstalledPlayer() override { sound::SetMediaPlayer(nullptr); }
    InstalledPlayer(const InstalledPlayer&) = delete;
    InstalledPlayer& operator=(const InstalledPlayer&) = delete;
};

} // namespace vantor::test
