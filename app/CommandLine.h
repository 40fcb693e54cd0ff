#pragma once

#include <optional>
#include <string>

namespace vantor::app {

// The program's command line. Options only change this run: nothing here is saved.
class CommandLine {
public:
    enum class Action {
        Play,    // start the game
        Help,    // print the help text and exit 0
        Version, // print the version and exit 0
        Misuse,  // print the one-line message and exit 2
        Verify,  // check the replay headless, print one line and exit 0, 1 or 2
    };

    Action action = Action::Play;
    std::optional<bool> fullscreen; // --fullscreen or --windowed, the last one given
    bool mute = false;
    std::string dataDir; // --data-dir, else VANTOR_DATA_DIR, else empty
    std::string record;  // --record: a replay of this run is written there too
    std::string replay;  // --replay: the replay played instead of the player's game
    bool verify = false; // --verify (with --replay): checked headless, then exit
    std::string message; // for Misuse: what was wrong and how the program is used, one line

    static constexpr int ExitMisuse = 2;

    // Reads the arguments (and VANTOR_DATA_DIR, which --data-dir overrides). Prints nothing.
    static CommandLine Parse(int argc, char** argv);

    // The help text, ready for help2man: usage, description, options, keys, files, environment.
    static std::string HelpText();
    // The name and version, one line.
    static std::string VersionText();
};

} // namespace vantor::app
