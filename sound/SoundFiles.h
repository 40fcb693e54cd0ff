#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantor::sound {

// One sound file of the game: its name, what kind of sound it is, and for a message of the
// ship's computer, the words it says.
struct SoundFile {
    enum class Kind { Music, LoopingMusic, Effect, Voice };

    const char* name;
    Kind kind;
    const char* words = nullptr;

    constexpr bool IsMusic() const { return kind == Kind::Music || kind == Kind::LoopingMusic; }
};

// Every sound file of the game, once, with what it is: music played once (the intro and the
// two end tunes), music that loops (the seven sector tracks and the boss track), an effect, or
// a message of the ship's computer, with the words it says. The game's command strings name
// exactly these files; the sound generator makes them (and speaks those words), the player
// warms them up and the captions show the words from this list.
class SoundFiles {
public:
    using File = SoundFile;
    using Kind = SoundFile::Kind;

    static constexpr File Intro{"intro.mp3", Kind::Music};
    static constexpr std::array<File, 7> Tracks = {{
        {"track01.mp3", Kind::LoopingMusic},
        {"track02.mp3", Kind::LoopingMusic},
        {"track03.mp3", Kind::LoopingMusic},
        {"track04.mp3", Kind::LoopingMusic},
        {"track05.mp3", Kind::LoopingMusic},
        {"track06.mp3", Kind::LoopingMusic},
        {"track07.mp3", Kind::LoopingMusic},
    }};
    static constexpr File BossTrack{"BossTrack.mp3", Kind::LoopingMusic};
    static constexpr File GameOver{"GameOver.mp3", Kind::Music};
    static constexpr File PlayerWins{"PlayerWins.mp3", Kind::Music};

    static constexpr File Engine{"zeb_engine_2.mp3", Kind::Effect};
    static constexpr File Torpedo{"zeb_torpedo3_clean.mp3", Kind::Effect};
    static constexpr File SmallExplosion{"smallexplosion1.mp3", Kind::Effect};
    static constexpr File LargeExplosion{"largeexplosion4.mp3", Kind::Effect};

    static constexpr File ShieldsFailing{"warningprimaryshieldsfailing_ep.mp3", Kind::Voice,
                                         "Warning. Primary shields failing."};
    static constexpr File StructuralIntegrity{"warningstructuralintegrity_ep.mp3", Kind::Voice,
                                              "Warning. Structural integrity."};
    static constexpr File AbandonShip{"lifesupportfailurealldecksabandonship_ep.mp3", Kind::Voice,
                                      "Life support failure. All decks, abandon ship."};
    static constexpr File PlanetScanned{"longrangescanplanetcomplete_clean.mp3", Kind::Voice,
                                        "Long range scan. Planet complete."};
    static constexpr File SpecifyHowToProceed{"pleasespecifyhowyouwouldliketoproceed_ep.mp3",
                                              Kind::Voice,
                                              "Please specify how you would like to proceed."};

    // The shell's own sound, which the game's rules never play: a key that could do nothing.
    static constexpr File Refused{"refused.mp3", Kind::Effect};

    static constexpr std::size_t Count = 20;

    // Music first, then the effects, then the voices.
    static constexpr std::array<File, Count> All = {
        Intro,          Tracks[0],           Tracks[1],
        Tracks[2],      Tracks[3],           Tracks[4],
        Tracks[5],      Tracks[6],           BossTrack,
        GameOver,       PlayerWins,          Engine,
        Torpedo,        SmallExplosion,      LargeExplosion,
        ShieldsFailing, StructuralIntegrity, AbandonShip,
        PlanetScanned,  SpecifyHowToProceed,
    };

    // The names alone, in the same order.
    static constexpr std::array<const char*, Count> Names = [] {
        std::array<const char*, Count> names{};
        for (std::size_t i = 0; i < Count; ++i) {
            names[i] = All[i].name;
        }
        return names;
    }();

    // Every file in the data folder: the game's twenty, then the shell's own.
    static constexpr std::size_t EveryCount = Count + 1;
    static constexpr std::array<const char*, EveryCount> EveryName = [] {
        std::array<const char*, EveryCount> names{};
        for (std::size_t i = 0; i < Count; ++i) {
            names[i] = All[i].name;
        }
        names[Count] = Refused.name;
        return names;
    }();

    // The file of that name, or null.
    static constexpr const File* Find(std::string_view name) {
        for (const File& file : All) {
            if (name == file.name) {
                return &file;
            }
        }
        return name == Refused.name ? &Refused : nullptr;
    }
};

} // namespace vantor::sound
