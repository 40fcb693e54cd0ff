#include "app/DataFolder.h"

#include "game/PictureManifest.h"
#include "sound/SoundFiles.h"

#include <SDL.h>

#include <filesystem>
#include <system_error>

namespace vantor::app {

namespace fs = std::filesystem;

// Both are set by the build: the data folder relative to the program's folder as installed
// (for instance ../share/vantor-game), and the build tree's generated folder (empty in a
// build made for packaging).
#ifndef VANTOR_DATA_FROM_PROGRAM
#error "VANTOR_DATA_FROM_PROGRAM must name the data folder relative to the program's folder"
#endif
#ifndef VANTOR_BUILD_DATA_DIR
#define VANTOR_BUILD_DATA_DIR ""
#endif

bool DataFolder::HasGameFiles(const std::string& dir) {
    std::error_code error;
    const char* title = game::PictureManifest::Of(game::PictureManifest::Field::SplashScreen)->file;
    return std::filesystem::is_regular_file(std::filesystem::path(dir) / title, error);
}

std::vector<std::string> DataFolder::MissingFiles(const std::string& dir) {
    std::vector<std::string> missing;
    const auto check = [&](const char* file) {
        std::error_code error;
        if (!fs::is_regular_file(fs::path(dir) / file, error)) {
            missing.emplace_back(file);
        }
    };
    for (const char* file : game::PictureManifest::Files) {
        check(file);
    }
    for (const char* file : sound::SoundFiles::EveryName) {
        check(file);
    }
    return missing;
}

std::string DataFolder::MissingMessage(const std::string& dir,
                                       const std::vector<std::string>& missing) {
    constexpr std::size_t Named = 10;
    const std::size_t all = game::PictureManifest::Files.size() + sound::SoundFiles::EveryCount;
    std::string message = "The game's pictures and sounds are not all in " + dir + ": ";
    if (missing.size() == all) {
        message += "none of its " + std::to_string(all) + " files is there";
    } else {
        message += std::to_string(missing.size()) + " of its " + std::to_string(all) + " files " +
                   (missing.size() == 1 ? "is" : "are") + " missing";
    }
    message += " (";
    for (std::size_t i = 0; i < missing.size() && i < Named; ++i) {
        message += (i > 0 ? ", " : "") + missing[i];
    }
    if (missing.size() > Named) {
        message += " and " + std::to_string(missing.size() - Named) + " more";
    }
    message += "). Reinstall the game, or give the folder that holds them with --data-dir.";
    return message;
}

std::string DataFolder::InstalledFolder() {
    char* base = SDL_GetBasePath(); // the program's own folder, with a separator at its end
    if (base == nullptr) {
        return {};
    }
    const fs::path programFolder(base);
    SDL_free(base);
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(programFolder / VANTOR_DATA_FROM_PROGRAM, error);
    return error ? std::string() : folder.string();
}

std::string DataFolder::BuildFolder() {
    return VANTOR_BUILD_DATA_DIR;
}

bool DataFolder::Enter(const std::string& asked, std::string& folder, std::string& error) {
    folder.clear();
    std::error_code entered;
    if (!asked.empty()) {
        fs::current_path(asked, entered);
        if (entered) {
            error = asked + ": " + entered.message();
            return false;
        }
        folder = asked;
        return true;
    }
    for (const std::string& candidate : {InstalledFolder(), BuildFolder()}) {
        if (candidate.empty() || !HasGameFiles(candidate)) {
            continue;
        }
        fs::current_path(candidate, entered);
        if (!entered) {
            folder = candidate;
            return true;
        }
    }
    return true;
}

} // namespace vantor::app
