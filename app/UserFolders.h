#pragma once

#include <string>

namespace vantor::app {

// Where the game keeps what it writes for the player: the settings (and reads the player's
// gamepad descriptions) in the configuration folder ($XDG_CONFIG_HOME/vantor-game, else
// ~/.config/vantor-game) and the screenshots, the last run's replay and the records in the
// data folder ($XDG_DATA_HOME/vantor-game, else ~/.local/share/vantor-game);
// on Windows both under SDL's preference folder; on the web both in /settings, which the page
// keeps in the browser's storage. An empty string when there is no home to put them in.
class UserFolders {
public:
    static std::string SettingsFile();
    // Descriptions of gamepads SDL does not know, in SDL's format, beside the settings.
    static std::string PadMappingsFile();
    static std::string ScreenshotFolder();
    // The replay of the last run, and the records of the best runs, in the data folder.
    static std::string LastReplayPath();
    static std::string RecordsPath();

private:
    // The game's file or folder of that name in the XDG base folder the variable names (else
    // the one below the home folder), or in the preference folder on Windows.
    static std::string Folder(const char* variable, const char* belowHome, const char* name);
    // The XDG base folder named by the variable (only an absolute path counts), else the
    // folder below the home folder.
    static std::string BaseFolder(const char* variable, const char* belowHome);
};

} // namespace vantor::app
