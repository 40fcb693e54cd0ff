#include "app/Screenshot.h"

#include "app/AtomicFile.h"
#include "app/LocalTime.h"
#include "graphics/Graphics.h"

#include <SDL.h>
#include <SDL_image.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace vantor::app {

namespace fs = std::filesystem;

namespace {

// SDL writes the PNG through this, into a string.
size_t AppendBytes(SDL_RWops* stream, const void* bytes, size_t size, size_t count) {
    auto* png = static_cast<std::string*>(stream->hidden.unknown.data1);
    png->append(static_cast<const char*>(bytes), size * count);
    return count;
}

Sint64 NoSize(SDL_RWops*) {
    return -1;
}

Sint64 NoSeek(SDL_RWops*, Sint64, int) {
    return -1;
}

size_t NoRead(SDL_RWops*, void*, size_t, size_t) {
    return 0;
}

int FreeStream(SDL_RWops* stream) {
    SDL_FreeRW(stream);
    return 0;
}

#ifdef __EMSCRIPTEN__
// Hands the bytes to the player as a file to download, through a link that is clicked at once.
// clang-format off
EM_JS(void, OfferDownload, (const unsigned char* bytes, size_t size, const char* name), {
    const link = document.createElement("a");
    const picture = new Blob([HEAPU8.slice(bytes, bytes + size)], {type: "image/png"});
    link.href = URL.createObjectURL(picture);
    link.download = UTF8ToString(name);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function() { URL.revokeObjectURL(link.href); }, 10000);
});
// clang-format on
#endif

} // namespace

std::string Screenshot::FileName(const std::tm& time, int sameSecond) {
    char name[80];
    const int length = std::snprintf(name, sizeof name, "vantor-game-%04d-%02d-%02d_%02d-%02d-%02d",
                                     time.tm_year + 1900, time.tm_mon + 1, time.tm_mday,
                                     time.tm_hour, time.tm_min, time.tm_sec);
    if (sameSecond > 1 && length > 0 && length < int(sizeof name)) {
        std::snprintf(name + length, sizeof name - std::size_t(length), "-%d", sameSecond);
    }
    return std::string(name) + ".png";
}

bool Screenshot::Encode(Graphics& graphics, std::string& png, std::string& error) {
    std::vector<uint32_t> pixels(size_t(Graphics::Width) * Graphics::Height);
    if (!graphics.ReadPixels(pixels.data())) {
        error = std::string("cannot read the picture: ") + SDL_GetError();
        return false;
    }
    // Whatever the picture holds, the screenshot is opaque, as the player sees it.
    for (uint32_t& pixel : pixels) {
        pixel |= 0xFF000000u;
    }
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), Graphics::Width, Graphics::Height, 32,
                                           Graphics::Width * 4, SDL_PIXELFORMAT_ARGB8888);
    SDL_RWops* stream = SDL_AllocRW();
    if (surface == nullptr || stream == nullptr) {
        error = SDL_GetError();
        SDL_FreeSurface(surface);
        if (stream != nullptr) {
            SDL_FreeRW(stream);
        }
        return false;
    }
    png.clear();
    stream->size = NoSize;
    stream->seek = NoSeek;
    stream->read = NoRead;
    stream->write = AppendBytes;
    stream->close = FreeStream;
    stream->hidden.unknown.data1 = &png;
    const bool encoded = IMG_SavePNG_RW(surface, stream, 1) == 0;
    SDL_FreeSurface(surface);
    if (!encoded) {
        error = std::string("cannot encode the picture: ") + SDL_GetError();
    }
    return encoded;
}

std::string Screenshot::Save(Graphics& graphics, const std::string& folder, std::string& error) {
    if (folder.empty()) {
        error = "there is no folder for screenshots (HOME is not set)";
        return {};
    }
    std::string png;
    if (!Encode(graphics, png, error)) {
        return {};
    }
    const std::tm local = LocalTime(std::time(nullptr));
#ifdef __EMSCRIPTEN__
    // In the browser a file in the page's memory would be lost with the page: the picture is
    // offered to the player as a download instead, under the same name.
    (void)folder;
    const std::string name = FileName(local, 1);
    OfferDownload(reinterpret_cast<const unsigned char*>(png.data()), png.size(), name.c_str());
    return name;
#else
    std::error_code made;
    fs::create_directories(folder, made);
    if (made) {
        error = folder + ": " + made.message();
        return {};
    }
    for (int sameSecond = 1; sameSecond < 1000; ++sameSecond) {
        const std::string path = (fs::path(folder) / FileName(local, sameSecond)).string();
        std::error_code ignored;
        if (fs::exists(path, ignored)) {
            continue;
        }
        if (!AtomicFile::Write(path, png, error)) {
            error = path + ": " + error;
            return {};
        }
        return path;
    }
    error = "too many screenshots in one second";
    return {};
#endif
}

} // namespace vantor::app
