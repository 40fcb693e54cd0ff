#include "graphics/PictureLoader.h"

#include "graphics/ImageErrorReporter.h"
#include "graphics/ImageHeader.h"

#include <SDL_image.h>

#include <climits>

namespace {

// Makes sure the opened file holds a picture of a known kind whose header is whole and whose
// sides are sane, so that the decoder is only ever handed a plausible picture, and tells the
// kind. Closes the file, reports and answers Unknown when it does not.
ImageHeader::Format CheckPicture(SDL_RWops* file, const char* name) {
    const ImageHeader::Format format = ImageHeader::Detect(file);
    if (format == ImageHeader::Format::Unknown) {
        SDL_RWclose(file);
        ReportImageError(PictureLoader::FileError, name);
        return ImageHeader::Format::Unknown;
    }
    long long width = 0;
    long long height = 0;
    if (!ImageHeader::ReadSize(file, format, width, height) || width <= 0 || height <= 0 ||
        width >= ImageHeader::MaxSide || height >= ImageHeader::MaxSide ||
        SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(file);
        ReportImageError(PictureLoader::FrameError, name);
        return ImageHeader::Format::Unknown;
    }
    return format;
}

// Decodes with the decoder of the kind the header was checked for. Left to guess by itself,
// SDL_image would try every kind it knows on a file whose own decoder turns it down, and
// could find, say, a drawing in another format inside a JPEG file's comment and decode that
// at whatever size it claims.
SDL_Surface* DecodeAs(ImageHeader::Format format, SDL_RWops* file) {
    switch (format) {
    case ImageHeader::Format::Bmp:
        return IMG_LoadBMP_RW(file);
    case ImageHeader::Format::Png:
        return IMG_LoadPNG_RW(file);
    case ImageHeader::Format::Jpeg:
        return IMG_LoadJPG_RW(file);
    case ImageHeader::Format::Unknown:
        break;
    }
    return nullptr;
}

} // namespace

SDL_Surface* PictureLoader::Load(const char* fileName) {
    SDL_RWops* file = fileName != nullptr ? SDL_RWFromFile(fileName, "rb") : nullptr;
    if (file == nullptr) {
        ReportImageError(FileError, fileName);
        return nullptr;
    }
    return Decode(file, fileName);
}

SDL_Surface* PictureLoader::LoadFromMemory(const void* bytes, std::size_t size, const char* name) {
    SDL_RWops* file = bytes != nullptr && size > 0 && size <= std::size_t(INT_MAX)
                          ? SDL_RWFromConstMem(bytes, int(size))
                          : nullptr;
    if (file == nullptr) {
        ReportImageError(FileError, name);
        return nullptr;
    }
    return Decode(file, name);
}

SDL_Surface* PictureLoader::Decode(SDL_RWops* file, const char* name) {
    // The decoders load on first use whatever is initialised here or not; asking for the
    // game's kinds up front only moves that work to the first picture.
    IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);

    const ImageHeader::Format format = CheckPicture(file, name);
    if (format == ImageHeader::Format::Unknown) {
        return nullptr;
    }
    SDL_Surface* decoded = DecodeAs(format, file);
    SDL_RWclose(file);
    if (decoded == nullptr) {
        ReportImageError(FrameError, name);
        return nullptr;
    }
    SDL_PixelFormat* argb = SDL_AllocFormat(SDL_PIXELFORMAT_ARGB8888);
    if (argb == nullptr) {
        SDL_FreeSurface(decoded);
        ReportImageError(ConverterError, name);
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurface(decoded, argb, 0);
    SDL_FreeFormat(argb);
    SDL_FreeSurface(decoded);
    if (converted == nullptr) {
        ReportImageError(ConvertError, name);
        return nullptr;
    }
    return converted;
}
