// Writes the fuzzers' seed corpus: small pictures of every kind and layout the loader meets,
// broken pictures of every sort it must refuse, and sound commands good and bad. The name of
// each file says what the loader or the parser must make of it, and the normal test suite
// holds them to it:
//   picture/loads-*        decodes without a report
//   picture/file-error-*   reported as a file that cannot be read (no known picture)
//   picture/frame-error-*  reported as a frame that cannot be read
//   media-command/valid-*, media-command/invalid-*
//   replay/equal-*         read, and played again to the digest it ends with
//   replay/diverged-*      read, and parts from its recording at a checkpoint or the end
//   replay/unreadable-*    refused by the reader
// Usage: vantor-make-seed-corpus CORPUS_DIR (the corpus folder of the source tree). The output is
// the same on every run.
#include "app/RecordingLevel.h"
#include "app/ReplayWriter.h"
#include "fuzz/PngCrc.h"
#include "game/Sector01.h"
#include "sound/SoundCommands.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

std::filesystem::path pictureDir;
std::filesystem::path commandDir;

void Write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

Bytes Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Cut(Bytes bytes, size_t keep) {
    bytes.resize(std::min(keep, bytes.size()));
    return bytes;
}

void Put16LE(Bytes& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32LE(Bytes& out, uint32_t value) {
    Put16LE(out, value & 0xFFFF);
    Put16LE(out, value >> 16);
}

void Put16BE(Bytes& out, uint32_t value) {
    out.push_back(uint8_t(value >> 8));
    out.push_back(uint8_t(value));
}

void Put32BE(Bytes& out, uint32_t value) {
    Put16BE(out, value >> 16);
    Put16BE(out, value & 0xFFFF);
}

// The colour of the test picture at (x, y): a gradient with a block of pure green, the key
// colour of most of the game's sheets.
void Colour(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b) {
    if (x >= 2 && x < 5 && y >= 2 && y < 5) {
        r = 0, g = 255, b = 0;
        return;
    }
    r = uint8_t(x * 30);
    g = uint8_t(y * 30);
    b = uint8_t(200 - x * 10);
}

// --- PNG, written by hand so that every colour type and the interlaced layout can be had ----

uint32_t Adler32(const Bytes& bytes) {
    uint32_t a = 1;
    uint32_t b = 0;
    for (const uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// A zlib stream of stored (uncompressed) blocks.
Bytes Stored(const Bytes& raw) {
    Bytes out = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - at, 65535);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        Put16LE(out, uint32_t(length));
        Put16LE(out, uint32_t(~length & 0xFFFF));
        out.insert(out.end(), raw.begin() + long(at), raw.begin() + long(at + length));
        at += length;
    } while (at < raw.size());
    Put32BE(out, Adler32(raw));
    return out;
}

void Chunk(Bytes& png, const char* type, const Bytes& data) {
    Put32BE(png, uint32_t(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    Put32BE(png, vantor::fuzz::PngCrc(png.data() + start, png.size() - start));
}

struct PngLayout {
    int colourType; // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
    int depth;      // bits per sample
    bool interlaced;
};

// The samples of one pixel in the layout, at 8 or 16 bits.
void PutPixel(Bytes& row, const PngLayout& layout, int x, int y) {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    Colour(x, y, r, g, b);
    const uint8_t grey = uint8_t((r + g + b) / 3);
    const uint8_t alpha = uint8_t(255 - x * 20);
    Bytes samples;
    switch (layout.colourType) {
    case 0:
        samples = {grey};
        break;
    case 2:
        samples = {r, g, b};
        break;
    case 3:
        samples = {uint8_t((x + y) % 4)};
        break;
    case 4:
        samples = {grey, alpha};
        break;
    default:
        samples = {r, g, b, alpha};
        break;
    }
    for (const uint8_t sample : samples) {
        row.push_back(sample);
        if (layout.depth == 16) {
            row.push_back(sample);
        }
    }
}

Bytes Png(int width, int height, const PngLayout& layout) {
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    Put32BE(header, uint32_t(width));
    Put32BE(header, uint32_t(height));
    header.push_back(uint8_t(layout.depth));
    header.push_back(uint8_t(layout.colourType));
    header.push_back(0);
    header.push_back(0);
    header.push_back(layout.interlaced ? 1 : 0);
    Chunk(png, "IHDR", header);
    if (layout.colourType == 3) {
        Chunk(png, "PLTE", {0, 255, 0, 255, 0, 0, 0, 0, 255, 255, 255, 255});
    }
    // Adam7 passes, or one pass over every pixel: start x, start y, step x, step y.
    struct Pass {
        int x0, y0, dx, dy;
    };
    const std::vector<Pass> passes =
        layout.interlaced
            ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
            : std::vector<Pass>{{0, 0, 1, 1}};
    Bytes raw;
    for (const Pass& pass : passes) {
        for (int y = pass.y0; y < height; y += pass.dy) {
            Bytes row;
            for (int x = pass.x0; x < width; x += pass.dx) {
                PutPixel(row, layout, x, y);
            }
            if (!row.empty()) {
                raw.push_back(0); // no filter
                raw.insert(raw.end(), row.begin(), row.end());
            }
        }
    }
    Chunk(png, "IDAT", Stored(raw));
    Chunk(png, "IEND", {});
    return png;
}

// A PNG whose header claims the sides, with a few pixels of data behind it.
Bytes PngClaim(uint32_t width, uint32_t height) {
    Bytes png = Png(1, 1, {0, 8, false});
    Bytes header;
    Put32BE(header, width);
    Put32BE(header, height);
    header.insert(header.end(), {8, 0, 0, 0, 0});
    Bytes claim(png.begin(), png.begin() + 8);
    Chunk(claim, "IHDR", header);
    claim.insert(claim.end(), png.begin() + 8 + 25, png.end()); // the rest after IHDR
    return claim;
}

// --- BMP layouts SDL does not write ----------------------------------------------------------

// 24-bit pixels, rows padded to four bytes, bottom up unless topDown.
Bytes BmpPixels(int width, int height, bool topDown) {
    Bytes pixels;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            uint8_t r = 0;
            uint8_t g = 0;
            uint8_t b = 0;
            Colour(x, y, r, g, b);
            pixels.insert(pixels.end(), {b, g, r});
        }
        while (pixels.size() % 4 != 0) {
            pixels.push_back(0);
        }
    }
    return pixels;
}

// A BMP file: the file header, a picture header of headerSize bytes and the pixels. The
// picture header starts with its own size, the sides (16 bits each in the oldest, 12-byte
// layout, 32 bits in the others), one plane and 24 bits a pixel; rest is what follows in the
// longer layouts.
Bytes Bmp(uint32_t headerSize, int32_t width, int32_t height, const Bytes& rest,
          const Bytes& pixels) {
    Bytes bmp = {'B', 'M'};
    Put32LE(bmp, uint32_t(14 + headerSize + pixels.size()));
    Put32LE(bmp, 0);
    Put32LE(bmp, 14 + headerSize);
    Put32LE(bmp, headerSize);
    if (headerSize == 12) {
        Put16LE(bmp, uint32_t(width));
        Put16LE(bmp, uint32_t(height));
    } else {
        Put32LE(bmp, uint32_t(width));
        Put32LE(bmp, uint32_t(height));
    }
    Put16LE(bmp, 1);
    Put16LE(bmp, 24);
    bmp.insert(bmp.end(), rest.begin(), rest.end());
    bmp.insert(bmp.end(), pixels.begin(), pixels.end());
    return bmp;
}

// The oldest layout: a 12-byte header with 16-bit sides.
Bytes CoreBmp(int width, int height) {
    return Bmp(12, width, height, {}, BmpPixels(width, height, false));
}

// The common 40-byte header with any claimed sides; rows run top down for a negative height.
Bytes InfoBmp(int32_t width, int32_t height, const Bytes& pixels) {
    Bytes rest;
    Put32LE(rest, 0); // no compression
    Put32LE(rest, uint32_t(pixels.size()));
    Put32LE(rest, 2835);
    Put32LE(rest, 2835);
    Put32LE(rest, 0);
    Put32LE(rest, 0);
    return Bmp(40, width, height, rest, pixels);
}

// --- Pictures saved by SDL ---------------------------------------------------------------------

SDL_Surface* TestSurface(int width, int height, Uint32 format) {
    SDL_Surface* rgba =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t r = 0;
            uint8_t g = 0;
            uint8_t b = 0;
            Colour(x, y, r, g, b);
            const Uint8 alpha = Uint8(x == 0 ? 0 : 255);
            auto* row =
                reinterpret_cast<Uint32*>(static_cast<Uint8*>(rgba->pixels) + y * rgba->pitch);
            row[x] = Uint32(alpha) << 24 | Uint32(r) << 16 | Uint32(g) << 8 | b;
        }
    }
    if (format == SDL_PIXELFORMAT_ARGB8888) {
        return rgba;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(rgba, format, 0);
    SDL_FreeSurface(rgba);
    return converted;
}

SDL_Surface* PaletteSurface(int width, int height) {
    SDL_Surface* indexed =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
    const SDL_Color colours[4] = {
        {0, 255, 0, 255}, {255, 0, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
    SDL_SetPaletteColors(indexed->format->palette, colours, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            static_cast<Uint8*>(indexed->pixels)[y * indexed->pitch + x] = Uint8((x + y) % 4);
        }
    }
    return indexed;
}

void SaveBmp(SDL_Surface* surface, const char* name) {
    if (SDL_SaveBMP(surface, (pictureDir / name).string().c_str()) != 0) {
        throw std::runtime_error(SDL_GetError());
    }
    SDL_FreeSurface(surface);
}

void SavePng(SDL_Surface* surface, const char* name) {
    if (IMG_SavePNG(surface, (pictureDir / name).string().c_str()) != 0) {
        throw std::runtime_error(SDL_GetError());
    }
    SDL_FreeSurface(surface);
}

void SaveJpg(SDL_Surface* surface, const char* name, int quality) {
    if (IMG_SaveJPG(surface, (pictureDir / name).string().c_str(), quality) != 0) {
        throw std::runtime_error(SDL_GetError());
    }
    SDL_FreeSurface(surface);
}

// --- The picture corpus ----------------------------------------------------------------------

void WritePictures() {
    // Pictures that load.
    SaveBmp(TestSurface(8, 6, SDL_PIXELFORMAT_RGB24), "loads-bmp-24-bit.bmp");
    SaveBmp(TestSurface(8, 6, SDL_PIXELFORMAT_ARGB8888), "loads-bmp-32-bit-alpha.bmp");
    SaveBmp(PaletteSurface(8, 6), "loads-bmp-8-bit-palette.bmp");
    Write(pictureDir / "loads-bmp-core-header.bmp", CoreBmp(5, 3));
    Write(pictureDir / "loads-bmp-top-down.bmp", InfoBmp(6, -4, BmpPixels(6, 4, true)));
    SavePng(TestSurface(8, 6, SDL_PIXELFORMAT_ARGB8888), "loads-png-rgba-by-sdl.png");
    Write(pictureDir / "loads-png-grey.png", Png(7, 5, {0, 8, false}));
    Write(pictureDir / "loads-png-rgb.png", Png(7, 5, {2, 8, false}));
    Write(pictureDir / "loads-png-palette.png", Png(7, 5, {3, 8, false}));
    Write(pictureDir / "loads-png-grey-alpha.png", Png(7, 5, {4, 8, false}));
    Write(pictureDir / "loads-png-rgba-16-bit.png", Png(7, 5, {6, 16, false}));
    Write(pictureDir / "loads-png-interlaced.png", Png(9, 9, {6, 8, true}));
    SaveJpg(TestSurface(16, 16, SDL_PIXELFORMAT_RGB24), "loads-jpeg-16x16.jpg", 90);
    SaveJpg(TestSurface(9, 7, SDL_PIXELFORMAT_RGB24), "loads-jpeg-odd-sides.jpg", 40);

    // A JPEG cut inside its scan keeps what arrived: the decoder fills in the rest.
    const Bytes jpeg = Read(pictureDir / "loads-jpeg-16x16.jpg");
    Write(pictureDir / "loads-jpeg-cut-in-scan.jpg", Cut(jpeg, jpeg.size() - 40));

    // No known picture at all.
    Write(pictureDir / "file-error-empty", {});
    Write(pictureDir / "file-error-one-byte.bmp", {'B'});
    Write(pictureDir / "file-error-text.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g', '\n'});
    Write(pictureDir / "file-error-gif.gif",
          {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0,   0, 0, ',', 0,
           0,   0,   0,   1,   0,   1,   0, 0, 2, 2, 'D', 1, 0, ';'});
    Write(pictureDir / "file-error-png-signature-cut.png", {0x89, 'P', 'N', 'G', 0x0D});

    // Known kinds that cannot be read.
    const Bytes bmp = Read(pictureDir / "loads-bmp-24-bit.bmp");
    Write(pictureDir / "frame-error-bmp-header-cut.bmp", Cut(bmp, 20));
    Write(pictureDir / "frame-error-bmp-pixels-cut.bmp", Cut(bmp, bmp.size() - 30));
    Write(pictureDir / "frame-error-bmp-zero-width.bmp", InfoBmp(0, 4, BmpPixels(1, 4, false)));
    Write(pictureDir / "frame-error-bmp-huge.bmp", InfoBmp(16384, 16384, BmpPixels(4, 2, false)));
    Write(pictureDir / "frame-error-bmp-huge-top-down.bmp",
          InfoBmp(4, -20000, BmpPixels(4, 2, false)));
    const Bytes png = Png(7, 5, {2, 8, false});
    Write(pictureDir / "frame-error-png-signature-only.png", Cut(png, 8));
    Write(pictureDir / "frame-error-png-pixels-cut.png", Cut(png, png.size() - 30));
    Bytes badCrc = png;
    badCrc[29] ^= 0xFF; // the header chunk's checksum
    Write(pictureDir / "frame-error-png-bad-header-checksum.png", badCrc);
    Write(pictureDir / "frame-error-png-huge.png", PngClaim(16384, 16384));
    Write(pictureDir / "frame-error-png-too-wide.png", PngClaim(16384, 1));
    Write(pictureDir / "frame-error-jpeg-signature-only.jpg", {0xFF, 0xD8, 0xFF});
    Write(pictureDir / "frame-error-jpeg-header-cut.jpg", Cut(jpeg, 100));
    Write(pictureDir / "frame-error-jpeg-no-frame.jpg",
          {0xFF, 0xD8, 0xFF, 0xE0, 0, 6, 'J', 'F', 'I', 'F', 0xFF, 0xD9});
    Bytes huge = {0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0x40, 0, 0x40, 0, 1, 1, 0x11, 0};
    huge.insert(huge.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 63, 0, 0x12, 0x34, 0xFF, 0xD9});
    Write(pictureDir / "frame-error-jpeg-huge.jpg", huge);
    // A JPEG header whose own decoder turns the file down, with a drawing of another kind
    // inside its comment (a comment of 255 bytes, so that no zero byte comes before it): only
    // the JPEG decoder may look at it.
    std::string drawing = "<svg xmlns='http://www.w3.org/2000/svg' width='3000' "
                          "height='2000'><rect width='3000' height='2000' fill='red'/></svg>";
    drawing.resize(255, ' ');
    Bytes hidden = {0xFF, 0xD8, 0xFF, 0xFE, 0x01, 0x01};
    hidden.insert(hidden.end(), drawing.begin(), drawing.end());
    hidden.insert(hidden.end(), {0xFF, 0xC0, 0, 11, 8, 0, 8, 0, 8, 1, 1, 0x11, 0});
    hidden.insert(hidden.end(), {0xFF, 0xE1, 0x7F, 0xFF});
    Write(pictureDir / "frame-error-jpeg-hiding-another-kind.jpg", hidden);
}

// --- The command corpus ----------------------------------------------------------------------

void WriteCommand(const std::string& name, const std::string& command) {
    Write(commandDir / name, Bytes(command.begin(), command.end()));
}

void WriteCommands() {
    // The game's own commands, numbered in the order of its catalogue.
    for (size_t i = 0; i < vantor::sound::SoundCommands::AllCommands.size(); ++i) {
        const std::string number = (i < 9 ? "0" : "") + std::to_string(i + 1);
        WriteCommand("valid-game-command-" + number, vantor::sound::SoundCommands::AllCommands[i]);
    }
    WriteCommand("valid-blanks-around", "   play   intro.mp3   ");
    WriteCommand("valid-longest-name", "stop " + std::string(127, 'n'));
    WriteCommand("valid-device", "play /dev/zero");
    WriteCommand("valid-directory", "play ..");

    WriteCommand("invalid-empty", "");
    WriteCommand("invalid-blanks", "     ");
    WriteCommand("invalid-verb-only", "play");
    WriteCommand("invalid-unknown-verb", "pause intro.mp3");
    WriteCommand("invalid-upper-case", "PLAY intro.mp3");
    WriteCommand("invalid-tab", "play\tintro.mp3");
    WriteCommand("invalid-newline", "play intro.mp3\n");
    WriteCommand("invalid-stop-repeat", "stop intro.mp3 repeat");
    WriteCommand("invalid-four-words", "play intro.mp3 repeat repeat");
    WriteCommand("invalid-name-too-long", "stop " + std::string(128, 'n'));
    WriteCommand("invalid-too-long", "play intro.mp3" + std::string(250, ' '));
    WriteCommand("invalid-zero-inside", std::string("play in\0tro.mp3", 15));
    WriteCommand("invalid-utf8", "play g\xc3\xb6\xc3\xb6"
                                 "d.mp3");
    WriteCommand("invalid-high-bytes", "play \x80\x81\xfe\xff");
    WriteCommand("invalid-delete", "stop intro\x7f.mp3");
}

// --- The replay corpus -----------------------------------------------------------------------

// A game of the given length recorded as the game records one; play makes the calls before
// each update (its index given) and after the last (the length given).
std::string Recorded(const std::filesystem::path& path, uint32_t seed, int updates,
                     const std::function<void(GameManager&, int)>& play) {
    Sector01 level;
    vantor::app::ReplayWriter writer;
    vantor::app::RecordingLevel recorder(level, writer, vantor::app::RecordingLevel::ProbeOf(level),
                                         "1.0.0");
    level.ChooseSeed(seed);
    if (!writer.Open(path.string())) {
        throw std::runtime_error(writer.Problem());
    }
    recorder.Load();
    for (int update = 0; update < updates; ++update) {
        play(recorder, update);
        recorder.Update();
        recorder.Render();
    }
    play(recorder, updates);
    if (!recorder.Finish()) {
        throw std::runtime_error(writer.Problem());
    }
    const Bytes bytes = Read(path);
    return std::string(bytes.begin(), bytes.end());
}

// The text with the first line that starts so replaced (or left out, for an empty line).
std::string Replaced(std::string text, const std::string& start, const std::string& line) {
    const size_t at = text.find("\n" + start);
    if (at == std::string::npos) {
        throw std::runtime_error("no line starts with " + start);
    }
    const size_t end = text.find('\n', at + 1);
    text.replace(at + 1, end - at, line.empty() ? "" : line + "\n");
    return text;
}

// A short valid replay and a few near-misses of it: the fuzzer finds the rest.
void WriteReplays(const std::filesystem::path& dir) {
    auto write = [&dir](const std::string& name, const std::string& text) {
        Write(dir / name, Bytes(text.begin(), text.end()));
    };
    // The example of docs/REPLAYS.md: every kind of call, two checkpoints.
    const std::string example =
        Recorded(dir / "equal-every-call", 1765432109, 1380, [](GameManager& calls, int update) {
            if (update == 30) {
                calls.OnEnter(false);
            } else if (update == 40) {
                calls.OnLeftClick(700, 400);
            } else if (update == 250) {
                calls.OnMenuKey(true);
                calls.OnMenuAction(6);
                calls.OnEnter(false);
            } else if (update == 612) {
                calls.OnRightClick(913, 158);
            } else if (update == 1315) {
                calls.OnPlanetChoice(2);
            }
        });
    std::string crlf;
    for (char c : example) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    write("equal-carriage-returns", crlf);

    write("diverged-another-click", Replaced(example, "612 right", "612 right 700 158"));
    write("diverged-another-end", Replaced(example, "1380 end", "1380 end 0123456789abcdef"));

    write("unreadable-wrong-version", "vantor-replay 2\ngame 1.0.0\nseed 1\n0 end 0\n");
    write("unreadable-last-line-cut", example.substr(0, example.size() - 1));
    write("unreadable-click-outside", Replaced(example, "40 left", "40 left 1024 400"));
    write("unreadable-update-going-back", Replaced(example, "612 right", "12 right 913 158"));
    write("unreadable-checkpoint-missing", Replaced(example, "600 check", ""));
    write("unreadable-line-too-long",
          Replaced(example, "40 left", "40 left 700 400" + std::string(60, ' ')));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path root = argv[1];
        pictureDir = root / "picture";
        commandDir = root / "media-command";
        const std::filesystem::path replayDir = root / "replay";
        std::filesystem::remove_all(pictureDir);
        std::filesystem::remove_all(commandDir);
        std::filesystem::remove_all(replayDir);
        std::filesystem::create_directories(pictureDir);
        std::filesystem::create_directories(commandDir);
        std::filesystem::create_directories(replayDir);
        WritePictures();
        WriteCommands();
        WriteReplays(replayDir);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
