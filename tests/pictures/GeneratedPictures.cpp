#include "GeneratedPictures.h"

#include "game/PictureManifest.h"
#include "support/TempDirectory.h"
#include "tools/pictures/GeneratePictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace vantor::test {

const std::string& GeneratedPictures::Dir() {
    static std::unique_ptr<TempDirectory> temp;
    static const std::string dir = [] {
        const char* given = std::getenv("VANTOR_PICTURE_DIR");
        if (given != nullptr && std::filesystem::is_directory(given)) {
            return std::string(given);
        }
        temp = std::make_unique<TempDirectory>();
        tools::pictures::GeneratePictures(temp->Path());
        return temp->Path();
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

const std::vector<std::string>& GeneratedPictures::AllNames() {
    static const std::vector<std::string> names(game::PictureManifest::Files.begin(),
                                                game::PictureManifest::Files.end());
    return names;
}

} // namespace vantor::test
