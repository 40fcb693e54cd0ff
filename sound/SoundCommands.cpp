#include "sound/SoundCommands.h"

namespace vantor::sound {

namespace SoundCommands {

const std::array<const char*, 31> AllCommands = {
    PlayIntro,
    StopIntro,
    PlayTrack01,
    PlayTrack02,
    PlayTrack03,
    PlayTrack04,
    PlayTrack05,
    PlayTrack06,
    PlayTrack07,
    PlayBossTrack,
    StopTrack01,
    StopTrack02,
    StopTrack03,
    StopTrack04,
    StopTrack05,
    StopTrack06,
    StopTrack07,
    StopBossTrack,
    PlayGameOver,
    StopGameOver,
    PlayPlayerWins,
    StopPlayerWins,
    PlayEngine,
    PlayTorpedo,
    PlaySmallExplosion,
    PlayLargeExplosion,
    PlayShieldsFailing,
    PlayStructuralIntegrity,
    PlayAbandonShip,
    PlayPlanetScanned,
    PlaySpecifyHowToProceed,
};

} // namespace SoundCommands

} // namespace vantor::sound
