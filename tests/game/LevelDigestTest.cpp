// The digest of a level's rules: every rule field counts, nothing drawn does, and levels played
// alike have one digest on every platform.
#include "game/LevelDigest.h"
#include "game/Sector01.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vantor::test {

namespace {

using game::LevelDigest;

// A level loaded headless from a seed.
Sector01 Loaded(uint32_t seed) {
    Sector01 level;
    level.ChooseSeed(seed);
    level.Load();
    return level;
}

// A short game: the title left, a flight, a torpedo, the engineering menu, a planet answered,
// frames between, each frame updated and drawn as the shell does.
void Play(Sector01& level, int lastClickY = 300) {
    auto frames = [&level](int n) {
        for (int i = 0; i < n; ++i) {
            level.Update();
            level.Render();
        }
    };
    frames(30);
    level.OnEnter(false);
    frames(10);
    level.OnLeftClick(700, 400);
    frames(200);
    level.OnRightClick(900, 120);
    frames(100);
    level.OnMenuKey(true);
    level.OnMenuAction(6);
    level.OnEnter(false);
    level.OnPlanetChoice(2);
    level.OnLeftClick(600, lastClickY);
    frames(1500);
}

using Change = std::pair<const char*, std::function<void(Sector01&)>>;

// One change of each rule field, each to a value it does not have after Load.
std::vector<Change> EveryRuleField() {
    auto flip = [](bool& flag) { flag = !flag; };
    return {
        {"shipY", [](Sector01& l) { l.shipY += 1; }},
        {"shipX", [](Sector01& l) { l.shipX += 1; }},
        {"enemyY", [](Sector01& l) { l.enemyY += 1; }},
        {"enemyX", [](Sector01& l) { l.enemyX += 1; }},
        {"asteroidY", [](Sector01& l) { l.asteroidY += 0.01f; }},
        {"asteroidX", [](Sector01& l) { l.asteroidX += 0.01f; }},
        {"torpedoX", [](Sector01& l) { l.torpedoX += 1; }},
        {"torpedoY", [](Sector01& l) { l.torpedoY += 1; }},
        {"sector", [](Sector01& l) { l.sector += 1; }},
        {"planet1X", [](Sector01& l) { l.planet1X += 1; }},
        {"planet1Y", [](Sector01& l) { l.planet1Y += 1; }},
        {"planet2X", [](Sector01& l) { l.planet2X += 1; }},
        {"planet2Y", [](Sector01& l) { l.planet2Y += 1; }},
        {"planet3X", [](Sector01& l) { l.planet3X += 1; }},
        {"planet3Y", [](Sector01& l) { l.planet3Y += 1; }},
        {"planetChoice", [](Sector01& l) { l.planetChoice += 1; }},
        {"sectorLayout", [](Sector01& l) { l.sectorLayout += 1; }},
        {"enemiesDestroyed", [](Sector01& l) { l.enemiesDestroyed += 1; }},
        {"torpedoInFlight", [flip](Sector01& l) { flip(l.torpedoInFlight); }},
        {"menuOpen", [flip](Sector01& l) { flip(l.menuOpen); }},
        {"inputLocked", [flip](Sector01& l) { flip(l.inputLocked); }},
        {"planetScience", [](Sector01& l) { l.planetScience += 1; }},
        {"planetEnergy", [](Sector01& l) { l.planetEnergy += 1; }},
        {"warpPercent", [](Sector01& l) { l.warpPercent += 1; }},
        {"weaponEnergyCreated", [](Sector01& l) { l.weaponEnergyCreated += 1; }},
        {"planet1Unclaimed", [flip](Sector01& l) { flip(l.planet1Unclaimed); }},
        {"planet2Unclaimed", [flip](Sector01& l) { flip(l.planet2Unclaimed); }},
        {"planet3Unclaimed", [flip](Sector01& l) { flip(l.planet3Unclaimed); }},
        {"gameOver", [flip](Sector01& l) { flip(l.gameOver); }},
        {"science", [](Sector01& l) { l.science += 1; }},
        {"energy", [](Sector01& l) { l.energy += 1; }},
        {"shipHeading", [](Sector01& l) { l.shipHeading += 1; }},
        {"enemyHeading", [](Sector01& l) { l.enemyHeading += 1; }},
        {"torpedoHeading", [](Sector01& l) { l.torpedoHeading += 1; }},
        {"rank", [](Sector01& l) { l.rank += 1; }},
        {"weaponLevel", [](Sector01& l) { l.weaponLevel += 1; }},
        {"warpEnergyCreated", [](Sector01& l) { l.warpEnergyCreated += 1; }},
        {"warpEnergy", [](Sector01& l) { l.warpEnergy += 1; }},
        {"weaponEnergy", [](Sector01& l) { l.weaponEnergy += 1; }},
        {"moveTargetX", [](Sector01& l) { l.moveTargetX += 1; }},
        {"moveTargetY", [](Sector01& l) { l.moveTargetY += 1; }},
        {"torpedoTargetX", [](Sector01& l) { l.torpedoTargetX += 1; }},
        {"torpedoTargetY", [](Sector01& l) { l.torpedoTargetY += 1; }},
        {"explosionX", [](Sector01& l) { l.explosionX += 1; }},
        {"explosionY", [](Sector01& l) { l.explosionY += 1; }},
        {"warpEnergyNow", [](Sector01& l) { l.warpEnergyNow += 0.5; }},
        {"warpEnergyMax", [](Sector01& l) { l.warpEnergyMax += 0.5; }},
        {"bossHits", [](Sector01& l) { l.bossHits += 1; }},
        {"playerWon", [flip](Sector01& l) { flip(l.playerWon); }},
        {"frameCount", [](Sector01& l) { l.frameCount += 1; }},
        {"titleScreen", [flip](Sector01& l) { flip(l.titleScreen); }},
        {"damageLevel", [](Sector01& l) { l.damageLevel += 1; }},
        {"enemyKilledInSector", [](Sector01& l) { l.enemyKilledInSector += 1; }},
        {"planet1InRange", [](Sector01& l) { l.planet1InRange += 1; }},
        {"planet2InRange", [](Sector01& l) { l.planet2InRange += 1; }},
        {"planet3InRange", [](Sector01& l) { l.planet3InRange += 1; }},
        {"gameStarted", [flip](Sector01& l) { flip(l.gameStarted); }},
        {"random (one number drawn)", [](Sector01& l) { l.random.Next(); }},
        {"random (another seed)", [](Sector01& l) { l.random.Seed(l.Seed() + 1); }},
        // A float's sign alone: equal as numbers, another bit pattern.
        {"shipX (negative zero)", [](Sector01& l) { l.shipX = l.shipX == 0.0f ? -0.0f : 0.0f; }},
    };
}

TEST(LevelDigest, EveryRuleFieldChangesIt) {
    const RecordingPlayer sound;
    const Sector01 loaded = Loaded(20261209);
    const uint64_t original = LevelDigest::Of(loaded);
    std::set<uint64_t> seen = {original};
    for (const auto& [field, change] : EveryRuleField()) {
        Sector01 changed = loaded;
        change(changed);
        const uint64_t digest = LevelDigest::Of(changed);
        EXPECT_NE(digest, original) << field << " is not in the digest";
        // Each field has bytes of its own: no two changes may land on one digest.
        EXPECT_TRUE(seen.insert(digest).second) << field << " gives another field's digest";
    }
}

TEST(LevelDigest, PicturesTextAndTheChosenSeedAreNoPartOfIt) {
    const RecordingPlayer sound;
    Sector01 level = Loaded(7);
    const uint64_t original = LevelDigest::Of(level);
    // Any address will do: the digest must not look at it, let alone through it.
    int stand = 0;
    level.playerShip = reinterpret_cast<SpriteSheet*>(&stand);
    level.backgrounds[3] = reinterpret_cast<SpriteSheet*>(&stand);
    level.promptText = reinterpret_cast<TextWriter*>(&stand);
    EXPECT_EQ(LevelDigest::Of(level), original);

    // The same dice reached from another seed: only where they stand counts.
    Sector01 other = level;
    other.ChooseSeed(8);
    other.random = level.random;
    EXPECT_EQ(LevelDigest::Of(other), original);
}

TEST(LevelDigest, LevelsPlayedAlikeAgreeAndOneOtherClickParts) {
    const RecordingPlayer sound;
    Sector01 first = Loaded(42);
    Sector01 second = Loaded(42);
    Sector01 third = Loaded(42);
    Play(first);
    Play(second);
    Play(third, 301);
    EXPECT_EQ(LevelDigest::Of(first), LevelDigest::Of(second));
    EXPECT_NE(LevelDigest::Of(first), LevelDigest::Of(third));
    Sector01 otherSeed = Loaded(43);
    Play(otherSeed);
    EXPECT_NE(LevelDigest::Of(first), LevelDigest::Of(otherSeed));
}

TEST(LevelDigest, APlayedGameEndsOnTheSameDigestOnEveryPlatform) {
    const RecordingPlayer sound;
    Sector01 level = Loaded(42);
    Play(level);
    // Written down from the Linux build; the Windows and web builds must reach it too, or
    // their replays would not agree with Linux's.
    EXPECT_EQ(LevelDigest::Hex(LevelDigest::Of(level)), "8b498618c18ecd8f");
}

TEST(LevelDigest, HexIsSixteenLowercaseDigitsAndReadsBack) {
    EXPECT_EQ(LevelDigest::Hex(0), "0000000000000000");
    EXPECT_EQ(LevelDigest::Hex(0x0123456789abcdefull), "0123456789abcdef");
    EXPECT_EQ(LevelDigest::Hex(~0ull), "ffffffffffffffff");
    for (uint64_t digest : {0ull, 1ull, 0x8000000000000000ull, 0xfedcba9876543210ull}) {
        uint64_t read = 1;
        EXPECT_TRUE(LevelDigest::FromHex(LevelDigest::Hex(digest), read));
        EXPECT_EQ(read, digest);
    }
    uint64_t untouched = 5;
    for (const char* bad : {"", "0123456789abcde", "0123456789abcdef0", "0123456789ABCDEF",
                            "0123456789abcdeg", " 123456789abcdef", "-123456789abcdef"}) {
        EXPECT_FALSE(LevelDigest::FromHex(bad, untouched)) << '"' << bad << '"';
    }
    EXPECT_EQ(untouched, 5u);
}

} // namespace

} // namespace vantor::test
