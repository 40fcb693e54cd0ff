#include "graphics/PictureLoader.h"

#include "graphics/ImageErrorReporter.h"
#include "graphics/ImageHeader.h"

#include <SDL_image.h>

namespace {

// Opens the file and makes sure it holds a picture of a known kind whose header is whole and
// whose sides are sane, so that the decoder is only ever handed a plausible picture.
SDL_RWops* OpenPicture(const char* fileName) {
    SDL_RWops* file = fileName != nullptr ? SDL_RWFromFile(fileName, "rb") : nullptr;
    if (file == nullptr) {
        ReportImageError(PictureLoader::FileError, fileName);
        return nullptr;
    }
    const ImageHeader::Format format = ImageHeader::Detect(file);
    if (format == ImageHeader::Format::Unknown) {
        SDL_RWclose(file);
        ReportImageError(PictureLoader::FileError, fileName);
        return nullptr;
    }
    long long width = 0;
    long long height = 0;
    if (!ImageHeader::ReadSize(file, format, width, height) || width <= 0 || height <= 0 ||
        width >= ImageHeader::MaxSide || height >= ImageHeader::MaxSide ||
        SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(file);
        ReportImageError(PictureLoader::FrameError, fileName);
        return nullptr;
    }
    return file;
}

} // namespace

SDL_Surface* PictureLoader::Load(const char* fileName) {
    // The decoders load on first use whatever is initialised here or not; asking for the
    // game's kinds up front only moves that work to the first picture.
    IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);

    SDL_RWops* file = OpenPicture(fileName);
    if (file == nullptr) {
        return nullptr;
    }
    SDL_Surface* decoded = IMG_Load_RW(file, 1);
    if (decoded == nullptr) {
        ReportImageError(FrameError, fileName);
        return nullptr;
    }
    SDL_PixelFormat* argb = SDL_AllocFormat(SDL_PIXELFORMAT_ARGB8888);
    if (argb == nullptr) {
        SDL_FreeSurface(decoded);
        ReportImageError(ConverterError, fileName);
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurface(decoded, argb, 0);
    SDL_FreeFormat(argb);
    SDL_FreeSurface(decoded);
    if (converted == nullptr) {
        ReportImageError(ConvertError, fileName);
        return nullptr;
    }
    return converted;
}
