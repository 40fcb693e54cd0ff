#include "GeneratedPictures.h"

#include "game/PictureManifest.h"

#include "tools/GenerateAssets.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

struct TempFolder {
    std::string path;
    ~TempFolder() {
        if (!path.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    }
};

} // namespace

const std::string& GeneratedPictures::Dir() {
    static TempFolder temp;
    static const std::string dir = [] {
        const char* given = std::getenv("VANTOR_PICTURE_DIR");
        if (given != nullptr && std::filesystem::is_directory(given)) {
            return std::string(given);
        }
        temp.path = (std::filesystem::temp_directory_path() /
                     ("vantor-pictures-" + std::to_string(getpid())))
                        .string();
        std::filesystem::create_directories(temp.path);
        GeneratePictures(temp.path);
        return temp.path;
    }();
    return dir;
}

const Picture& GeneratedPictures::Load(const std::string& name) {
    static std::map<std::string, Picture> cache;
    const auto found = cache.find(name);
    if (found != cache.end()) {
        return found->second;
    }
    Picture& picture = cache[name];
    SDL_Surface* surface = IMG_Load(Path(name).c_str());
    if (surface == nullptr) {
        return picture;
    }
    picture.hasAlpha =
        SDL_ISPIXELFORMAT_ALPHA(surface->format->format) || surface->format->Amask != 0;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(surface);
    if (rgba == nullptr) {
        return picture;
    }
    picture.width = rgba->w;
    picture.height = rgba->h;
    picture.rgba.resize(static_cast<std::size_t>(rgba->w) * rgba->h * 4);
    for (int y = 0; y < rgba->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
        std::copy(row, row + rgba->w * 4,
                  picture.rgba.begin() + static_cast<std::ptrdiff_t>(y) * rgba->w * 4);
    }
    SDL_FreeSurface(rgba);
    return picture;
}

std::vector<std::uint8_t> GeneratedPictures::Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::vector<std::string>& GeneratedPictures::AllNames() {
    static const std::vector<std::string> names(PictureManifest::Files.begin(),
                                                PictureManifest::Files.end());
    return names;
}
