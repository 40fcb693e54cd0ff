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
                                               int channels) {
    static const bool ready = mpg123_init() == MPG123_OK;
    if (!ready || fileBytes.empty() || (channels != 1 && channels != 2)) {
        return nullptr;
    }
    std::unique_ptr<MusicStream> stream(new MusicStream());
    stream->bytes = std::move(fileBytes);
    stream->reader = std::make_unique<Reader>();
    stream->reader->bytes = &stream->bytes;
    stream->frameBytes = std::size_t(channels) * 2;
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
        mpg123_set_filesize(decoder, off_t(stream->bytes.size())) != MPG123_OK ||
        mpg123_getformat(decoder, &rate, &fileChannels, &encoding) != MPG123_OK) {
        return nullptr;
    }
    // The quick check: the first frames decode (a shorter file to its end), and the length is
    // known without decoding the rest.
    int decoded = 0;
    for (;;) {
        off_t frame = 0;
        unsigned char* audio = nullptr;
        size_t length = 0;
        code = mpg123_decode_frame(decoder, &frame, &audio, &length);
        if (code == MPG123_OK) {
            if (++decoded == CheckedFrames) {
                break;
            }
        } else if (code == MPG123_DONE && decoded > 0) {
            break;
        } else if (code != MPG123_NEW_FORMAT) {
            return nullptr;
        }
    }
    const off_t samples = mpg123_length(decoder);
    if (samples <= 0 || !stream->SeekTo(0)) {
        return nullptr;
    }
    stream->decodedBytes = std::size_t(samples) * stream->frameBytes;
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

bool MusicStream::SeekTo(std::size_t at) {
    const off_t sample = off_t(at / frameBytes);
    if (mpg123_seek(decoder, sample, SEEK_SET) != sample) {
        return false;
    }
    position.store(std::size_t(sample) * frameBytes, std::memory_order_relaxed);
    return true;
}

int MusicStream::Restart(bool again) {
    return StartAt(0, again);
}

int MusicStream::StartAt(std::size_t at, bool again) {
    if (again && decodedBytes > 0) {
        at %= decodedBytes;
    } else if (!again && at >= decodedBytes && at > 0) {
        return -2;
    }
    repeat = again;
    over.store(false, std::memory_order_relaxed);
    if (!SeekTo(at)) {
        // A place the decoder cannot reach: from the start, rather than not at all.
        SeekTo(0);
        at = 0;
    }
    if (repeat) {
        return -1;
    }
    const std::size_t left = decodedBytes - std::min(at, decodedBytes);
    const std::size_t plays = std::max<std::size_t>(1, (left + CarrierBytes - 1) / CarrierBytes);
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
    std::size_t at = position.load(std::memory_order_relaxed);
    while (length > 0 && !Over()) {
        std::size_t done = 0;
        const int code = mpg123_read(decoder, samples, length, &done);
        samples += done;
        length -= done;
        at += done;
        if (code == MPG123_OK || code == MPG123_NEW_FORMAT || done > 0) {
            continue;
        }
        // The end of the music, or a file broken from here on.
        if (repeat && !rewound) {
            rewound = true;
            mpg123_seek(decoder, 0, SEEK_SET);
            at = 0;
            continue;
        }
        over.store(true, std::memory_order_relaxed);
    }
    position.store(at, std::memory_order_relaxed);
    std::memset(samples, 0, length);
}

} // namespace vantor::sound
