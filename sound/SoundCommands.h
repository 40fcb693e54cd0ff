#pragma once

#include <array>

namespace vantor::sound {

// The whole sound vocabulary of the game: every command string it ever sends, written
// exactly as the media layer receives it. The files they name are listed in SoundFiles.
namespace SoundCommands {

// Music.
inline constexpr const char* PlayIntro = "play intro.mp3";
inline constexpr const char* StopIntro = "stop intro.mp3";
inline constexpr const char* PlayTrack01 = "play track01.mp3 repeat";
inline constexpr const char* PlayTrack02 = "play track02.mp3 repeat";
inline constexpr const char* PlayTrack03 = "play track03.mp3 repeat";
inline constexpr const char* PlayTrack04 = "play track04.mp3 repeat";
inline constexpr const char* PlayTrack05 = "play track05.mp3 repeat";
inline constexpr const char* PlayTrack06 = "play track06.mp3 repeat";
inline constexpr const char* PlayTrack07 = "play track07.mp3 repeat";
inline constexpr const char* PlayBossTrack = "play BossTrack.mp3 repeat";
inline constexpr const char* StopTrack01 = "stop track01.mp3";
inline constexpr const char* StopTrack02 = "stop track02.mp3";
inline constexpr const char* StopTrack03 = "stop track03.mp3";
inline constexpr const char* StopTrack04 = "stop track04.mp3";
inline constexpr const char* StopTrack05 = "stop track05.mp3";
inline constexpr const char* StopTrack06 = "stop track06.mp3";
inline constexpr const char* StopTrack07 = "stop track07.mp3";
inline constexpr const char* StopBossTrack = "stop BossTrack.mp3";
inline constexpr const char* PlayGameOver = "play GameOver.mp3";
inline constexpr const char* StopGameOver = "stop GameOver.mp3";
inline constexpr const char* PlayPlayerWins = "play PlayerWins.mp3";
inline constexpr const char* StopPlayerWins = "stop PlayerWins.mp3";

// Effects.
inline constexpr const char* PlayEngine = "play zeb_engine_2.mp3";
inline constexpr const char* PlayTorpedo = "play zeb_torpedo3_clean.mp3";
inline constexpr const char* PlaySmallExplosion = "play smallexplosion1.mp3";
inline constexpr const char* PlayLargeExplosion = "play largeexplosion4.mp3";

// Voice messages. The shields warning has always been sent with two blanks after "play";
// the media layer treats any run of blanks as one separator.
inline constexpr const char* PlayShieldsFailing = "play  warningprimaryshieldsfailing_ep.mp3";
inline constexpr const char* PlayStructuralIntegrity = "play warningstructuralintegrity_ep.mp3";
inline constexpr const char* PlayAbandonShip = "play lifesupportfailurealldecksabandonship_ep.mp3";
inline constexpr const char* PlayPlanetScanned = "play longrangescanplanetcomplete_clean.mp3";
inline constexpr const char* PlaySpecifyHowToProceed =
    "play pleasespecifyhowyouwouldliketoproceed_ep.mp3";

// The seven sector tracks in order, as play (looped) and stop commands.
inline constexpr std::array<const char*, 7> PlayTracks = {
    PlayTrack01, PlayTrack02, PlayTrack03, PlayTrack04, PlayTrack05, PlayTrack06, PlayTrack07};
inline constexpr std::array<const char*, 7> StopTracks = {
    StopTrack01, StopTrack02, StopTrack03, StopTrack04, StopTrack05, StopTrack06, StopTrack07};

// Every command the game can send.
extern const std::array<const char*, 31> AllCommands;

} // namespace SoundCommands

} // namespace vantor::sound
