#include "bench/SoundBench.h"

#include "bench/BenchGroup.h"

#include "sound/MediaCommand.h"
#include "sound/MixerPlayer.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace vantor::bench {

namespace {

// The player for the whole run, opened on first use with every file of the game decoded.
sound::MixerPlayer* Player() {
    static sound::MixerPlayer player;
    static bool ready = false;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (player.Open()) {
            player.WarmUp(sound::SoundFiles::Names.data(),
                          static_cast<int>(sound::SoundFiles::Names.size()));
            ready = player.WaitForDecoding(std::chrono::seconds(60));
            for (const char* file : sound::SoundFiles::Names) {
                ready = ready && player.StateOf(file) == sound::MixerPlayer::FileState::Ready;
            }
        }
    }
    return ready ? &player : nullptr;
}

// The shared player, or null with the benchmark marked as not measured.
sound::MixerPlayer* PlayerFor(benchmark::State& state) {
    sound::MixerPlayer* player = Player();
    if (player == nullptr) {
        state.SkipWithError("the sound player could not be opened on the dummy driver");
    }
    return player;
}

// The first play of each of the game's twenty files, on a new player that has just decoded
// them all, as the game's first minutes play them. The time is per command; the slowest single
// first play is a counter. Each iteration opens its own player, so this must run before the
// shared one is opened.
void FirstPlayOfEveryFile(benchmark::State& state) {
    std::vector<std::string> commands;
    for (const char* file : sound::SoundFiles::Names) {
        commands.push_back(std::string("play ") + file);
    }
    double slowest = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        sound::MixerPlayer player;
        if (!player.Open()) {
            state.SkipWithError("the audio device cannot be opened, or another player holds it");
            return;
        }
        player.WarmUp(sound::SoundFiles::Names.data(),
                      static_cast<int>(sound::SoundFiles::Names.size()));
        player.WaitForDecoding(std::chrono::seconds(60));
        state.ResumeTiming();
        for (const std::string& command : commands) {
            const auto start = std::chrono::steady_clock::now();
            player.Send(command.c_str());
            const std::chrono::duration<double, std::nano> took =
                std::chrono::steady_clock::now() - start;
            slowest = std::max(slowest, took.count());
        }
        state.PauseTiming();
        player.Close();
        state.ResumeTiming();
    }
    state.counters["commands"] = static_cast<double>(commands.size());
    state.counters["slowest_ns"] = slowest;
}

// Taking the command apart, which every player does first.
void ParseOnly(benchmark::State& state) {
    for (auto _ : state) {
        const sound::MediaCommand parsed =
            sound::MediaCommand::Parse(sound::SoundCommands::PlayGameOver);
        benchmark::DoNotOptimize(parsed);
    }
}

// The end screen's case: a play of what already plays, sent on every frame.
void PlayWhilePlaying(benchmark::State& state) {
    sound::MixerPlayer* player = PlayerFor(state);
    if (player == nullptr) {
        return;
    }
    player->Send(sound::SoundCommands::PlayTrack01);
    for (auto _ : state) {
        player->Send(sound::SoundCommands::PlayTrack01);
    }
    player->Send(sound::SoundCommands::StopTrack01);
}

// A stop of a file that is not playing, as the end screen sends for every sector track.
void StopWhileStopped(benchmark::State& state) {
    sound::MixerPlayer* player = PlayerFor(state);
    if (player == nullptr) {
        return;
    }
    for (auto _ : state) {
        player->Send(sound::SoundCommands::StopTrack05);
    }
}

// Starting a file and halting it again: one command per iteration, half of them starts on a
// mixer channel, half of them halts. Registered for a decoded sound, and for a sector track,
// which is kept compressed and decoded as it plays: a start rewinds its decoder.
void StartAndStop(benchmark::State& state, const char* start, const char* stop) {
    sound::MixerPlayer* player = PlayerFor(state);
    if (player == nullptr) {
        return;
    }
    const char* const commands[2] = {start, stop};
    int next = 0;
    for (auto _ : state) {
        player->Send(commands[next]);
        next ^= 1;
    }
    player->Send(stop);
}

// The commands of one end-screen frame after a defeat, timed per command.
void EndScreenFrame(benchmark::State& state) {
    sound::MixerPlayer* player = PlayerFor(state);
    if (player == nullptr) {
        return;
    }
    int perFrame = 0;
    for (auto _ : state) {
        perFrame = 0;
        for (const char* stop : sound::SoundCommands::StopTracks) {
            player->Send(stop);
            ++perFrame;
        }
        player->Send(sound::SoundCommands::StopBossTrack);
        player->Send(sound::SoundCommands::PlayGameOver);
        player->Send(sound::SoundCommands::PlayLargeExplosion);
        perFrame += 3;
    }
    state.SetItemsProcessed(state.iterations() * perFrame);
    state.counters["commands"] = perFrame;
    player->Send(sound::SoundCommands::StopGameOver);
}

} // namespace

void SoundBench::Register() {
    const BenchGroup group("Sound", benchmark::kNanosecond);
    group.Add("FirstPlayOfEveryFile", FirstPlayOfEveryFile)->Iterations(5);
    group.Add("Reference_Parse", ParseOnly);
    group.Add("PlayWhilePlaying", PlayWhilePlaying);
    group.Add("StopWhileStopped", StopWhileStopped);
    group.Add("StartAndStopMusic", StartAndStop, sound::SoundCommands::PlayTrack02,
              sound::SoundCommands::StopTrack02);
    group.Add("StartAndStop", StartAndStop, sound::SoundCommands::PlayEngine,
              "stop zeb_engine_2.mp3");
    group.Add("EndScreenFrame", EndScreenFrame);
}

} // namespace vantor::bench
