#include "game/LevelDigest.h"

#include "game/Sector01.h"

#include <cstring>

namespace vantor::game {

namespace {

constexpr uint64_t FnvOffset = 14695981039346656037ull;
constexpr uint64_t FnvPrime = 1099511628211ull;
constexpr int HexDigits = 16;

class Fnv {
public:
    void Bytes(uint64_t value, int count) {
        for (int byte = 0; byte < count; ++byte) {
            hash ^= (value >> (8 * byte)) & 0xffu;
            hash *= FnvPrime;
        }
    }
    void Add(bool value) { Bytes(value ? 1 : 0, 1); }
    void Add(int32_t value) { Bytes(static_cast<uint32_t>(value), 4); }
    void Add(uint32_t value) { Bytes(value, 4); }
    void Add(float value) {
        uint32_t bits = 0;
        static_assert(sizeof bits == sizeof value);
        std::memcpy(&bits, &value, sizeof bits);
        Bytes(bits, 4);
    }
    void Add(double value) {
        uint64_t bits = 0;
        static_assert(sizeof bits == sizeof value);
        std::memcpy(&bits, &value, sizeof bits);
        Bytes(bits, 8);
    }

    uint64_t hash = FnvOffset;
};

} // namespace

uint64_t LevelDigest::Of(const Sector01& level) {
    Fnv fnv;
    // In the order of the fields in Sector01.h; a new rule field goes in here too.
    for (float value :
         {level.shipY, level.shipX, level.enemyY, level.enemyX, level.asteroidY, level.asteroidX}) {
        fnv.Add(value);
    }
    fnv.Add(level.torpedoX);
    fnv.Add(level.torpedoY);
    fnv.Add(level.sector);
    for (float value : {level.planet1X, level.planet1Y, level.planet2X, level.planet2Y,
                        level.planet3X, level.planet3Y}) {
        fnv.Add(value);
    }
    fnv.Add(level.planetChoice);
    fnv.Add(level.sectorLayout);
    fnv.Add(level.enemiesDestroyed);
    fnv.Add(level.torpedoInFlight);
    fnv.Add(level.menuOpen);
    fnv.Add(level.inputLocked);
    fnv.Add(level.planetScience);
    fnv.Add(level.planetEnergy);
    fnv.Add(level.warpPercent);
    fnv.Add(level.weaponEnergyCreated);
    fnv.Add(level.planet1Unclaimed);
    fnv.Add(level.planet2Unclaimed);
    fnv.Add(level.planet3Unclaimed);
    fnv.Add(level.gameOver);
    for (int32_t value :
         {level.science, level.energy, level.shipHeading, level.enemyHeading, level.torpedoHeading,
          level.rank, level.weaponLevel, level.warpEnergyCreated, level.warpEnergy,
          level.weaponEnergy, level.moveTargetX, level.moveTargetY, level.torpedoTargetX,
          level.torpedoTargetY, level.explosionX, level.explosionY}) {
        fnv.Add(value);
    }
    fnv.Add(level.warpEnergyNow);
    fnv.Add(level.warpEnergyMax);
    fnv.Add(level.bossHits);
    fnv.Add(level.playerWon);
    fnv.Add(level.frameCount);
    fnv.Add(level.titleScreen);
    fnv.Add(level.damageLevel);
    fnv.Add(level.enemyKilledInSector);
    fnv.Add(level.planet1InRange);
    fnv.Add(level.planet2InRange);
    fnv.Add(level.planet3InRange);
    fnv.Add(level.gameStarted);
    for (uint32_t value : level.random.Values()) {
        fnv.Add(value);
    }
    fnv.Add(static_cast<int32_t>(level.random.Position()));
    return fnv.hash;
}

std::string LevelDigest::Hex(uint64_t digest) {
    char text[HexDigits + 1];
    WriteHex(digest, text);
    return text;
}

void LevelDigest::WriteHex(uint64_t digest, char* to) {
    static constexpr char Digits[] = "0123456789abcdef";
    for (int i = HexDigits - 1; i >= 0; --i) {
        to[i] = Digits[digest & 0xfu];
        digest >>= 4;
    }
    to[HexDigits] = '\0';
}

bool LevelDigest::FromHex(std::string_view text, uint64_t& digest) {
    if (text.size() != HexDigits) {
        return false;
    }
    uint64_t value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return false;
        }
        value = (value << 4) | static_cast<uint64_t>(digit);
    }
    digest = value;
    return true;
}

} // namespace vantor::game
