#include "sound/MixerPlayer.h"

#include "sound/MusicStream.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vantor::sound {

namespace {

constexpr int Frequency = 44100;
constexpr int Channels = 2;
constexpr int BufferFrames = 1024;
// SDL numbers the devices it opens from 2 (1 is its old single device).
constexpr unsigned FirstDeviceId = 2;
constexpr unsigned LastDeviceId = 32;

using Clock = std::chrono::steady_clock;

// Whether the bytes begin as MPEG audio does: an ID3 tag or a frame's sync word.
bool LooksLikeMpegAudio(const std::vector<unsigned char>& bytes) {
    return (bytes.size() >= 3 && bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3') ||
           (bytes.size() >= 2 && bytes[0] == 0xff && (bytes[1] & 0xe0) == 0xe0);
}

// The whole of a plain file, or nothing when it cannot be read (or is larger than any sound
// file of the game could be).
std::vector<unsigned char> ReadFile(const char* file) {
    std::vector<unsigned char> bytes;
    SDL_RWops* source = SDL_RWFromFile(file, "rb");
    if (source == nullptr) {
        return bytes;
    }
    const Sint64 size = SDL_RWsize(source);
    if (size > 0 && size <= Sint64(64) << 20) {
        bytes.resize(static_cast<std::size_t>(size));
        if (SDL_RWread(source, bytes.data(), 1, bytes.size()) != bytes.size()) {
            bytes.clear();
        }
    }
    SDL_RWclose(source);
    return bytes;
}

// A zero-terminated name as a view, read no further than one byte past the longest valid
// name (a longer one then fails validation and matches no file).
std::string_view NameView(const char* name) {
    std::size_t length = 0;
    while (length <= MediaCommand::MaxFileNameLength && name[length] != '\0') {
        ++length;
    }
    return {name, length};
}

} // namespace

std::atomic<bool> MixerPlayer::deviceTaken{false};

MixerPlayer::MixerPlayer(Decoding decoding) : decoding(decoding) {}

MixerPlayer::~MixerPlayer() {
    Close();
}

bool MixerPlayer::Open(Start start) {
    if (IsOpen()) {
        return HasDevice();
    }
    if (deviceTaken.exchange(true)) {
        return false;
    }
    Mix_Init(MIX_INIT_MP3);
    bool device = OpenDevice();
    if (device) {
        std::unique_lock lock(mutex);
        if (!SetUpChannelsLocked()) {
            lock.unlock();
            CloseDevice();
            device = false;
        }
    }
    if (!device && start == Start::NeedDevice) {
        Mix_Quit();
        deviceTaken = false;
        return false;
    }
    {
        std::lock_guard lock(mutex);
        open = true;
        stopping = false;
        deviceOpen = device;
        keepTrying = start == Start::KeepTrying;
        nextAttempt = Clock::now() + RetryInterval;
    }
    if (decoding == Decoding::OnThread) {
        decoder = std::thread(&MixerPlayer::DecodeLoop, this);
    }
    return device;
}

bool MixerPlayer::OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    // The first device may choose its rate and channels; a device opened later plays in the
    // same format (SDL converts), so the decoded sounds and the streams stay as they are.
    Format wanted;
    {
        std::lock_guard lock(mutex);
        wanted = deviceFormat;
    }
    const int opened = wanted.frequency == 0
                           ? Mix_OpenAudioDevice(
                                 Frequency, AUDIO_S16SYS, Channels, BufferFrames, nullptr,
                                 SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE)
                           : Mix_OpenAudioDevice(wanted.frequency, wanted.format, wanted.channels,
                                                 BufferFrames, nullptr, 0);
    if (opened != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Format obtained;
    Mix_QuerySpec(&obtained.frequency, &obtained.format, &obtained.channels);
    // The mixer keeps its device's number to itself; the one device playing is its.
    unsigned id = FirstDeviceId;
    while (id <= LastDeviceId && SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_PLAYING) {
        ++id;
    }
    std::lock_guard lock(mutex);
    deviceFormat = obtained;
    deviceId = id <= LastDeviceId ? id : 0;
    return true;
}

void MixerPlayer::CloseDevice() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MixerPlayer::DeviceLost() {
    // SDL marks a device that failed or went away as stopped; the mixer never stops its own.
    return deviceId != 0 && SDL_GetAudioDeviceStatus(deviceId) == SDL_AUDIO_STOPPED;
}

bool MixerPlayer::SetUpChannelsLocked() {
    if (Mix_AllocateChannels(ChannelCount) != ChannelCount) {
        return false;
    }
    // Every channel belongs to the file of the same slot, the last one to the previews; none is
    // up for grabs.
    Mix_ReserveChannels(ChannelCount);
    for (int i = 0; i < slotCount; ++i) {
        Mix_Volume(i, MixerVolumeLocked(slots[i]));
    }
    return true;
}

bool MixerPlayer::IsOpen() const {
    std::lock_guard lock(mutex);
    return open;
}

bool MixerPlayer::HasDevice() const {
    std::lock_guard lock(mutex);
    return open && deviceOpen;
}

void MixerPlayer::Close() {
    {
        std::lock_guard lock(mutex);
        if (!open) {
            return;
        }
        stopping = true;
    }
    workArrived.notify_all();
    if (decoder.joinable()) {
        decoder.join();
    }
    bool device = false;
    {
        std::lock_guard lock(mutex);
        device = deviceOpen;
    }
    if (device) {
        Mix_HaltChannel(-1);
    }
    {
        std::lock_guard lock(mutex);
        for (int i = 0; i < slotCount; ++i) {
            if (slots[i].chunk != nullptr) {
                Mix_FreeChunk(slots[i].chunk);
            }
            slots[i] = Slot{};
        }
        for (auto& [carrier, stream] : madeStreams) {
            Mix_FreeChunk(carrier);
        }
        madeStreams.clear();
        slotCount = 0;
        open = false;
        deviceOpen = false;
        keepTrying = false;
        deviceFormat = {};
    }
    decodingDone.notify_all();
    if (device) {
        CloseDevice();
    }
    Mix_Quit();
    deviceTaken = false;
}

void MixerPlayer::WarmUp(const char* const* files, int count) {
    if (files == nullptr) {
        return;
    }
    {
        std::lock_guard lock(mutex);
        if (!open) {
            return;
        }
        for (int i = 0; i < count; ++i) {
            if (files[i] == nullptr) {
                continue;
            }
            const std::string_view name = NameView(files[i]);
            if (MediaCommand::IsValidFileName(name) && FindLocked(name) < 0) {
                AddLocked(name);
            }
        }
    }
    workArrived.notify_one();
}

void MixerPlayer::Send(const char* command) {
    const MediaCommand parsed = MediaCommand::Parse(command);
    if (!parsed.IsValid()) {
        return;
    }
    std::lock_guard lock(mutex);
    if (!open) {
        return;
    }
    if (parsed.verb == MediaCommand::Verb::Play) {
        PlayLocked(parsed.file, parsed.repeat);
    } else {
        StopLocked(parsed.file);
    }
}

void MixerPlayer::PlayLocked(std::string_view file, bool repeat) {
    int index = FindLocked(file);
    if (index < 0) {
        index = AddLocked(file);
        if (index < 0) {
            return;
        }
        workArrived.notify_one();
    }
    Slot& slot = slots[index];
    switch (slot.state) {
    case SlotState::Queued:
    case SlotState::Decoding:
        if (!slot.playWhenDecoded) {
            slot.playWhenDecoded = true;
            slot.loopWhenDecoded = repeat;
        }
        break;
    case SlotState::Ready:
        StartLocked(index, repeat);
        break;
    case SlotState::Free:
    case SlotState::Failed:
        break;
    }
}

void MixerPlayer::StopLocked(std::string_view file) {
    const int index = FindLocked(file);
    if (index < 0) {
        return;
    }
    Slot& slot = slots[index];
    slot.playWhenDecoded = false;
    slot.away = false;
    if (deviceOpen && slot.state == SlotState::Ready && Mix_Playing(index) != 0) {
        Mix_HaltChannel(index);
    }
}

void MixerPlayer::StartLocked(int index, bool repeat) {
    if (PlayingLocked(index)) {
        return;
    }
    Slot& slot = slots[index];
    if (!deviceOpen) {
        // No device: music plays on in silence, to be heard from where it is by then; the rest
        // falls in the silence.
        if (slot.stream != nullptr) {
            slot.away = true;
            slot.looping = repeat;
            slot.awayPosition = 0;
            slot.awayFrom = Clock::now();
            ++slot.starts;
        }
        return;
    }
    Mix_Volume(index, MixerVolumeLocked(slot));
    int loops = repeat ? -1 : 0;
#if VANTOR_STREAM_MUSIC
    // The channel plays the carrier as long as the music lasts; its effect, registered before
    // the channel starts, puts the music in its place from the first sample on.
    if (slot.stream != nullptr) {
        loops = slot.stream->Restart(repeat);
        Mix_RegisterEffect(index, &MusicStream::Mix, nullptr, slot.stream.get());
    }
#endif
    if (Mix_PlayChannel(index, slot.chunk, loops) == index) {
        slot.looping = repeat;
        ++slot.starts;
        if (paused) {
            Mix_Pause(index); // SetPaused has started SDL's clock
        }
        return;
    }
#if VANTOR_STREAM_MUSIC
    if (slot.stream != nullptr) {
        Mix_UnregisterEffect(index, &MusicStream::Mix);
    }
#endif
}

int MixerPlayer::MixerVolumeLocked(const Slot& slot) const {
    float volume = volumes.effects;
    if (slot.kind == SoundFiles::Kind::Music || slot.kind == SoundFiles::Kind::LoopingMusic) {
        volume = volumes.music;
    } else if (slot.kind == SoundFiles::Kind::Voice) {
        volume = volumes.voices;
    }
    return static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

void MixerPlayer::SetVolumes(float music, float effects, float voices) {
    std::lock_guard lock(mutex);
    volumes = {music, effects, voices};
    if (!open || !deviceOpen) {
        return;
    }
    for (int i = 0; i < slotCount; ++i) {
        Mix_Volume(i, MixerVolumeLocked(slots[i]));
    }
}

void MixerPlayer::SetPaused(bool hold) {
    std::lock_guard lock(mutex);
    if (paused == hold) {
        return;
    }
    // Music playing without a device holds where it is, as on one.
    const Clock::time_point now = Clock::now();
    for (int i = 0; i < slotCount; ++i) {
        if (slots[i].away) {
            slots[i].awayPosition = AwayPositionLocked(slots[i]);
            slots[i].awayFrom = now;
        }
    }
    paused = hold;
    if (!open || !deviceOpen) {
        return;
    }
    if (hold) {
        // SDL_mixer marks a channel paused with the time it was paused at, and a time of 0
        // reads as not paused: that is the time until SDL's clock has first been asked.
        while (SDL_GetTicks64() == 0) {
            SDL_Delay(1);
        }
        Mix_Pause(-1);
    } else {
        Mix_Resume(-1);
    }
}

int MixerPlayer::ChannelVolume(const char* file) const {
    std::lock_guard lock(mutex);
    const int index = open ? FindLocked(NameView(file)) : -1;
    if (index < 0) {
        return -1;
    }
    return deviceOpen ? Mix_Volume(index, -1) : MixerVolumeLocked(slots[index]);
}

bool MixerPlayer::IsHeld(const char* file) const {
    std::lock_guard lock(mutex);
    const int index = open ? FindLocked(NameView(file)) : -1;
    if (index < 0) {
        return false;
    }
    return deviceOpen ? Mix_Paused(index) != 0 : paused && PlayingLocked(index);
}

int MixerPlayer::ReadySampleLocked(const char* file) const {
    const int index = file != nullptr ? FindLocked(NameView(file)) : -1;
    if (index < 0 || slots[index].state != SlotState::Ready) {
        return -1;
    }
    const SoundFiles::Kind kind = slots[index].kind;
    return kind == SoundFiles::Kind::Effect || kind == SoundFiles::Kind::Voice ? index : -1;
}

void MixerPlayer::Preview(const char* file) {
    std::lock_guard lock(mutex);
    const int index = open && deviceOpen ? ReadySampleLocked(file) : -1;
    if (index < 0) {
        return;
    }
    // Started afresh over whatever preview still sounds; not held by the pause.
    Mix_HaltChannel(PreviewChannel);
    Mix_Volume(PreviewChannel, MixerVolumeLocked(slots[index]));
    Mix_PlayChannel(PreviewChannel, slots[index].chunk, 0);
}

int MixerPlayer::LengthMs(const char* file) const {
    std::lock_guard lock(mutex);
    const int index = ReadySampleLocked(file);
    if (index < 0) {
        return 0;
    }
    const Slot& slot = slots[index];
    // The device may play at another rate or with other channels than were asked for.
    const long long bytesPerSecond = BytesPerSecondLocked();
    if (bytesPerSecond <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(slot.chunk->alen) * 1000 / bytesPerSecond);
}

int MixerPlayer::PlayedMs(const char* file) const {
    std::lock_guard lock(mutex);
    const int index = open && file != nullptr ? FindLocked(NameView(file)) : -1;
    const long long bytesPerSecond = BytesPerSecondLocked();
    if (index < 0 || slots[index].stream == nullptr || bytesPerSecond <= 0) {
        return 0;
    }
    const Slot& slot = slots[index];
    std::size_t position = slot.away ? AwayPositionLocked(slot) : slot.stream->Position();
    if (slot.looping && slot.stream->Length() > 0) {
        position %= slot.stream->Length();
    }
    return static_cast<int>(static_cast<long long>(position) * 1000 / bytesPerSecond);
}

std::size_t MixerPlayer::HeldBytes(const char* file) const {
    if (file == nullptr) {
        return 0;
    }
    std::lock_guard lock(mutex);
    const int index = FindLocked(NameView(file));
    if (index < 0 || slots[index].state != SlotState::Ready) {
        return 0;
    }
#if VANTOR_STREAM_MUSIC
    if (slots[index].stream != nullptr) {
        return slots[index].stream->HeldBytes();
    }
#endif
    return slots[index].chunk->alen;
}

int MixerPlayer::FindLocked(std::string_view file) const {
    for (int i = 0; i < slotCount; ++i) {
        const Slot& slot = slots[i];
        if (slot.length == file.size() &&
            std::memcmp(slot.name.data(), file.data(), file.size()) == 0) {
            return i;
        }
    }
    return -1;
}

// Takes a new slot for the file and queues it for decoding; -1 when the table is full and no
// failed file can make room.
int MixerPlayer::AddLocked(std::string_view file) {
    int index = -1;
    if (slotCount < MaxFiles) {
        index = slotCount++;
    } else {
        for (int i = 0; i < slotCount && index < 0; ++i) {
            if (slots[i].state == SlotState::Failed) {
                index = i;
            }
        }
        if (index < 0) {
            return -1;
        }
    }
    Slot& slot = slots[index];
    slot = Slot{};
    std::memcpy(slot.name.data(), file.data(), file.size());
    slot.name[file.size()] = '\0';
    slot.length = file.size();
    slot.state = SlotState::Queued;
    if (const SoundFiles::File* known = SoundFiles::Find(file)) {
        slot.kind = known->kind;
    }
    if (deviceOpen) {
        Mix_Volume(index, MixerVolumeLocked(slot));
    }
    return index;
}

// A file somebody is waiting to hear goes first; otherwise the warm-up order holds.
int MixerPlayer::NextToDecodeLocked() const {
    int first = -1;
    for (int i = 0; i < slotCount; ++i) {
        if (slots[i].state == SlotState::Queued) {
            if (slots[i].playWhenDecoded) {
                return i;
            }
            if (first < 0) {
                first = i;
            }
        }
    }
    return first;
}

bool MixerPlayer::DecodingPendingLocked() const {
    for (int i = 0; i < slotCount; ++i) {
        if (slots[i].state == SlotState::Queued || slots[i].state == SlotState::Decoding) {
            return true;
        }
    }
    return false;
}

void MixerPlayer::DecodeLoop() {
    DecodeFiles();
    // SDL keeps an error message per thread; a thread SDL did not create must free its own.
    SDL_TLSCleanup();
}

void MixerPlayer::DecodeFiles() {
    std::unique_lock lock(mutex);
    for (;;) {
        // Files are decoded only for a device: the mixer makes its chunks for one.
        workArrived.wait_for(lock, LookInterval, [this] {
            return stopping || (deviceOpen && NextToDecodeLocked() >= 0);
        });
        if (stopping) {
            return;
        }
        LookAfterDeviceLocked(lock);
        if (!stopping && deviceOpen) {
            DecodeOneLocked(lock);
        }
    }
}

bool MixerPlayer::DecodeNext() {
    if (decoding != Decoding::OnCall) {
        return false;
    }
    std::unique_lock lock(mutex);
    if (!open) {
        return false;
    }
    LookAfterDeviceLocked(lock);
    return deviceOpen && DecodeOneLocked(lock);
}

void MixerPlayer::LookAfterDeviceLocked(std::unique_lock<std::mutex>& lock) {
    if (!deviceOpen) {
        if (keepTrying && Clock::now() >= nextAttempt) {
            TryDeviceLocked(lock);
        }
        return;
    }
    if (DeviceLost()) {
        LoseDeviceLocked(lock);
        return;
    }
    // Music played once that broke off before its length ends there rather than in silence.
    for (int i = 0; i < slotCount; ++i) {
        const Slot& slot = slots[i];
        if (slot.stream != nullptr && !slot.looping && slot.stream->Over() && Mix_Playing(i) != 0) {
            Mix_HaltChannel(i);
        }
    }
}

void MixerPlayer::LoseDeviceLocked(std::unique_lock<std::mutex>& lock) {
    std::fputs("vantor-game: the sound device stopped; the game plays on without sound and "
               "listens for a device\n",
               stderr);
    // The music of the moment plays on in silence from where the device left it.
    const Clock::time_point now = Clock::now();
    for (int i = 0; i < slotCount; ++i) {
        Slot& slot = slots[i];
        if (slot.stream != nullptr && slot.state == SlotState::Ready && Mix_Playing(i) != 0) {
            slot.away = true;
            slot.awayPosition = slot.stream->Position();
            slot.awayFrom = now;
        }
    }
    deviceOpen = false;
    keepTrying = true;
    nextAttempt = now + RetryInterval;
    // Nothing on the game's thread touches the mixer while there is no device.
    lock.unlock();
    Mix_HaltChannel(-1);
    CloseDevice();
    lock.lock();
}

void MixerPlayer::TryDeviceLocked(std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    bool opened = OpenDevice();
    lock.lock();
    if (opened && (stopping || !SetUpChannelsLocked())) {
        lock.unlock();
        CloseDevice();
        lock.lock();
        opened = false;
    }
    if (!opened) {
        nextAttempt = Clock::now() + RetryInterval;
        return;
    }
    deviceOpen = true;
    ResumeAwayMusicLocked();
    std::fputs("vantor-game: a sound device is there again; the sound is back\n", stderr);
    workArrived.notify_all();
}

std::size_t MixerPlayer::AwayPositionLocked(const Slot& slot) const {
    if (paused) {
        return slot.awayPosition;
    }
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - slot.awayFrom);
    const long long bytesPerSecond = BytesPerSecondLocked();
    return slot.awayPosition + static_cast<std::size_t>(elapsed.count() * bytesPerSecond / 1000000);
}

long long MixerPlayer::BytesPerSecondLocked() const {
    return static_cast<long long>(deviceFormat.frequency) * deviceFormat.channels *
           (SDL_AUDIO_BITSIZE(deviceFormat.format) / 8);
}

bool MixerPlayer::PlayingLocked(int index) const {
    const Slot& slot = slots[index];
    if (slot.state != SlotState::Ready) {
        return false;
    }
    if (deviceOpen) {
        return Mix_Playing(index) != 0;
    }
    return slot.away && (slot.looping || AwayPositionLocked(slot) < slot.stream->Length());
}

void MixerPlayer::ResumeAwayMusicLocked() {
#if VANTOR_STREAM_MUSIC
    for (int i = 0; i < slotCount; ++i) {
        Slot& slot = slots[i];
        if (!slot.away) {
            continue;
        }
        slot.away = false;
        const int loops = slot.stream->StartAt(AwayPositionLocked(slot), slot.looping);
        if (loops == -2) {
            continue; // a single play that ended while there was no device
        }
        Mix_RegisterEffect(i, &MusicStream::Mix, nullptr, slot.stream.get());
        if (Mix_PlayChannel(i, slot.chunk, loops) != i) {
            Mix_UnregisterEffect(i, &MusicStream::Mix);
        } else if (paused) {
            Mix_Pause(i);
        }
    }
#endif
}

int MixerPlayer::PendingCount() const {
    std::lock_guard lock(mutex);
    int pending = 0;
    for (int i = 0; i < slotCount; ++i) {
        if (slots[i].state == SlotState::Queued || slots[i].state == SlotState::Decoding) {
            ++pending;
        }
    }
    return pending;
}

bool MixerPlayer::DecodeOneLocked(std::unique_lock<std::mutex>& lock) {
    const int index = NextToDecodeLocked();
    if (index < 0) {
        return false;
    }
    slots[index].state = SlotState::Decoding;
    // The name of a slot does not change while it is being decoded.
    const char* name = slots[index].name.data();
    lock.unlock();
    Mix_Chunk* chunk = Decode(name);
    lock.lock();
    Slot& slot = slots[index];
#if VANTOR_STREAM_MUSIC
    if (const auto made = madeStreams.find(chunk); chunk != nullptr && made != madeStreams.end()) {
        slot.stream = std::move(made->second);
        madeStreams.erase(made);
    }
#endif
    if (chunk != nullptr) {
        slot.chunk = chunk;
        slot.state = SlotState::Ready;
        if (slot.playWhenDecoded && !stopping) {
            StartLocked(index, slot.loopWhenDecoded);
        }
    } else {
        slot.state = SlotState::Failed;
    }
    slot.playWhenDecoded = false;
    decodingDone.notify_all();
    return true;
}

Mix_Chunk* MixerPlayer::Decode(const char* file) {
    // Only a plain file is ever read. A command may name anything at all, and a device or a
    // pipe ("play /dev/zero", "play /dev/stdin") would never come to an end: the decoding
    // thread would be stuck on it for good, and Close with it.
    struct stat info {};
    if (stat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        return nullptr;
    }
    std::vector<unsigned char> bytes = ReadFile(file);
    if (bytes.empty()) {
        return nullptr;
    }
    // Music is kept as its file when its first frames decode; an MP3 that fails that check
    // stays silent, and only what is no MP3 at all is decoded whole as any other sound.
    const SoundFiles::File* known = SoundFiles::Find(NameView(file));
    if (VANTOR_STREAM_MUSIC && known != nullptr && known->IsMusic() && LooksLikeMpegAudio(bytes)) {
        return OpenStream(std::move(bytes));
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) {
        return nullptr;
    }
    // The source is closed here rather than by the loader, which leaves it open when it cannot
    // even read the first bytes.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 0);
    SDL_RWclose(source);
    if (chunk != nullptr && chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    return chunk;
}

Mix_Chunk* MixerPlayer::OpenStream(std::vector<unsigned char> bytes) {
#if VANTOR_STREAM_MUSIC
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || format != AUDIO_S16SYS) {
        return nullptr;
    }
    std::unique_ptr<MusicStream> stream = MusicStream::Open(std::move(bytes), frequency, channels);
    Mix_Chunk* carrier = stream != nullptr ? MusicStream::NewCarrier() : nullptr;
    if (carrier == nullptr) {
        return nullptr;
    }
    std::lock_guard lock(mutex);
    madeStreams[carrier] = std::shared_ptr<MusicStream>(std::move(stream));
    return carrier;
#else
    (void)bytes;
    return nullptr;
#endif
}

MixerPlayer::FileState MixerPlayer::StateOf(const char* file) const {
    if (file == nullptr) {
        return FileState::Unknown;
    }
    std::lock_guard lock(mutex);
    const int index = FindLocked(NameView(file));
    if (index < 0) {
        return FileState::Unknown;
    }
    switch (slots[index].state) {
    case SlotState::Queued:
    case SlotState::Decoding:
        return FileState::Decoding;
    case SlotState::Ready:
        return FileState::Ready;
    case SlotState::Failed:
        return FileState::Failed;
    case SlotState::Free:
        break;
    }
    return FileState::Unknown;
}

bool MixerPlayer::IsPlaying(const char* file) const {
    if (file == nullptr) {
        return false;
    }
    std::lock_guard lock(mutex);
    const int index = open ? FindLocked(NameView(file)) : -1;
    return index >= 0 && PlayingLocked(index);
}

bool MixerPlayer::IsLooping(const char* file) const {
    if (file == nullptr) {
        return false;
    }
    std::lock_guard lock(mutex);
    const int index = open ? FindLocked(NameView(file)) : -1;
    return index >= 0 && slots[index].looping && PlayingLocked(index);
}

int MixerPlayer::StartCount(const char* file) const {
    if (file == nullptr) {
        return 0;
    }
    std::lock_guard lock(mutex);
    const int index = FindLocked(NameView(file));
    return index >= 0 ? slots[index].starts : 0;
}

bool MixerPlayer::WaitForDecoding(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex);
    if (decoding == Decoding::OnCall) {
        return !DecodingPendingLocked();
    }
    return decodingDone.wait_for(lock, timeout, [this] { return !DecodingPendingLocked(); });
}

} // namespace vantor::sound
