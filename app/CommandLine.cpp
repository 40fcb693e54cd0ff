#include "app/CommandLine.h"

#include "app/KeyBindings.h"

#include <getopt.h>

#include <algorithm>
#include <cstdlib>

#ifndef VANTOR_VERSION
#define VANTOR_VERSION "unknown"
#endif

namespace vantor::app {

namespace {

constexpr const char* Usage =
    "Usage: vantor-game [--fullscreen | --windowed] [--mute] [--data-dir DIR] "
    "[--record FILE | --replay FILE [--verify]] [--help] [--version]";

enum LongOnly { Fullscreen = 256, Windowed, Mute, DataDir, Record, Replay, Verify };

const option Options[] = {
    {"fullscreen", no_argument, nullptr, Fullscreen},
    {"windowed", no_argument, nullptr, Windowed},
    {"mute", no_argument, nullptr, Mute},
    {"data-dir", required_argument, nullptr, DataDir},
    {"record", required_argument, nullptr, Record},
    {"replay", required_argument, nullptr, Replay},
    {"verify", no_argument, nullptr, Verify},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// "--mute=yes": a known option given a value it does not take.
bool IsKnownWithValue(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    if (argument.rfind("--", 0) != 0 || equals == std::string::npos) {
        return false;
    }
    const std::string name = argument.substr(2, equals - 2);
    for (const option& known : Options) {
        if (known.name != nullptr && name == known.name) {
            return true;
        }
    }
    return false;
}

CommandLine Misuse(const std::string& what) {
    CommandLine line;
    line.action = CommandLine::Action::Misuse;
    line.message = "vantor-game: " + what + ". " + Usage + " Try 'vantor-game --help'.";
    return line;
}

} // namespace

CommandLine CommandLine::Parse(int argc, char** argv) {
    CommandLine line;
    if (const char* dir = std::getenv("VANTOR_DATA_DIR"); dir != nullptr && dir[0] != '\0') {
        line.dataDir = dir;
    }
    // getopt keeps its place in globals: start afresh, and let it print nothing.
    optind = 0;
    opterr = 0;
    bool help = false;
    bool version = false;
    for (;;) {
        optopt = 0;
        const int option = getopt_long(argc, argv, ":hV", Options, nullptr);
        if (option == -1) {
            break;
        }
        // What getopt just looked at, for the message: a short option by its letter, a long one
        // as the argument it was given in.
        const bool shortOption = optopt > ' ' && optopt < 127;
        const std::string seen = shortOption ? std::string("-") + static_cast<char>(optopt)
                                 : optind > 0 && optind <= argc ? argv[optind - 1]
                                                                : "";
        switch (option) {
        case Fullscreen:
            line.fullscreen = true;
            break;
        case Windowed:
            line.fullscreen = false;
            break;
        case Mute:
            line.mute = true;
            break;
        case DataDir:
            if (optarg[0] == '\0') {
                return Misuse("--data-dir needs a folder");
            }
            line.dataDir = optarg;
            break;
        case Record:
        case Replay:
            if (optarg[0] == '\0') {
                return Misuse(std::string(option == Record ? "--record" : "--replay") +
                              " needs a file");
            }
            (option == Record ? line.record : line.replay) = optarg;
            break;
        case Verify:
            line.verify = true;
            break;
        case 'h':
            help = true;
            break;
        case 'V':
            version = true;
            break;
        default:
            // "--mute=yes" is told apart by its spelling: getopt implementations differ in
            // which error they give for it.
            if (IsKnownWithValue(seen)) {
                return Misuse("option '" + seen.substr(0, seen.find('=')) + "' takes no value");
            }
            if (option == ':') {
                return Misuse("option '" + seen + "' needs a value");
            }
            return Misuse("unknown option '" + seen + "'");
        }
    }
    if (optind < argc) {
        return Misuse(std::string("unexpected argument '") + argv[optind] + "'");
    }
    if (help) {
        line.action = Action::Help;
    } else if (version) {
        line.action = Action::Version;
    } else if (!line.record.empty() && !line.replay.empty()) {
        return Misuse("--record and --replay cannot go together");
    } else if (line.verify && line.replay.empty()) {
        return Misuse("--verify needs --replay FILE");
    } else if (line.verify) {
        line.action = Action::Verify;
    }
    return line;
}

std::string CommandLine::VersionText() {
    return std::string("vantor-game ") + VANTOR_VERSION + "\n";
}

std::string CommandLine::HelpText() {
    std::string text = R"(Usage: vantor-game [OPTION]...
Fly a ship through fifteen sectors of space: fight the enemy that chases and rams
you, take energy and science from planets, spend them in the engineering menu, and
destroy the boss waiting in sector 15.

Options:
      --fullscreen      start in fullscreen (this run only)
      --windowed        start in a window (this run only)
      --mute            start with the sound muted (this run only)
      --data-dir=DIR    read the game's pictures and sounds from DIR
      --record=FILE     write a replay of the run to FILE as well as to last.replay
      --replay=FILE     play the replay in FILE (+ and - change its speed)
      --verify          with --replay: check the replay without a window or sound,
                        print one line and exit (0 it ends as recorded, 1 it does
                        not, 2 the file cannot be read)
  -h, --help            print this help and exit
  -V, --version         print the version and exit

Controls (change the keys in the game's menu, under Controls):
  Left click            fly the ship to that point (costs warp energy)
  Right click           fire a torpedo at that point
)";
    // The keys by their defaults, from the one table of them.
    for (KeyBindings::Action action : KeyBindings::All) {
        std::string key = KeyBindings::KeyName(KeyBindings::Default(action));
        key.resize(std::max<std::size_t>(key.size() + 2, 22), ' ');
        text += "  " + key + KeyBindings::HelpText(action) + "\n";
    }
    text += R"(  Escape, Pause         the game's menu: options, controls, how to play, quit
  Ctrl+Q                quit
The top-row digits 1 to 6, the = key and the keypad's Enter stand in for the
numeric keypad's keys, while no other action has them.

Files:
  $XDG_CONFIG_HOME/vantor-game/settings.ini
                        the settings: fullscreen, window size and place, volumes,
                        mute, captions, the keys and the other choices of the menu
                        (without XDG_CONFIG_HOME, in ~/.config/vantor-game/)
  $XDG_DATA_HOME/vantor-game/screenshots/
                        screenshots (without XDG_DATA_HOME, in
                        ~/.local/share/vantor-game/screenshots/)
  $XDG_DATA_HOME/vantor-game/last.replay
                        a replay of the last run, to attach to a bug report
  $XDG_DATA_HOME/vantor-game/records.ini
                        the best runs, shown under Records in the game's menu

Environment:
  VANTOR_DATA_DIR       the folder of the game's pictures and sounds, as --data-dir
  VANTOR_SOUND_LOG      a file to write every sound command of the game to

Exit status: 0 after the game is closed, 2 for a wrong command line, 255 when the
game window or its drawing cannot be made; with --verify as said there.
)";
    return text;
}

} // namespace vantor::app
