#pragma once

#include "sound/MediaCommand.h"
#include "sound/MediaPlayer.h"
#include "sound/SoundFiles.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

struct Mix_Chunk;
struct SDL_RWops;

namespace vantor::sound {

class MusicStream;

// The game's sound player on SDL2_mixer. Every file gets its own mixer channel, so music,
// effects and voices overlap freely. Files are decoded on a background thread, ahead of time
// for the files given to WarmUp and on their first play for any other file, so a command never
// waits for decoding: a play that arrives while its file is still being decoded starts as soon
// as the decoding is done, unless a stop for it came in between. Effects and voices are kept
// decoded whole; the game's music files (SoundFiles.h) that are MP3 are checked the same way,
// then kept compressed and decoded as they play (MusicStream.h), which keeps a tenth of the
// memory.
//
// "play F" starts F once; "play F repeat" loops it until "stop F". A play of a file that is
// already playing leaves it running as it is (no restart, and a running once-play does not
// turn into a loop); a stop of a file that is not playing does nothing. A file that has played
// to its end starts again from the beginning on its next play. A file that is missing, empty
// or cannot be decoded stays silent, as does a name that is no plain file (a directory, a
// device, a pipe), and the failure is remembered: later plays of it cost nothing. Malformed
// commands are ignored. The player prints nothing itself (the MP3 decoder may leave a note
// about a corrupt file on stderr).
//
// A player that is not open (Open was never called, or it failed because there is no audio
// device) ignores every command, so it is always safe to install. Only one player can hold the
// audio device at a time; Open of a second one fails.
//
// Send, WarmUp, Open and Close belong to the game's thread; the inspection functions may be
// called from any thread. A player made to decode on call (for a program without threads, as
// on the web) has no thread of its own: each DecodeNext decodes one waiting file on the
// calling thread, and every command means the same as on a player with its thread.
class MixerPlayer : public MediaPlayer {
public:
    // The number of distinct files the player keeps track of (the game names twenty). When the
    // table is full, the slot of a file that failed to decode is reused; otherwise a new file
    // name is ignored.
    static constexpr int MaxFiles = 64;

    enum class FileState { Unknown, Decoding, Ready, Failed };
    // Where the files are decoded: on the player's own thread, or by the calls of DecodeNext.
    enum class Decoding { OnThread, OnCall };

    explicit MixerPlayer(Decoding decoding = Decoding::OnThread);
    ~MixerPlayer() override;
    MixerPlayer(const MixerPlayer&) = delete;
    MixerPlayer& operator=(const MixerPlayer&) = delete;

    // Opens the audio device and starts the decoding thread (if it decodes on its thread). False
    // when there is no usable audio device (or another player holds it); the player then stays
    // silent.
    bool Open();
    bool IsOpen() const;
    // Stops the decoding thread (after the file it is working on), halts every sound, frees
    // the decoded files and closes the audio device. The destructor does the same. Call it
    // before SDL_Quit.
    void Close();

    // Queues the named files for decoding in the background, in the given order. Does nothing
    // on a player that is not open. Null names and invalid names are skipped.
    void WarmUp(const char* const* files, int count);

    // On a player that decodes on call: decodes the next waiting file (one somebody waits to
    // hear first, else in the warm-up order), starts it if a play waits for it, and returns
    // true; false when no file waits. Does nothing and returns false on a player that decodes
    // on its thread, or one that is not open.
    bool DecodeNext();
    // How many files wait for decoding or are being decoded.
    int PendingCount() const;

    void Send(const char* command) override;

    // What the player knows about a file (Unknown for a name it has never been given).
    FileState StateOf(const char* file) const;
    bool IsPlaying(const char* file) const;
    // True while the file plays from a "repeat" command.
    bool IsLooping(const char* file) const;
    // How many times the file has been started from its beginning.
    int StartCount(const char* file) const;
    // Waits until no file is waiting for or in decoding; false if the time ran out first. A
    // player that decodes on call does not wait: only DecodeNext can decode what waits.
    bool WaitForDecoding(std::chrono::milliseconds timeout) const;

    // How loud each kind of sound plays, from 0 (silent) to 1 (as the file holds it): music,
    // effects and the ship's computer. Applies at once to what plays and to what starts later.
    void SetVolumes(float music, float effects, float voices);
    // Holds every sound where it is, also one that starts while paused, or lets them all go on
    // from there. A paused sound still counts as playing.
    void SetPaused(bool paused);
    // The mixer's volume of the file's channel (0 to MIX_MAX_VOLUME), -1 for an unknown file.
    int ChannelVolume(const char* file) const;
    // Whether the file's channel is held by SetPaused.
    bool IsHeld(const char* file) const;
    // How many bytes the player keeps for the file's sound: its decoded samples, or the file
    // itself for music decoded as it plays; 0 for a file it has none for.
    std::size_t HeldBytes(const char* file) const;

    // Plays a decoded effect or voice once at its kind's volume, apart from the game's sounds:
    // on a channel of its own that the pause does not hold, so that a player moving a volume
    // in the paused game's menu hears it. A preview starts over the one before. Does nothing
    // for music, or a file not decoded (yet).
    void Preview(const char* file);
    // How long the decoded effect or voice lasts, in milliseconds; 0 for music or a file not
    // decoded (yet).
    int LengthMs(const char* file) const;

protected:
    // Decodes one file into a chunk in the device's format, or returns null when it cannot.
    // Runs on the decoding thread, or in DecodeNext. A subclass that overrides it must call Close
    // in its own destructor, so that the thread is gone before the subclass is.
    virtual Mix_Chunk* Decode(const char* file);

private:
    enum class SlotState { Free, Queued, Decoding, Ready, Failed };
    // The channel of each file's slot, then the previews'.
    static constexpr int PreviewChannel = MaxFiles;
    static constexpr int ChannelCount = MaxFiles + 1;

    // One file and the mixer channel of the same index.
    struct Slot {
        std::array<char, MediaCommand::MaxFileNameLength + 1> name{};
        std::size_t length = 0;
        SlotState state = SlotState::Free;
        Mix_Chunk* chunk = nullptr;
        bool playWhenDecoded = false;
        bool loopWhenDecoded = false;
        bool looping = false;
        int starts = 0;
        SoundFiles::Kind kind = SoundFiles::Kind::Effect;
        // For music decoded as it plays: the stream, and chunk is its carrier.
        std::shared_ptr<MusicStream> stream;
    };

    // All of these expect the mutex to be held.
    int FindLocked(std::string_view file) const;
    int AddLocked(std::string_view file);
    int NextToDecodeLocked() const;
    bool DecodingPendingLocked() const;
    void PlayLocked(std::string_view file, bool repeat);
    void StopLocked(std::string_view file);
    void StartLocked(int index, bool repeat);
    int MixerVolumeLocked(const Slot& slot) const;
    // The slot of the file when it holds a decoded effect or voice, else -1.
    int ReadySampleLocked(const char* file) const;

    void DecodeLoop();
    void DecodeFiles();
    // Decodes the next waiting file with the mutex let go meanwhile, and keeps what came of it;
    // false when none waits.
    bool DecodeOneLocked(std::unique_lock<std::mutex>& lock);
    // The music file's bytes, from the start of the source, as a stream that lasts as long as
    // the decoded music, and its carrier chunk; null when the music is to be kept decoded after
    // all. Runs on the decoding thread.
    Mix_Chunk* OpenStream(SDL_RWops* source, std::size_t decodedBytes);

    mutable std::mutex mutex;
    std::condition_variable workArrived;
    mutable std::condition_variable decodingDone;
    std::array<Slot, MaxFiles> slots{};
    // Streams Decode has made, by their carrier chunk, until their slot takes them.
    std::map<Mix_Chunk*, std::shared_ptr<MusicStream>> madeStreams;
    int slotCount = 0;
    // How loud each kind of sound plays, 0 to 1.
    struct Volumes {
        float music = 1.0f;
        float effects = 1.0f;
        float voices = 1.0f;
    } volumes;
    bool paused = false;
    bool open = false;
    bool stopping = false;
    const Decoding decoding;
    std::thread decoder;

    // Set while some player holds the audio device.
    static std::atomic<bool> deviceTaken;
};

} // namespace vantor::sound
