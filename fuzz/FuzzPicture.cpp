#include "fuzz/FuzzPicture.h"

#include "graphics/ChromaKey.h"
#include "graphics/ImageErrorReporter.h"
#include "graphics/ImageHeader.h"
#include "graphics/PictureLoader.h"

#include <SDL.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vantor::fuzz {

namespace {

// The name the reports must carry.
constexpr const char* InputName = "fuzz-input.png";

// A picture may be as large as 16383 by 16383, a gigabyte of pixels. Decoding such a picture is
// allowed but slow and says nothing new, so inputs that claim more pixels than this have only
// their header looked at.
constexpr long long MaxDecodedPixels = 1LL << 22;

class CountingReporter : public graphics::ImageErrorReporter {
public:
    void Report(const char* reportText, const char* fileName) override {
        ++count;
        text = reportText;
        nameMatches = nameMatches && fileName != nullptr && std::strcmp(fileName, InputName) == 0;
    }

    int count = 0;
    const char* text = nullptr;
    bool nameMatches = true;
};

bool Is(const char* text, const char* expected) {
    return text != nullptr && std::strcmp(text, expected) == 0;
}

// The kind and the sides the header claims, read apart from the loader.
struct Claim {
    graphics::ImageHeader::Format format = graphics::ImageHeader::Format::Unknown;
    bool sized = false;
    long long width = 0;
    long long height = 0;

    bool Sane() const {
        return sized && width > 0 && height > 0 && width < graphics::ImageHeader::MaxSide &&
               height < graphics::ImageHeader::MaxSide;
    }
};

Claim ReadClaim(const uint8_t* data, size_t size) {
    Claim claim;
    if (size == 0 || size > size_t(INT_MAX)) {
        return claim;
    }
    SDL_RWops* file = SDL_RWFromConstMem(data, int(size));
    if (file == nullptr) {
        return claim;
    }
    claim.format = graphics::ImageHeader::Detect(file);
    if (claim.format != graphics::ImageHeader::Format::Unknown) {
        claim.sized =
            graphics::ImageHeader::ReadSize(file, claim.format, claim.width, claim.height);
    }
    SDL_RWclose(file);
    return claim;
}

const char* FindFault(const PictureFuzzOutcome& outcome, const Claim& claim,
                      const CountingReporter& reporter, bool argb) {
    if (!reporter.nameMatches) {
        return "a report named another file";
    }
    if (outcome.loaded) {
        if (outcome.reports != 0) {
            return "a picture that loaded was also reported";
        }
        if (!argb) {
            return "a loaded picture is not in ARGB8888";
        }
        if (!claim.Sane()) {
            return "a picture loaded although its header is unreadable or claims absurd sides";
        }
        if (outcome.width != claim.width || outcome.height != claim.height) {
            return "the decoded picture's sides differ from its header's claim";
        }
        return nullptr;
    }
    if (outcome.reports != 1) {
        return "a refused picture was not reported exactly once";
    }
    if (claim.format == graphics::ImageHeader::Format::Unknown) {
        return Is(outcome.text, graphics::PictureLoader::FileError)
                   ? nullptr
                   : "no known picture, but not reported as an unreadable file";
    }
    if (!claim.Sane()) {
        return Is(outcome.text, graphics::PictureLoader::FrameError)
                   ? nullptr
                   : "a bad header, but not reported as an unreadable frame";
    }
    if (Is(outcome.text, graphics::PictureLoader::FrameError) ||
        Is(outcome.text, graphics::PictureLoader::ConverterError) ||
        Is(outcome.text, graphics::PictureLoader::ConvertError)) {
        return nullptr;
    }
    return "a refused picture was reported with a text that is not the loader's";
}

} // namespace

PictureFuzzOutcome RunPictureInput(const uint8_t* data, size_t size) {
    PictureFuzzOutcome outcome;
    const Claim claim = ReadClaim(data, size);
    if (claim.Sane() && claim.width * claim.height > MaxDecodedPixels) {
        return outcome;
    }
    outcome.decoded = true;

    CountingReporter reporter;
    graphics::SetImageErrorReporter(&reporter);
    SDL_Surface* picture = graphics::PictureLoader::LoadFromMemory(data, size, InputName);
    graphics::SetImageErrorReporter(nullptr);

    bool argb = false;
    if (picture != nullptr) {
        outcome.loaded = true;
        outcome.width = picture->w;
        outcome.height = picture->h;
        argb = picture->format != nullptr && picture->format->format == SDL_PIXELFORMAT_ARGB8888;
        // Every sheet keys its picture once it is loaded; the game's key colours are black,
        // green, blue and white, and the key only looks at the colours.
        graphics::ChromaKey::Apply(picture, 0.0f, 1.0f, 0.0f);
        SDL_FreeSurface(picture);
    }
    outcome.reports = reporter.count;
    outcome.text = reporter.text;
    outcome.fault = FindFault(outcome, claim, reporter, argb);
    return outcome;
}

int FuzzPicture(const uint8_t* data, size_t size) {
    const PictureFuzzOutcome outcome = RunPictureInput(data, size);
    if (outcome.fault != nullptr) {
        std::fprintf(stderr,
                     "picture loader fault: %s (loaded %d, %dx%d, %d reports, last \"%s\")\n",
                     outcome.fault, outcome.loaded, outcome.width, outcome.height, outcome.reports,
                     outcome.text != nullptr ? outcome.text : "");
        std::abort();
    }
    return 0;
}

} // namespace vantor::fuzz
