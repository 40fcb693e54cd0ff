#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "Mp3Decoder.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"
#include "tools/sounds/Mp3Encoder.h"

namespace vantor::test {

namespace {

// Two tones, 440 Hz left and 660 Hz right, at half scale, fading in and out.
tools::sounds::StereoBuffer Tones(double seconds) {
    tools::sounds::StereoBuffer sound(static_cast<std::size_t>(seconds * 44100));
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        const double t = i / 44100.0;
        sound.left[i] = static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * 440.0 * t));
        sound.right[i] = static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * 660.0 * t));
    }
    return sound;
}

int RisingCrossings(const Mp3Decoder& sound, int channel) {
    int crossings = 0;
    for (std::size_t i = 1; i < sound.Frames(); ++i) {
        if (sound.At(i - 1, channel) < 0.0f && sound.At(i, channel) >= 0.0f) {
            ++crossings;
        }
    }
    return crossings;
}

class Mp3EncoderRoundTrip : public testing::Test {
protected:
    const TempDirectory folder;
    const std::string path = folder.File("round-trip.mp3");

    Mp3Decoder EncodeAndDecode(const tools::sounds::Mp3Encoder& encoder,
                               const tools::sounds::StereoBuffer& sound,
                               std::vector<unsigned char>& mp3) {
        std::string error;
        EXPECT_TRUE(encoder.Encode(sound, mp3, error)) << error;
        ByteFile::Write(path, mp3);
        Mp3Decoder decoded;
        EXPECT_TRUE(decoded.Decode(path, error)) << error;
        return decoded;
    }
};

TEST_F(Mp3EncoderRoundTrip, DecodesToTheSameLengthPitchAndLevel) {
    const tools::sounds::StereoBuffer tones = Tones(1.5);
    std::vector<unsigned char> mp3;
    const Mp3Decoder decoded = EncodeAndDecode(tools::sounds::Mp3Encoder{}, tones, mp3);
    ASSERT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.rate, 44100);
    // The info tag lets the decoder drop exactly the encoder's delay and padding.
    EXPECT_EQ(decoded.Frames(), tones.Frames());
    EXPECT_NEAR(RisingCrossings(decoded, 0), 660, 3);
    EXPECT_NEAR(RisingCrossings(decoded, 1), 990, 3);
    EXPECT_NEAR(Mp3Decoder::Db(decoded.Rms()), Mp3Decoder::Db(0.5 / std::sqrt(2.0)), 0.5);
    // Aligned sample for sample: the decoded tone matches the original closely.
    double error = 0.0;
    const std::size_t common = std::min(decoded.Frames(), tones.Frames());
    for (std::size_t i = 0; i < common; ++i) {
        error += std::fabs(decoded.At(i, 0) - tones.left[i]);
    }
    EXPECT_LT(error / static_cast<double>(common), 0.02);
}

TEST_F(Mp3EncoderRoundTrip, MonoEncodingKeepsOneChannelOfTheMix) {
    tools::sounds::Mp3Encoder encoder;
    encoder.mono = true;
    encoder.kilobitsPerSecond = 80;
    std::vector<unsigned char> mp3;
    const Mp3Decoder decoded = EncodeAndDecode(encoder, Tones(1.0), mp3);
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.Frames(), 44100u);
    // 80 kbit/s for one second, give or take the tag frame.
    EXPECT_NEAR(static_cast<double>(mp3.size()), 10000.0, 1000.0);
}

TEST(Mp3Encoder, TheSameSoundAlwaysGivesTheSameBytes) {
    const tools::sounds::StereoBuffer tones = Tones(0.7);
    std::vector<unsigned char> first;
    std::vector<unsigned char> second;
    std::string error;
    ASSERT_TRUE(tools::sounds::Mp3Encoder{}.Encode(tones, first, error)) << error;
    ASSERT_TRUE(tools::sounds::Mp3Encoder{}.Encode(tones, second, error)) << error;
    EXPECT_EQ(first, second);
}

} // namespace

} // namespace vantor::test
