#include "app/AssetFolder.h"

#include "game/PictureManifest.h"

#include <SDL.h>

#include <filesystem>
#include <system_error>

bool HasGameFiles(const std::string& dir) {
    std::error_code error;
    const char* title = PictureManifest::Of(PictureManifest::Field::SplashScreen)->file;
    return std::filesystem::is_regular_file(std::filesystem::path(dir) / title, error);
}

std::string EnterAssetFolder() {
    if (HasGameFiles(".")) {
        return {};
    }
    char* base = SDL_GetBasePath(); // the program's own folder, with a trailing slash
    if (base == nullptr) {
        return {};
    }
    const std::filesystem::path programDir(base);
    SDL_free(base);
    for (const char* relative : {"../share/vantor-game", "../assets", "assets"}) {
        std::error_code error;
        const std::filesystem::path candidate =
            std::filesystem::weakly_canonical(programDir / relative, error);
        if (error || !HasGameFiles(candidate.string())) {
            continue;
        }
        std::filesystem::current_path(candidate, error);
        if (!error) {
            return candidate.string();
        }
    }
    return {};
}
