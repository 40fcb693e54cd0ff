#include "app/UserFolders.h"

#include <SDL.h>

#include <cstdlib>

namespace vantor::app {

namespace {

#ifndef __EMSCRIPTEN__
constexpr const char* GameFolder = "vantor-game";
#endif

#ifdef _WIN32
std::string PreferenceFolder() {
    char* folder = SDL_GetPrefPath(nullptr, GameFolder);
    if (folder == nullptr) {
        return {};
    }
    std::string path(folder); // ends in a separator
    SDL_free(folder);
    return path;
}
#endif

} // namespace

std::string UserFolders::BaseFolder(const char* variable, const char* belowHome) {
    if (const char* base = std::getenv(variable); base != nullptr && base[0] == '/') {
        return base;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        return {};
    }
    return std::string(home) + "/" + belowHome;
}

std::string UserFolders::Folder(const char* variable, const char* belowHome, const char* name) {
#if defined(__EMSCRIPTEN__)
    // The page keeps /settings in the browser's storage (IndexedDB).
    (void)variable;
    (void)belowHome;
    const std::string folder = "/settings/";
#elif defined(_WIN32)
    (void)variable;
    (void)belowHome;
    const std::string folder = PreferenceFolder();
#else
    const std::string base = BaseFolder(variable, belowHome);
    const std::string folder = base.empty() ? base : base + "/" + GameFolder + "/";
#endif
    return folder.empty() ? folder : folder + name;
}

std::string UserFolders::SettingsFile() {
    return Folder("XDG_CONFIG_HOME", ".config", "settings.ini");
}

std::string UserFolders::PadMappingsFile() {
    return Folder("XDG_CONFIG_HOME", ".config", "gamecontrollerdb.txt");
}

std::string UserFolders::ScreenshotFolder() {
    return Folder("XDG_DATA_HOME", ".local/share", "screenshots");
}

std::string UserFolders::LastReplayPath() {
    return Folder("XDG_DATA_HOME", ".local/share", "last.replay");
}

std::string UserFolders::RecordsPath() {
    return Folder("XDG_DATA_HOME", ".local/share", "records.ini");
}

} // namespace vantor::app
