#pragma once

#include "sound/MediaControl.h"
#include "sound/MediaPlayer.h"

// A sound player that stands behind SendMediaCommand for as long as it lives, in place of the
// real one.
class InstalledPlayer : public MediaPlayer {
public:
    InstalledPlayer() { SetMediaPlayer(this); }
    ~InstalledPlayer() override { SetMediaPlayer(nullptr); }
    InstalledPlayer(const InstalledPlayer&) = delete;
    InstalledPlayer& operator=(const InstalledPlayer&) = delete;
};
