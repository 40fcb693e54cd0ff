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
#include <vector>

struct Mix_Chunk;
struct SDL_RWops;

namespace vantor::sound {

class MusicStream;

// The game's sound player on SDL2_mixer. Every file gets its own mixer channel, so music,
// effects and voices overlap freely. Files are decoded on a background thread, ahead of time
// for the files given to WarmUp and on their first play for any other file, so a command never
// waits for decoding: a play that arrives while its file is still being decoded starts as soon
// as the decoding is done, unless a stop for it came in between. Effects and voices are kept
// decoded whole. The game's music files (SoundFiles.h) are kept compressed and decoded as they
// play (MusicStream.h), which keeps a tenth of the memory; whether one can play is decided from
// a quick check of its first frames, never by decoding it whole. A music file that is no MP3
// at all (a WAV named as music) is decoded whole as any other file.
//
// "play F" starts F once; "play F repeat" loops it until "stop F". A play of a file that is
// already playing leaves it running as it is (no restart, and a running once-play does not
// turn into a loop); a stop of a file that is not playing does nothing. A file that has played
// to its end starts again from the beginning on its next play. A file that is missing, empty
// or cannot be decoded stays silent, as does a name that is no plain file (a directory, a
// device, a pipe), and the failure is remembered: later plays of it cost nothing. Music that
// breaks off past its first frames plays up to the break and ends there, silently. Malformed
// commands are ignored.
//
// The audio device may fail or go away while the game runs (headphones unplugged, a USB
// headset removed, the sound server restarted). The player then says so in one line on stderr,
// goes on without sound (commands, pauses and volumes are kept as if it played), and tries the
// default device again every RetryInterval; when one opens, it says so and the music of the
// moment plays again from where it would be by then. Effects and voices that fell in the
// silence are not heard. A player opened with KeepTrying does the same for a device that
// cannot be opened at all at first. The attempts run on the player's own thread (in DecodeNext
// on a player without one), never on a frame. Otherwise the player prints nothing itself.
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
    // What Open does when no audio device can be opened: fail, or start without sound and try
    // the device again every RetryInterval.
    enum class Start { NeedDevice, KeepTrying };
    // How often a missing or lost device is tried again, and how often the player's thread
    // looks whether the device is still there.
    static constexpr std::chrono::milliseconds RetryInterval{2000};
    static constexpr std::chrono::milliseconds LookInterval{100};

    explicit MixerPlayer(Decoding decoding = Decoding::OnThread);
    ~MixerPlayer() override;
    MixerPlayer(const MixerPlayer&) = delete;
    MixerPlayer& operator=(const MixerPlayer&) = delete;

    // Opens the audio device and starts the decoding thread (if it decodes on its thread). False
    // when another player holds the device, or when there is no usable audio device and the
    // start is NeedDevice: the player then stays silent. With KeepTrying a player without a
    // device is open all the same (IsOpen), silent until a device opens; the result says
    // whether one opened now.
    bool Open(Start start = Start::NeedDevice);
    bool IsOpen() const;
    // Whether the player has an audio device now (false while one is lost or missing).
    bool HasDevice() const;
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
    // How far music decoded as it plays has come since its start (within the loop for a
    // repeat), in milliseconds, also while there is no device; 0 for any other file.
    int PlayedMs(const char* file) const;

protected:
    // Decodes one file into a chunk in the device's format, or returns null when it cannot.
    // Runs on the decoding thread, or in DecodeNext. A subclass that overrides it must call Close
    // in its own destructor, so that the thread is gone before the subclass is.
    virtual Mix_Chunk* Decode(const char* file);

    // The audio device, where a test makes it fail and come back. OpenDevice opens the default
    // device for the mixer (in the format of the first device opened, once there was one) and
    // says whether it did; CloseDevice closes it again; DeviceLost says whether the open device
    // has stopped for good. OpenDevice and CloseDevice run without the player's lock, on the
    // game's thread in Open and Close and on the player's thread (or in DecodeNext) otherwise;
    // DeviceLost runs with the lock held. The same rule for overriding as for Decode.
    virtual bool OpenDevice();
    virtual void CloseDevice();
    virtual bool DeviceLost();

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
        // While there is no device, music that plays all the same: from which place in the
        // decoded music (bytes) at which time, not counting the pause.
        bool away = false;
        std::size_t awayPosition = 0;
        std::chrono::steady_clock::time_point awayFrom{};
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

    // Whether the slot's file sounds (or would, while there is no device).
    bool PlayingLocked(int index) const;
    // Bytes of decoded sound a second in the device's format (0 before a device opened).
    long long BytesPerSecondLocked() const;
    // For music playing without a device: where it is now, in bytes of decoded music.
    std::size_t AwayPositionLocked(const Slot& slot) const;
    // The device's rounds: music broken off ended, a lost device let go, a missing one tried.
    // May let the lock go meanwhile.
    void LookAfterDeviceLocked(std::unique_lock<std::mutex>& lock);
    void LoseDeviceLocked(std::unique_lock<std::mutex>& lock);
    void TryDeviceLocked(std::unique_lock<std::mutex>& lock);
    // The channels, their volumes and the music of the moment, on a device just opened.
    bool SetUpChannelsLocked();
    void ResumeAwayMusicLocked();

    void DecodeLoop();
    void DecodeFiles();
    // Decodes the next waiting file with the mutex let go meanwhile, and keeps what came of it;
    // false when none waits.
    bool DecodeOneLocked(std::unique_lock<std::mutex>& lock);
    // The music file's bytes as a stream, when they pass its quick check, and its carrier
    // chunk; null otherwise. Runs on the decoding thread.
    Mix_Chunk* OpenStream(std::vector<unsigned char> bytes);

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
    // The device: open now; tried again when missing; when to try next; the SDL device whose
    // status tells a loss (0 when it cannot be told); the format of the first device opened.
    bool deviceOpen = false;
    bool keepTrying = false;
    std::chrono::steady_clock::time_point nextAttempt{};
    unsigned deviceId = 0;
    struct Format {
        int frequency = 0;
        unsigned short format = 0;
        int channels = 0;
    } deviceFormat;
    const Decoding decoding;
    std::thread decoder;

    // Set while some player holds the audio device.
    static std::atomic<bool> deviceTaken;
};

} // namespace vantor::sound
