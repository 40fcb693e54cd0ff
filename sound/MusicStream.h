#pragma once

#include <cstddef>
#include <memory>
#include <vector>

struct Mix_Chunk;
struct mpg123_handle_struct;

namespace vantor::sound {

// A music file kept compressed in memory and decoded as it plays, on an SDL_mixer channel. The
// channel plays a short chunk of silence (the carrier) over and over, as many times as the
// music is long, or without end for a loop, and an effect on the channel (Mix_RegisterEffect)
// puts the music's next samples in its place. The channel is then the music's as a decoded
// chunk's would be: it pauses, takes its volume, halts and ends in the same way, and the music
// holds where it is while the channel is paused. A decoded track takes some 170 KB a second of
// music; the file takes a tenth of that.
class MusicStream {
public:
    // Samples of the carrier, in bytes: a few milliseconds, so that a music played once ends
    // at most that much after its last sample.
    static constexpr int CarrierBytes = 4096;

    // The MP3 file's bytes as a stream decoded to the device's frequency and channels, 16-bit
    // samples; decodedBytes is the length of the whole music decoded, which a play of it lasts.
    // Null when the bytes are not an MP3 stream that decodes to that format.
    static std::unique_ptr<MusicStream> Open(std::vector<unsigned char> bytes, int frequency,
                                             int channels, std::size_t decodedBytes);
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // A new carrier chunk, for Mix_FreeChunk to free; its silence is shared by every carrier.
    static Mix_Chunk* NewCarrier();

    // Back to the first sample, to play once or over and over. Only while its channel does not
    // play. Returns the loops for Mix_PlayChannel: -1 for a repeat, else as many more plays of
    // the carrier as the music needs.
    int Restart(bool repeat);

    // The channel effect that decodes the music into the channel's samples (udata: the stream).
    static void Mix(int channel, void* samples, int length, void* udata);

    // How many bytes the stream keeps: the compressed file.
    std::size_t HeldBytes() const { return bytes.size(); }

private:
    MusicStream() = default;

    // Fills the samples with the music's next ones, then silence once a single play is over.
    void Fill(unsigned char* samples, std::size_t length);
    // Where the decoder reads the bytes.
    struct Reader;

    std::vector<unsigned char> bytes;
    std::unique_ptr<Reader> reader;
    mpg123_handle_struct* decoder = nullptr;
    std::size_t decodedBytes = 0;
    bool repeat = false;
    bool over = false;
};

} // namespace vantor::sound
