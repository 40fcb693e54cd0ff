#include "sound/MusicStream.h"

#include <SDL_mixer.h>
#include <mpg123.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/types.h>

namespace vantor::sound {

namespace {

unsigned char carrierSilence[MusicStream::CarrierBytes] = {};

} // namespace

struct MusicStream::Reader {
    const std::vector<unsigned char>* bytes = nullptr;
    std::size_t at = 0;

    static mpg123_ssize_t Read(void* handle, void* into, size_t count) {
        auto* reader = static_cast<Reader*>(handle);
        const std::size_t left =
            reader->bytes->size() - std::min(reader->at, reader->bytes->size());
        const std::size_t taken = std::min(count, left);
        std::memcpy(into, reader->bytes->data() + reader->at, taken);
        reader->at += taken;
        return mpg123_ssize_t(taken);
    }

    static off_t Seek(void* handle, off_t offset, int whence) {
        auto* reader = static_cast<Reader*>(handle);
        off_t base = 0;
        if (whence == SEEK_CUR) {
            base = off_t(reader->at);
        } else if (whence == SEEK_END) {
            base = off_t(reader->bytes->size());
        }
        const off_t to = base + offset;
        if (to < 0 || to > off_t(reader->bytes->size())) {
            return -1;
        }
        reader->at = std::size_t(to);
        return to;
    }
};

std::unique_ptr<MusicStream> MusicStream::Open(std::vector<unsigned char> fileBytes, int frequency,
                                               int channels, std::size_t decodedBytes) {
    static const bool ready = mpg123_init() == MPG123_OK;
    if (!ready || fileBytes.empty() || (channels != 1 && channels != 2)) {
        return nullptr;
    }
    std::unique_ptr<MusicStream> stream(new MusicStream());
    stream->bytes = std::move(fileBytes);
    stream->reader = std::make_unique<Reader>();
    stream->reader->bytes = &stream->bytes;
    stream->decodedBytes = decodedBytes;
    int code = MPG123_OK;
    stream->decoder = mpg123_new(nullptr, &code);
    mpg123_handle* decoder = stream->decoder;
    if (decoder == nullptr) {
        return nullptr;
    }
    // As SDL_mixer decodes a whole file: quietly, without the encoder's padding.
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    mpg123_format_none(decoder);
    long rate = 0;
    int fileChannels = 0;
    int encoding = 0;
    if (mpg123_format(decoder, frequency, channels == 2 ? MPG123_STEREO : MPG123_MONO,
                      MPG123_ENC_SIGNED_16) != MPG123_OK ||
        mpg123_replace_reader_handle(decoder, &Reader::Read, &Reader::Seek, nullptr) != MPG123_OK ||
        mpg123_open_handle(decoder, stream->reader.get()) != MPG123_OK ||
        mpg123_getformat(decoder, &rate, &fileChannels, &encoding) != MPG123_OK) {
        return nullptr;
    }
    return stream;
}

MusicStream::~MusicStream() {
    if (decoder != nullptr) {
        mpg123_close(decoder);
        mpg123_delete(decoder);
    }
}

Mix_Chunk* MusicStream::NewCarrier() {
    return Mix_QuickLoad_RAW(carrierSilence, CarrierBytes);
}

int MusicStream::Restart(bool again) {
    repeat = again;
    over = false;
    mpg123_seek(decoder, 0, SEEK_SET);
    if (repeat) {
        return -1;
    }
    const std::size_t plays =
        std::max<std::size_t>(1, (decodedBytes + CarrierBytes - 1) / CarrierBytes);
    return int(std::min<std::size_t>(plays - 1, 1u << 30));
}

void MusicStream::Mix(int, void* samples, int length, void* udata) {
    if (length > 0) {
        static_cast<MusicStream*>(udata)->Fill(static_cast<unsigned char*>(samples),
                                               std::size_t(length));
    }
}

void MusicStream::Fill(unsigned char* samples, std::size_t length) {
    bool rewound = false; // a loop comes round once a fill at most, so an empty file ends
    while (length > 0 && !over) {
        std::size_t done = 0;
        const int code = mpg123_read(decoder, samples, length, &done);
        samples += done;
        length -= done;
        if (code == MPG123_OK || code == MPG123_NEW_FORMAT || done > 0) {
            continue;
        }
        // The end of the music, or a file broken from here on.
        if (repeat && !rewound) {
            rewound = true;
            mpg123_seek(decoder, 0, SEEK_SET);
            continue;
        }
        over = true;
    }
    std::memset(samples, 0, length);
}

} // namespace vantor::sound
