#pragma once

#include <SDL.h>

namespace vantor::graphics {

// What a picture file says about itself before any pixel is decoded: its kind, told by its
// first bytes whatever its name, and its width and height as its header gives them. The game's
// pictures are BMP, PNG and JPEG files; anything else counts as unknown.
class ImageHeader {
public:
    enum class Format { Unknown, Bmp, Png, Jpeg };

    // A side this long or longer is refused before decoding: no picture of the game comes near
    // it, and a header that claims it is broken or hostile.
    static constexpr int MaxSide = 16384;

    // The kind of picture the file holds, by its signature. The read position is left where
    // it was.
    static Format Detect(SDL_RWops* file);

    // Reads width and height from the header of a file of the given kind, reading from the
    // start of the file. False when the header is cut short or malformed. The sizes are as the
    // file claims them, not yet checked against MaxSide. The read position is left anywhere.
    static bool ReadSize(SDL_RWops* file, Format format, long long& width, long long& height);

private:
    static bool ReadBmpSize(SDL_RWops* file, long long& width, long long& height);
    static bool ReadPngSize(SDL_RWops* file, long long& width, long long& height);
    static bool ReadJpegSize(SDL_RWops* file, long long& width, long long& height);
};

} // namespace vantor::graphics
