#include "app/UserFolders.h"

#include <SDL.h>

#include <cstdlib>

namespace {

constexpr const char* GameFolder = "vantor-game";

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

std::string UserFolders::SettingsFile() {
#ifdef _WIN32
    const std::string folder = PreferenceFolder();
    return folder.empty() ? folder : folder + "settings.ini";
#else
    const std::string base = BaseFolder("XDG_CONFIG_HOME", ".config");
    return base.empty() ? base : base + "/" + GameFolder + "/settings.ini";
#endif
}

std::string UserFolders::ScreenshotFolder() {
#ifdef _WIN32
    const std::string folder = PreferenceFolder();
    return folder.empty() ? folder : folder + "screenshots";
#else
    const std::string base = BaseFolder("XDG_DATA_HOME", ".local/share");
    return base.empty() ? base : base + "/" + GameFolder + "/screenshots";
#endif
}
