#pragma once

#include <SDL.h>

#include <cstddef>

namespace vantor::graphics {

// Reads one picture file into 32-bit ARGB pixels, telling the installed image error reporter
// (ImageErrorReporter.h) about any failure with the step's fixed text.
class PictureLoader {
public:
    static constexpr const char* FileError = "Error reading image file or no such file exist";
    static constexpr const char* FrameError = "Error reading image frame ";
    static constexpr const char* ConverterError = "Error creating image converter";
    static constexpr const char* ConvertError = "Error converting image";

    // The file's picture as an ARGB8888 surface that the caller frees, or null after a report.
    // The name is opened as given, so a bare name is looked up in the working directory. The
    // kind of picture is told by the file's content, not by its name.
    static SDL_Surface* Load(const char* fileName);

    // The same for a picture file's bytes already in memory, with the same checks and the
    // same reports; name stands for the file in the reports. No bytes at all count as a file
    // that cannot be read, as an empty file does. The bytes are only read, and not kept.
    static SDL_Surface* LoadFromMemory(const void* bytes, std::size_t size, const char* name);

    // The file's picture as its decoder left it, in whatever layout, after the same checks and
    // with the same reports as Load; the caller frees it. Null after a report.
    static SDL_Surface* LoadDecoded(const char* fileName);

    // Writes a decoded picture as ARGB8888 into pixels, rows pitch bytes apart, with room for
    // its whole width and height; false after a report naming the file. Loading a level turns
    // each picture straight into the memory it is uploaded from, with no surface in between.
    static bool ConvertInto(SDL_Surface* decoded, Uint32* pixels, int pitch, const char* name);
    // The same with every pixel premultiplied by its alpha, as the canvas draws them (Canvas.h);
    // opaque tells whether every pixel is fully opaque.
    static bool ConvertPremultipliedInto(SDL_Surface* decoded, Uint32* pixels, int pitch,
                                         const char* name, bool& opaque);

private:
    // Checks and decodes an opened picture, closing it.
    static SDL_Surface* Decode(SDL_RWops* file, const char* name);
    // A decoded picture as a new ARGB8888 surface; frees the decoded one.
    static SDL_Surface* ToArgb(SDL_Surface* decoded, const char* name);
    // Any layout through SDL's converter.
    static bool SlowConvert(SDL_Surface* decoded, Uint32* pixels, int pitch, const char* name);
};

} // namespace vantor::graphics
