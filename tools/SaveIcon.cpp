// Writes the game's icon, each size drawn at its own size:
//   vantor-icon FOLDER NAME   every size the desktop asks for, as PNG files in the icon theme's
//                             layout: FOLDER/SIZExSIZE/apps/NAME.png
//   vantor-icon --ico FILE    the Windows icon: the 16, 32, 48 and 256 pixel pictures in one
//                             .ico file
#include "app/GameIcon.h"

#include <SDL_image.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The icon of that size as PNG bytes; empty when it cannot be made.
std::vector<uint8_t> Png(int size) {
    std::vector<uint8_t> bytes;
    SDL_Surface* icon = vantor::app::CreateGameIcon(size);
    if (icon == nullptr) {
        return bytes;
    }
    // Room for the pixels uncompressed, and more.
    std::vector<uint8_t> buffer(std::size_t(size) * size * 8 + 4096);
    SDL_RWops* stream = SDL_RWFromMem(buffer.data(), static_cast<int>(buffer.size()));
    if (stream != nullptr && IMG_SavePNG_RW(icon, stream, 0) == 0) {
        bytes.assign(buffer.begin(), buffer.begin() + SDL_RWtell(stream));
    }
    if (stream != nullptr) {
        SDL_RWclose(stream);
    }
    SDL_FreeSurface(icon);
    return bytes;
}

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// An .ico file of PNG pictures, as Windows reads them since Vista.
bool WriteIco(const std::string& file) {
    const int sizes[] = {16, 32, 48, 256};
    std::vector<std::vector<uint8_t>> pictures;
    for (int size : sizes) {
        pictures.push_back(Png(size));
        if (pictures.back().empty()) {
            return false;
        }
    }
    std::vector<uint8_t> ico;
    Put(ico, 0, 2); // reserved
    Put(ico, 1, 2); // an icon
    Put(ico, static_cast<uint32_t>(pictures.size()), 2);
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        Put(ico, sizes[i] == 256 ? 0 : static_cast<uint32_t>(sizes[i]), 1); // 0 stands for 256
        Put(ico, sizes[i] == 256 ? 0 : static_cast<uint32_t>(sizes[i]), 1);
        Put(ico, 0, 1); // no palette
        Put(ico, 0, 1);
        Put(ico, 1, 2);  // planes
        Put(ico, 32, 2); // bits per pixel
        Put(ico, static_cast<uint32_t>(pictures[i].size()), 4);
        Put(ico, offset, 4);
        offset += static_cast<uint32_t>(pictures[i].size());
    }
    for (const std::vector<uint8_t>& picture : pictures) {
        ico.insert(ico.end(), picture.begin(), picture.end());
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    return static_cast<bool>(out);
}

bool WriteThemeIcons(const std::filesystem::path& folder, const std::string& name) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const std::string side = std::to_string(size);
        const std::filesystem::path apps = folder / (side + "x" + side) / "apps";
        std::error_code error;
        std::filesystem::create_directories(apps, error);
        const std::vector<uint8_t> png = Png(size);
        std::ofstream out(apps / (name + ".png"), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(png.data()),
                  static_cast<std::streamsize>(png.size()));
        if (error || png.empty() || !out) {
            std::fprintf(stderr, "vantor-icon: cannot write the %dx%d icon in %s\n", size, size,
                         apps.string().c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER NAME | %s --ico FILE\n", argv[0], argv[0]);
        return 2;
    }
    if (std::string(argv[1]) == "--ico") {
        if (!WriteIco(argv[2])) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
            return 1;
        }
        return 0;
    }
    return WriteThemeIcons(argv[1], argv[2]) ? 0 : 1;
}
