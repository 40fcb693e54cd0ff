#pragma once

namespace vantor::sound {

class MediaPlayer;

// Every sound command of the game goes through here. The installed player receives the
// string exactly as given; no result comes back and nothing is reported.
void SendMediaCommand(const char* command);

// Installs the player behind SendMediaCommand. The caller keeps ownership. A null pointer
// puts the default player back.
void SetMediaPlayer(MediaPlayer* player);

// The player that SendMediaCommand currently talks to (never null).
MediaPlayer* CurrentMediaPlayer();

} // namespace vantor::sound
