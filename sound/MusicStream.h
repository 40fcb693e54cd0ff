#pragma once

#include <atomic>
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
//
// Open decides whether the file can play from a quick check: its first frames decode, and its
// length is read from its header (the encoder's tag, else the file's size at the first frame's
// bit rate), so no file is decoded whole before it plays. What the check cannot see: a file
// broken or cut off past its first frames plays up to the break and is silent from there on
// (Over then says so), and a file whose tag lies about its length is played for the length it
// claims.
//
// The stream belongs to the player that made it; Fill runs on SDL's audio thread through Mix
// while its channel plays, everything else on the player's threads while it does not, except
// Position and Over, which any thread may read.
class MusicStream {
public:
    // Samples of the carrier, in bytes: a few milliseconds, so that a music played once ends
    // at most that much after its last sample.
    static constexpr int CarrierBytes = 4096;
    // How many frames (of 1152 samples, some 26 ms each at 44.1 kHz) the quick check decodes.
    static constexpr int CheckedFrames = 8;

    // The MP3 file's bytes as a stream decoded to the device's frequency and channels, 16-bit
    // samples. Null when the bytes are not an MP3 stream whose first frames decode to that
    // format, or whose length cannot be told.
    static std::unique_ptr<MusicStream> Open(std::vector<unsigned char> bytes, int frequency,
                                             int channels);
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // A new carrier chunk, for Mix_FreeChunk to free; its silence is shared by every carrier.
    static Mix_Chunk* NewCarrier();

    // Back to the first sample, to play once or over and over. Only while its channel does not
    // play. Returns the loops for Mix_PlayChannel: -1 for a repeat, else as many more plays of
    // the carrier as the music needs.
    int Restart(bool repeat);
    // The same from the given place in the decoded music, in bytes (for a repeat, counted on
    // round the loop). Returns -2, and leaves the stream as it was, for a single play whose
    // place lies past its end.
    int StartAt(std::size_t position, bool repeat);

    // The channel effect that decodes the music into the channel's samples (udata: the stream).
    static void Mix(int channel, void* samples, int length, void* udata);

    // How many bytes the stream keeps: the compressed file.
    std::size_t HeldBytes() const { return bytes.size(); }
    // The length of the whole music decoded, in bytes, which a single play of it lasts.
    std::size_t Length() const { return decodedBytes; }
    // Where the music is, in bytes of decoded music since its start (within the loop for a
    // repeat).
    std::size_t Position() const { return position.load(std::memory_order_relaxed); }
    // True once a single play has given its last sample, or the file broke off before its end.
    bool Over() const { return over.load(std::memory_order_relaxed); }

private:
    MusicStream() = default;

    // Fills the samples with the music's next ones, then silence once a single play is over.
    void Fill(unsigned char* samples, std::size_t length);
    // Puts the decoder at the byte of the decoded music; false when it cannot go there.
    bool SeekTo(std::size_t at);
    // Where the decoder reads the bytes.
    struct Reader;

    std::vector<unsigned char> bytes;
    std::unique_ptr<Reader> reader;
    mpg123_handle_struct* decoder = nullptr;
    std::size_t decodedBytes = 0;
    std::size_t frameBytes = 4;
    bool repeat = false;
    std::atomic<std::size_t> position{0};
    std::atomic<bool> over{false};
};

} // namespace vantor::sound
