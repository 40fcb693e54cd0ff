// Checks the sound files exactly as the game will find them: names, format, lengths,
// seams, levels and size. In a ctest run the files come from the generating step
// (VANTOR_SOUND_DIR); run alone, the suite generates them into a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Mp3Decoder.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"
#include "tools/sounds/GenerateSounds.h"
#include "tools/sounds/MusicLibrary.h"
#include "tools/sounds/SoundLibrary.h"

namespace vantor::test {

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> LoopingTracks = {"track01.mp3", "track02.mp3",  "track03.mp3",
                                                "track04.mp3", "track05.mp3",  "track06.mp3",
                                                "track07.mp3", "BossTrack.mp3"};
const std::vector<std::string> Effects = {"zeb_engine_2.mp3", "zeb_torpedo3_clean.mp3",
                                          "smallexplosion1.mp3", "largeexplosion4.mp3"};
const std::vector<std::string> Voices = {
    "warningprimaryshieldsfailing_ep.mp3", "warningstructuralintegrity_ep.mp3",
    "lifesupportfailurealldecksabandonship_ep.mp3", "longrangescanplanetcomplete_clean.mp3",
    "pleasespecifyhowyouwouldliketoproceed_ep.mp3"};

class SoundFiles : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* given = std::getenv("VANTOR_SOUND_DIR");
        if (given != nullptr && *given != '\0') {
            folder = given;
            return;
        }
        ownFolder = std::make_unique<TempDirectory>();
        folder = ownFolder->Path();
        generated = tools::sounds::GenerateSounds(folder.string());
    }

    static void TearDownTestSuite() {
        decoded.clear();
        ownFolder.reset();
    }

    void SetUp() override { ASSERT_TRUE(generated) << "GenerateSounds reported a failure"; }

    // Decodes each file once per test process.
    static const Mp3Decoder& Decoded(const std::string& file) {
        auto found = decoded.find(file);
        if (found == decoded.end()) {
            Mp3Decoder sound;
            std::string error;
            if (!sound.Decode((folder / file).string(), error)) {
                ADD_FAILURE() << error;
            }
            found = decoded.emplace(file, std::move(sound)).first;
        }
        return found->second;
    }

    static double Seconds(const tools::sounds::Song& song) { return song.BarSeconds() * song.bars; }

    static inline fs::path folder;
    static inline std::unique_ptr<TempDirectory> ownFolder; // when the suite made the files itself
    static inline bool generated = true;
    static inline std::map<std::string, Mp3Decoder> decoded;
};

TEST_F(SoundFiles, EveryFileTheGamePlaysIsThereUnderItsExactName) {
    for (const char* file : sound::SoundFiles::EveryName) {
        EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;
        EXPECT_GT(fs::file_size(folder / file), 1000u) << file;
    }
    int mp3Files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".mp3") {
            ++mp3Files;
        }
    }
    EXPECT_EQ(mp3Files, int(sound::SoundFiles::EveryCount))
        << "a file under a name the game never asks for";
}

TEST_F(SoundFiles, EveryFileIsAnMp3WithAGaplessInfoTag) {
    for (const char* file : sound::SoundFiles::EveryName) {
        SCOPED_TRACE(file);
        const std::vector<unsigned char> bytes = ByteFile::Read(folder / file);
        ASSERT_GT(bytes.size(), 4u);
        // An MPEG audio frame header: eleven set sync bits, MPEG-1 layer III at 44.1 kHz.
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1] & 0xE0, 0xE0);
        EXPECT_EQ(bytes[1] & 0x18, 0x18);
        EXPECT_EQ(bytes[1] & 0x06, 0x02);
        EXPECT_EQ((bytes[2] >> 2) & 0x03, 0);
        // The first frame carries the info tag decoders use to trim delay and padding.
        const std::string head(bytes.begin(),
                               bytes.begin() + std::min<std::size_t>(bytes.size(), 400));
        EXPECT_TRUE(head.find("Info") != std::string::npos ||
                    head.find("Xing") != std::string::npos);
        EXPECT_NE(head.find("LAME"), std::string::npos);
    }
}

TEST_F(SoundFiles, EachSoundLastsAsLongAsItsCue) {
    // Decoding also shows every file is a stream a player can read to the end.
    struct Span {
        const char* file;
        double shortest;
        double longest;
    };
    const Span spans[] = {
        {"intro.mp3", 20.0, 40.0},
        {"GameOver.mp3", 5.0, 11.0},
        {"PlayerWins.mp3", 6.0, 12.0},
        {"zeb_engine_2.mp3", 1.0, 2.0},
        {"zeb_torpedo3_clean.mp3", 0.6, 1.5},
        {"smallexplosion1.mp3", 0.6, 1.5},
        {"largeexplosion4.mp3", 2.0, 3.5},
        {"refused.mp3", 0.2, 0.6},
    };
    for (const Span& span : spans) {
        const double seconds = Decoded(span.file).Seconds();
        EXPECT_GE(seconds, span.shortest) << span.file;
        EXPECT_LE(seconds, span.longest) << span.file;
    }
    for (const std::string& file : LoopingTracks) {
        EXPECT_GE(Decoded(file).Seconds(), 30.0) << file;
    }
    for (const std::string& file : Voices) {
        EXPECT_GE(Decoded(file).Seconds(), 1.5) << file;
        EXPECT_LE(Decoded(file).Seconds(), 6.0) << file;
    }
}

TEST_F(SoundFiles, LoopingTracksLastExactlyAWholeNumberOfBars) {
    // Decoded with the delay and padding trimmed, a looping track must be exactly its bars
    // long, or each pass round the loop would stumble.
    std::vector<tools::sounds::Song> songs;
    for (int number = 1; number <= 7; ++number) {
        songs.push_back(tools::sounds::MusicLibrary::Sector(number));
    }
    songs.push_back(tools::sounds::MusicLibrary::Boss());
    for (std::size_t i = 0; i < LoopingTracks.size(); ++i) {
        const std::size_t expected =
            static_cast<std::size_t>(std::lround(Seconds(songs[i]) * 44100.0));
        EXPECT_EQ(Decoded(LoopingTracks[i]).Frames(), expected) << LoopingTracks[i];
    }
}

TEST_F(SoundFiles, LoopingTracksJoinWithoutAClick) {
    for (const std::string& file : LoopingTracks) {
        SCOPED_TRACE(file);
        const Mp3Decoder& sound = Decoded(file);
        ASSERT_GT(sound.Frames(), 20u * 44100u);
        const std::size_t last = sound.Frames() - 1;
        for (int channel = 0; channel < sound.channels; ++channel) {
            EXPECT_LT(std::fabs(sound.At(0, channel)), 0.02f);
            EXPECT_LT(std::fabs(sound.At(last, channel)), 0.02f);
            EXPECT_LT(std::fabs(sound.At(last, channel) - sound.At(0, channel)), 0.02f);
            // Played round the loop, no step between neighbouring samples near the seam is
            // steeper than the steepest in ten seconds from the middle of the track.
            float steepest = 0.0f;
            for (std::size_t i = 5 * 44100; i < 15 * 44100; ++i) {
                steepest =
                    std::max(steepest, std::fabs(sound.At(i, channel) - sound.At(i - 1, channel)));
            }
            for (std::size_t i = sound.Frames() - 200; i < sound.Frames() + 200; ++i) {
                const std::size_t at = i % sound.Frames();
                const std::size_t before = (i - 1) % sound.Frames();
                EXPECT_LE(std::fabs(sound.At(at, channel) - sound.At(before, channel)), steepest)
                    << "frame " << at;
            }
        }
    }
}

TEST_F(SoundFiles, NothingClipsAndEveryPeakStaysBelowMinusOneDecibel) {
    for (const char* file : sound::SoundFiles::Names) {
        EXPECT_LE(Mp3Decoder::Db(Decoded(file).Peak()), -1.0) << file;
    }
}

TEST_F(SoundFiles, MusicIsAudibleButSitsBelowTheEffectsAndVoices) {
    double loudestMusic = -200.0;
    double loudestMusicWindow = -200.0;
    for (const std::string& file : LoopingTracks) {
        const double rms = Mp3Decoder::Db(Decoded(file).Rms());
        EXPECT_GT(rms, -30.0) << file << " is too quiet";
        loudestMusic = std::max(loudestMusic, rms);
        loudestMusicWindow =
            std::max(loudestMusicWindow, Mp3Decoder::Db(Decoded(file).LoudestRms(0.4)));
    }
    for (const std::string& file : Voices) {
        EXPECT_GE(Mp3Decoder::Db(Decoded(file).ActiveRms(0.1)), loudestMusic + 3.0) << file;
    }
    for (const std::string& file : Effects) {
        EXPECT_GE(Mp3Decoder::Db(Decoded(file).LoudestRms(0.4)), loudestMusicWindow + 3.0) << file;
    }
}

TEST_F(SoundFiles, EveryVoiceMessageIsSpokenAndEachIsItsOwn) {
    for (const std::string& file : Voices) {
        const Mp3Decoder& voice = Decoded(file);
        EXPECT_GT(Mp3Decoder::Db(voice.ActiveRms(0.1)), -30.0) << file << " is silent";
        EXPECT_GT(Mp3Decoder::Db(voice.Rms()), -35.0) << file << " is mostly silence";
    }
    for (std::size_t a = 0; a < Voices.size(); ++a) {
        for (std::size_t b = a + 1; b < Voices.size(); ++b) {
            const Mp3Decoder& first = Decoded(Voices[a]);
            const Mp3Decoder& second = Decoded(Voices[b]);
            double difference = 0.0;
            const std::size_t common = std::min(first.samples.size(), second.samples.size());
            for (std::size_t i = 0; i < common; ++i) {
                difference += std::fabs(first.samples[i] - second.samples[i]);
            }
            EXPECT_TRUE(first.Frames() != second.Frames() || difference / common > 0.01)
                << Voices[a] << " and " << Voices[b] << " say the same";
        }
    }
}

TEST_F(SoundFiles, EachSectorTrackIsItsOwnPiece) {
    // Compare the opening ten seconds of every pair: two tracks playing the same music
    // would correlate strongly.
    const std::size_t frames = 10 * 44100;
    auto mono = [frames](const Mp3Decoder& sound) {
        std::vector<double> out(frames, 0.0);
        for (std::size_t i = 0; i < std::min(frames, sound.Frames()); ++i) {
            out[i] = sound.At(i, 0) + sound.At(i, sound.channels - 1);
        }
        return out;
    };
    std::vector<std::vector<double>> openings;
    for (const std::string& file : LoopingTracks) {
        openings.push_back(mono(Decoded(file)));
    }
    for (std::size_t a = 0; a < openings.size(); ++a) {
        for (std::size_t b = a + 1; b < openings.size(); ++b) {
            double cross = 0.0;
            double energyA = 0.0;
            double energyB = 0.0;
            for (std::size_t i = 0; i < frames; ++i) {
                cross += openings[a][i] * openings[b][i];
                energyA += openings[a][i] * openings[a][i];
                energyB += openings[b][i] * openings[b][i];
            }
            EXPECT_LT(std::fabs(cross) / std::sqrt(energyA * energyB), 0.5)
                << LoopingTracks[a] << " sounds like " << LoopingTracks[b];
        }
    }
}

TEST_F(SoundFiles, AllTwentyFilesTogetherStayUnderTenMegabytes) {
    std::uintmax_t total = 0;
    for (const char* file : sound::SoundFiles::Names) {
        total += fs::file_size(folder / file);
    }
    EXPECT_LE(total, 10u * 1000u * 1000u);
}

TEST_F(SoundFiles, MakingAFileAgainGivesTheSameBytes) {
    // In a ctest run the folder was filled by another process, so this also shows that
    // nothing about the process (time, addresses, library state) leaks into the files.
    tools::sounds::SoundLibrary library;
    for (const char* file :
         {"track03.mp3", "smallexplosion1.mp3", "longrangescanplanetcomplete_clean.mp3",
          "warningstructuralintegrity_ep.mp3"}) {
        std::vector<unsigned char> again;
        std::string error;
        ASSERT_TRUE(library.Make(file, again, error)) << error;
        EXPECT_TRUE(again == ByteFile::Read(folder / file)) << file << " came out different";
    }
}

TEST(GenerateSounds, RefusesAFolderThatDoesNotExist) {
    testing::internal::CaptureStderr();
    const bool made = tools::sounds::GenerateSounds("/nonexistent/vantor/sounds");
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(made);
    EXPECT_NE(message.find("/nonexistent/vantor/sounds"), std::string::npos);
}

} // namespace

} // namespace vantor::test
