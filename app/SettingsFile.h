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
// [sound]   volume, music, effects, voices (percent), mute
// [game]    pause_on_focus_loss
class SettingsFile {
public:
    explicit SettingsFile(std::string path);

    // The settings the file holds; the defaults where it has none or when there is no file. A
    // file that cannot be read as settings (its syntax, or a value that is no value of its
    // setting) gives the defaults: the game says on stderr which file and line, moves the file
    // aside as <name>.bad and writes a new one.
    Settings Load();

    // Writes the settings unless they are exactly what the file holds (the defaults, while
    // there is no file). False when the file cannot be written; the first time, the game says
    // on stderr that settings will not be kept. The folder is made when it is missing.
    bool Save(const Settings& settings);

    const std::string& Path() const { return path; }

    // The text of a file holding the settings, made from the given lines of an earlier file
    // (which may be empty) as Save writes it.
    static std::string Text(const std::vector<std::string>& lines, const Settings& settings);

    // Reads the text. False, with the first line (from 1) that cannot be read and why, when the
    // text is no settings file.
    static bool Parse(const std::string& text, Settings& settings, int& badLine, std::string& why);

private:
    bool Write(const Settings& settings);

    std::string path;
    std::vector<std::string> lines; // the file as last read or written
    Settings stored;                // what the file holds
    bool toldUnwritable = false;
};

} // namespace vantor::app
