#pragma once

#include "app/Settings.h"

#include <string>
#include <vector>

namespace vantor::app {

// The settings as an INI file a player may also edit by hand. Reading is done by inih;
// writing changes only the lines of the settings themselves, so comments, blank lines, keys
// and sections the game does not know stay as they were. The file is written only when a
// setting differs from what it holds, and always atomically.
//
// [window]  fullscreen, x, y, width, height
// [sound]   volume, music, effects, voices (percent), mute, captions
// [game]    pause_on_focus_loss, each_press_once, keep_mouse_inside, left_handed,
//           played_before
// [keys]    start, take_energy, ... help: each action's key by SDL's name of it (KeyBindings)
class SettingsFile {
public:
    // A line of the [keys] section the game could not take as it stands: a name that is no
    // key, or a key another action already has. The rest of the file is read all the same.
    struct Warning {
        int line; // from 1
        std::string text;
    };

    explicit SettingsFile(std::string path);

    // The settings the file holds; the defaults where it has none or when there is no file. A
    // file that cannot be read as settings (its syntax, or a value that is no value of its
    // setting) gives the defaults: the game says on stderr which file and line, moves the file
    // aside as <name>.bad and writes a new one. A key it cannot take leaves that action its
    // default and is said on stderr with its line (Warnings).
    Settings Load();
    // What the last Load could not take of the [keys] section.
    const std::vector<Warning>& Warnings() const { return warnings; }
    // What went wrong with the file at the last Load, in one short line for the screen (the
    // file put aside, or the first key it could not take); empty when nothing did.
    const std::string& Problem() const { return problem; }

    // Writes the settings unless they are exactly what the file holds (the defaults, while
    // there is no file). False when the file cannot be written; the first time, the game says
    // on stderr that settings will not be kept. The folder is made when it is missing.
    bool Save(const Settings& settings);

    const std::string& Path() const { return path; }

    // The text of a file holding the settings, made from the given lines of an earlier file
    // (which may be empty) as Save writes it.
    static std::string Text(const std::vector<std::string>& lines, const Settings& settings);

    // Reads the text. False, with the first line (from 1) that cannot be read and why, when the
    // text is no settings file; the keys it could not take go to warnings when given.
    static bool Parse(const std::string& text, Settings& settings, int& badLine, std::string& why,
                      std::vector<Warning>* warnings = nullptr);

private:
    bool Write(const Settings& settings);

    std::string path;
    std::vector<std::string> lines; // the file as last read or written
    Settings stored;                // what the file holds
    std::vector<Warning> warnings;  // of the last Load
    std::string problem;
    bool toldUnwritable = false;
};

} // namespace vantor::app
