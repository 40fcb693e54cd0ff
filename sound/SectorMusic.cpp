#include "sound/SectorMusic.h"

#include "sound/SoundCommands.h"

namespace vantor::sound {

SectorMusic SectorMusic::ForSector(int sector) {
    if (sector == 15) {
        return {SoundCommands::StopTrack07, SoundCommands::PlayBossTrack};
    }
    if (sector < 2 || sector > 14) {
        return {};
    }
    return {SoundCommands::StopTracks[(sector - 2) % 7],
            SoundCommands::PlayTracks[(sector - 1) % 7]};
}

} // namespace vantor::sound
