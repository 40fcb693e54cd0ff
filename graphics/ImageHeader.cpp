#include "graphics/ImageHeader.h"

#include <algorithm>
#include <cstdint>

namespace vantor::graphics {

namespace {

bool ReadBytes(SDL_RWops* file, Uint8* bytes, size_t count) {
    return SDL_RWread(file, bytes, 1, count) == count;
}

uint32_t LittleEndian16(const Uint8* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8;
}

uint32_t LittleEndian32(const Uint8* bytes) {
    return LittleEndian16(bytes) | LittleEndian16(bytes + 2) << 16;
}

uint32_t BigEndian16(const Uint8* bytes) {
    return uint32_t(bytes[0]) << 8 | uint32_t(bytes[1]);
}

uint32_t BigEndian32(const Uint8* bytes) {
    return BigEndian16(bytes) << 16 | BigEndian16(bytes + 2);
}

} // namespace

ImageHeader::Format ImageHeader::Detect(SDL_RWops* file) {
    if (file == nullptr) {
        return Format::Unknown;
    }
    // The signatures alone: a file cut short after them is still recognised, so that it is
    // reported as a picture that cannot be read rather than as no picture at all.
    const Sint64 start = SDL_RWtell(file);
    Uint8 magic[8] = {};
    const size_t count = SDL_RWread(file, magic, 1, sizeof magic);
    SDL_RWseek(file, start, RW_SEEK_SET);
    static constexpr Uint8 pngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (count == 8 && std::equal(magic, magic + 8, pngSignature)) {
        return Format::Png;
    }
    if (count >= 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF) {
        return Format::Jpeg;
    }
    if (count >= 2 && magic[0] == 'B' && magic[1] == 'M') {
        return Format::Bmp;
    }
    return Format::Unknown;
}

bool ImageHeader::ReadSize(SDL_RWops* file, Format format, long long& width, long long& height) {
    if (file == nullptr || SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        return false;
    }
    switch (format) {
    case Format::Bmp:
        return ReadBmpSize(file, width, height);
    case Format::Png:
        return ReadPngSize(file, width, height);
    case Format::Jpeg:
        return ReadJpegSize(file, width, height);
    case Format::Unknown:
        break;
    }
    return false;
}

bool ImageHeader::ReadBmpSize(SDL_RWops* file, long long& width, long long& height) {
    // File header (14 bytes), then the picture header, whose own size tells its layout.
    Uint8 header[26];
    if (!ReadBytes(file, header, 18) || header[0] != 'B' || header[1] != 'M') {
        return false;
    }
    const uint32_t infoSize = LittleEndian32(header + 14);
    if (infoSize == 12) {
        // The oldest layout: 16-bit unsigned sides.
        if (!ReadBytes(file, header + 18, 4)) {
            return false;
        }
        width = LittleEndian16(header + 18);
        height = LittleEndian16(header + 20);
        return true;
    }
    if (infoSize < 16) {
        return false;
    }
    // Every later layout: 32-bit signed sides; a negative height means rows run top down.
    if (!ReadBytes(file, header + 18, 8)) {
        return false;
    }
    width = int32_t(LittleEndian32(header + 18));
    height = int32_t(LittleEndian32(header + 22));
    if (height < 0) {
        height = -height;
    }
    return true;
}

bool ImageHeader::ReadPngSize(SDL_RWops* file, long long& width, long long& height) {
    // The 8-byte signature, then the IHDR chunk, which must come first: length, type, sides.
    Uint8 header[24];
    if (!ReadBytes(file, header, sizeof header)) {
        return false;
    }
    if (header[12] != 'I' || header[13] != 'H' || header[14] != 'D' || header[15] != 'R') {
        return false;
    }
    width = BigEndian32(header + 16);
    height = BigEndian32(header + 20);
    return true;
}

bool ImageHeader::ReadJpegSize(SDL_RWops* file, long long& width, long long& height) {
    Uint8 bytes[5];
    if (!ReadBytes(file, bytes, 2) || bytes[0] != 0xFF || bytes[1] != 0xD8) {
        return false;
    }
    // Walk the segments up to the frame header. Every pass consumes at least one byte and
    // every read is checked, so a cut or looping file ends the walk at its end.
    for (;;) {
        Uint8 marker = 0;
        do {
            // Bytes between segments are tolerated as the decoder tolerates them.
            if (!ReadBytes(file, &marker, 1)) {
                return false;
            }
        } while (marker != 0xFF);
        do {
            // Any number of 0xFF fill bytes may precede a marker.
            if (!ReadBytes(file, &marker, 1)) {
                return false;
            }
        } while (marker == 0xFF);
        if (marker == 0x00 || marker == 0x01 || marker == 0xD8 ||
            (marker >= 0xD0 && marker <= 0xD7)) {
            continue; // markers without a length
        }
        if (marker == 0xD9 || marker == 0xDA) {
            return false; // the end or the scan came before any frame header
        }
        if (!ReadBytes(file, bytes, 2)) {
            return false;
        }
        const uint32_t length = BigEndian16(bytes);
        if (length < 2) {
            return false;
        }
        const bool frameHeader =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frameHeader) {
            // Sample precision, then height and width, 16 bits each.
            if (length < 7 || !ReadBytes(file, bytes, 5)) {
                return false;
            }
            height = BigEndian16(bytes + 1);
            width = BigEndian16(bytes + 3);
            return true;
        }
        if (SDL_RWseek(file, Sint64(length) - 2, RW_SEEK_CUR) < 0) {
            return false;
        }
    }
}

} // namespace vantor::graphics
