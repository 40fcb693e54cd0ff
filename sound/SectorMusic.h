#pragma once

namespace vantor::sound {

// The music change on entering a sector: the previous sector's track stops, then this
// sector's track starts looping. The seven tracks cycle with a period of seven sectors
// (sector 2 plays track 2, sector 8 track 1 again); the boss sector 15 has its own track.
// Sector 1's track is started from the title screen, not by a sector change.
struct SectorMusic {
    const char* stop = nullptr;
    const char* play = nullptr;

    // Both commands are null for any sector outside 2 to 15.
    static SectorMusic ForSector(int sector);
};

} // namespace vantor::sound
