#include "graphics/PictureLoader.h"

#include "graphics/CanvasPicture.h"
#include "graphics/ImageErrorReporter.h"
#include "graphics/ImageHeader.h"

#include <SDL_image.h>

#include <bit>
#include <climits>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vantor::graphics {

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

// Four pixels of three bytes each, read as three little-endian words, as ARGB8888: bytes red,
// green, blue (RGB24) or blue, green, red (BGR24).
template <bool RedFirst> void FourFrom24(const Uint8* in, Uint32* out) {
    Uint32 a = 0;
    Uint32 b = 0;
    Uint32 c = 0;
    std::memcpy(&a, in, 4);
    std::memcpy(&b, in + 4, 4);
    std::memcpy(&c, in + 8, 4);
    // The bytes in order: a holds 0 to 3, b 4 to 7, c 8 to 11.
    const Uint32 p0 = a & 0xFFFFFFu;
    const Uint32 p1 = a >> 24 | (b & 0xFFFFu) << 8;
    const Uint32 p2 = b >> 16 | (c & 0xFFu) << 16;
    const Uint32 p3 = c >> 8;
    auto argb = [](Uint32 bytes) {
        // bytes holds the first byte lowest; ARGB wants red in bits 16 to 23.
        if constexpr (RedFirst) {
            return 0xFF000000u | (bytes & 0xFFu) << 16 | (bytes & 0xFF00u) | bytes >> 16;
        } else {
            return 0xFF000000u | bytes;
        }
    };
    out[0] = argb(p0);
    out[1] = argb(p1);
    out[2] = argb(p2);
    out[3] = argb(p3);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VANTOR_SHUFFLE_24 1
// Four pixels at a time with one byte shuffle (SSSE3, which every x86-64 processor of the last
// fifteen years has; asked at run time). Each load reads sixteen bytes for twelve, so the loop
// stops while six pixels are still left for the plain one. Returns how many it turned.
template <bool RedFirst>
__attribute__((target("ssse3"))) int ShuffleFrom24(const Uint8* in, Uint32* out, int width) {
    const __m128i order = RedFirst
                              ? _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1)
                              : _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    int x = 0;
    for (; x + 6 <= width; x += 4, in += 12) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_or_si128(_mm_shuffle_epi8(bytes, order), opaque));
    }
    return x;
}

bool HasShuffle() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}
#endif

template <bool RedFirst> void RowFrom24(const Uint8* in, Uint32* out, int width) {
    int x = 0;
#ifdef VANTOR_SHUFFLE_24
    if (HasShuffle()) {
        x = ShuffleFrom24<RedFirst>(in, out, width);
        in += 3 * x;
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        // Four at a time: twelve bytes, three whole words.
        for (; x + 4 <= width; x += 4, in += 12) {
            FourFrom24<RedFirst>(in, out + x);
        }
    }
    for (; x < width; ++x, in += 3) {
        const Uint32 red = RedFirst ? in[0] : in[2];
        const Uint32 blue = RedFirst ? in[2] : in[0];
        out[x] = 0xFF000000u | red << 16 | Uint32(in[1]) << 8 | blue;
    }
}

// The decoders' usual layouts turned into ARGB8888 by plain loops, several times faster than
// SDL's general converter, premultiplied if asked; opaque tells whether every pixel came out
// fully opaque. False, with nothing written, for any other layout.
bool FastConvert(SDL_Surface* decoded, Uint32* pixels, int pitch, bool premultiply, bool& opaque) {
    const Uint32 format = decoded->format->format;
    const bool known = format == SDL_PIXELFORMAT_RGB24 || format == SDL_PIXELFORMAT_BGR24 ||
                       format == SDL_PIXELFORMAT_ABGR8888 || format == SDL_PIXELFORMAT_ARGB8888;
    if (!known || SDL_HasColorKey(decoded) || SDL_MUSTLOCK(decoded)) {
        return false;
    }
    Uint32 allAlpha = 0xFF000000u;
    for (int y = 0; y < decoded->h; ++y) {
        const auto* in =
            static_cast<const Uint8*>(decoded->pixels) + size_t(y) * size_t(decoded->pitch);
        auto* out =
            reinterpret_cast<Uint32*>(reinterpret_cast<Uint8*>(pixels) + size_t(y) * size_t(pitch));
        switch (format) {
        case SDL_PIXELFORMAT_RGB24:
            RowFrom24<true>(in, out, decoded->w);
            break;
        case SDL_PIXELFORMAT_BGR24:
            RowFrom24<false>(in, out, decoded->w);
            break;
        case SDL_PIXELFORMAT_ABGR8888: // bytes red, green, blue, alpha
            for (int x = 0; x < decoded->w; ++x, in += 4) {
                const Uint32 pixel =
                    Uint32(in[3]) << 24 | Uint32(in[0]) << 16 | Uint32(in[1]) << 8 | in[2];
                allAlpha &= pixel;
                out[x] = premultiply ? CanvasPicture::Premultiplied(pixel) : pixel;
            }
            break;
        default: // already ARGB8888
            for (int x = 0; x < decoded->w; ++x) {
                Uint32 pixel = 0;
                std::memcpy(&pixel, in + 4 * x, 4);
                allAlpha &= pixel;
                out[x] = premultiply ? CanvasPicture::Premultiplied(pixel) : pixel;
            }
            break;
        }
    }
    opaque = (allAlpha & 0xFF000000u) == 0xFF000000u;
    return true;
}

} // namespace

SDL_Surface* PictureLoader::Load(const char* fileName) {
    SDL_RWops* file = fileName != nullptr ? SDL_RWFromFile(fileName, "rb") : nullptr;
    if (file == nullptr) {
        ReportImageError(FileError, fileName);
        return nullptr;
    }
    return ToArgb(Decode(file, fileName), fileName);
}

SDL_Surface* PictureLoader::LoadDecoded(const char* fileName) {
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
    return ToArgb(Decode(file, name), name);
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
    return decoded;
}

SDL_Surface* PictureLoader::ToArgb(SDL_Surface* decoded, const char* name) {
    if (decoded == nullptr) {
        return nullptr;
    }
    SDL_Surface* argb =
        SDL_CreateRGBSurfaceWithFormat(0, decoded->w, decoded->h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (argb == nullptr) {
        SDL_FreeSurface(decoded);
        ReportImageError(ConvertError, name);
        return nullptr;
    }
    const bool converted =
        ConvertInto(decoded, static_cast<Uint32*>(argb->pixels), argb->pitch, name);
    SDL_FreeSurface(decoded);
    if (!converted) {
        SDL_FreeSurface(argb);
        return nullptr;
    }
    return argb;
}

bool PictureLoader::ConvertInto(SDL_Surface* decoded, Uint32* pixels, int pitch, const char* name) {
    bool opaque = false;
    if (FastConvert(decoded, pixels, pitch, false, opaque)) {
        return true;
    }
    return SlowConvert(decoded, pixels, pitch, name);
}

bool PictureLoader::ConvertPremultipliedInto(SDL_Surface* decoded, Uint32* pixels, int pitch,
                                             const char* name, bool& opaque) {
    if (FastConvert(decoded, pixels, pitch, true, opaque)) {
        return true;
    }
    if (!SlowConvert(decoded, pixels, pitch, name)) {
        return false;
    }
    opaque = CanvasPicture::Premultiply(pixels, decoded->w, decoded->h, pitch);
    return true;
}

bool PictureLoader::SlowConvert(SDL_Surface* decoded, Uint32* pixels, int pitch, const char* name) {
    // Any other layout (a palette, a colour key) goes through SDL's converter.
    SDL_PixelFormat* argb = SDL_AllocFormat(SDL_PIXELFORMAT_ARGB8888);
    if (argb == nullptr) {
        ReportImageError(ConverterError, name);
        return false;
    }
    SDL_Surface* converted = SDL_ConvertSurface(decoded, argb, 0);
    SDL_FreeFormat(argb);
    if (converted == nullptr) {
        ReportImageError(ConvertError, name);
        return false;
    }
    for (int y = 0; y < converted->h; ++y) {
        SDL_memcpy(reinterpret_cast<Uint8*>(pixels) + size_t(y) * size_t(pitch),
                   static_cast<const Uint8*>(converted->pixels) +
                       size_t(y) * size_t(converted->pitch),
                   size_t(converted->w) * 4);
    }
    SDL_FreeSurface(converted);
    return true;
}

} // namespace vantor::graphics
