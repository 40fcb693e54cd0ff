#include "sound/MediaCommand.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

namespace vantor::test {

namespace {

using Verb = sound::MediaCommand::Verb;

// The command was read as the verb and the file.
void ExpectVerbAndFile(const sound::MediaCommand& parsed, Verb verb, std::string_view file) {
    EXPECT_EQ(parsed.verb, verb);
    EXPECT_EQ(parsed.file, file);
}

TEST(MediaCommandTest, ReadsTheThreeForms) {
    const sound::MediaCommand once = sound::MediaCommand::Parse("play intro.mp3");
    ExpectVerbAndFile(once, Verb::Play, "intro.mp3");
    EXPECT_FALSE(once.repeat);

    const sound::MediaCommand looped = sound::MediaCommand::Parse("play track01.mp3 repeat");
    ExpectVerbAndFile(looped, Verb::Play, "track01.mp3");
    EXPECT_TRUE(looped.repeat);

    const sound::MediaCommand stop = sound::MediaCommand::Parse("stop BossTrack.mp3");
    ExpectVerbAndFile(stop, Verb::Stop, "BossTrack.mp3");
    EXPECT_FALSE(stop.repeat);
}

TEST(MediaCommandTest, EveryCommandOfTheGameNamesOneOfItsFiles) {
    const auto& files = sound::SoundFiles::Names;
    for (const char* command : sound::SoundCommands::AllCommands) {
        const sound::MediaCommand parsed = sound::MediaCommand::Parse(command);
        ASSERT_TRUE(parsed.IsValid()) << command;
        EXPECT_TRUE(std::find(files.begin(), files.end(), parsed.file) != files.end()) << command;
    }
}

TEST(MediaCommandTest, AnyRunOfBlanksSeparatesWords) {
    const sound::MediaCommand twoBlanks =
        sound::MediaCommand::Parse(sound::SoundCommands::PlayShieldsFailing);
    ExpectVerbAndFile(twoBlanks, Verb::Play, "warningprimaryshieldsfailing_ep.mp3");

    const sound::MediaCommand padded = sound::MediaCommand::Parse("   play    a.mp3     repeat   ");
    ExpectVerbAndFile(padded, Verb::Play, "a.mp3");
    EXPECT_TRUE(padded.repeat);

    const sound::MediaCommand stop = sound::MediaCommand::Parse(" stop  a.mp3 ");
    ExpectVerbAndFile(stop, Verb::Stop, "a.mp3");
}

TEST(MediaCommandTest, TheFileNameIsAViewIntoTheCommand) {
    const char* command = "play  zeb_engine_2.mp3";
    const sound::MediaCommand parsed = sound::MediaCommand::Parse(command);
    EXPECT_EQ(parsed.file.data(), command + 6);
    EXPECT_EQ(parsed.file.size(), 16u);
}

TEST(MediaCommandTest, RejectsMalformedCommands) {
    const char* bad[] = {
        "",
        "     ",
        "play",
        "play ",
        "stop",
        "repeat",
        "pause intro.mp3",
        "open intro.mp3",
        "PLAY intro.mp3",
        "Stop intro.mp3",
        "playintro.mp3",
        "play intro.mp3 REPEAT",
        "play intro.mp3 loop",
        "play intro.mp3 repeat repeat",
        "play intro.mp3 repeat now",
        "stop intro.mp3 repeat",
        "stop intro.mp3 now",
        "play\tintro.mp3",
        "play intro.mp3\n",
        "play intro.mp3\r",
        "play intro\x7f.mp3",
        "play caf\xc3\xa9.mp3",
        "play \xff\xfe",
        "\xef\xbb\xbfplay intro.mp3",
    };
    for (const char* command : bad) {
        const sound::MediaCommand parsed = sound::MediaCommand::Parse(command);
        EXPECT_FALSE(parsed.IsValid()) << '"' << command << '"';
        EXPECT_EQ(parsed.verb, Verb::Invalid);
        EXPECT_TRUE(parsed.file.empty());
        EXPECT_FALSE(parsed.repeat);
    }
    EXPECT_FALSE(sound::MediaCommand::Parse(static_cast<const char*>(nullptr)).IsValid());
}

TEST(MediaCommandTest, AZeroByteInsideTheBytesIsInvalid) {
    const std::string withZero("play intro\0.mp3", 15);
    EXPECT_FALSE(sound::MediaCommand::Parse(std::string_view(withZero)).IsValid());
    EXPECT_TRUE(sound::MediaCommand::Parse(std::string_view("stop intro.mp3")).IsValid());
}

TEST(MediaCommandTest, LengthLimits) {
    const std::string longestName(sound::MediaCommand::MaxFileNameLength, 'n');
    EXPECT_TRUE(sound::MediaCommand::Parse(("play " + longestName).c_str()).IsValid());
    EXPECT_FALSE(sound::MediaCommand::Parse(("play " + longestName + "n").c_str()).IsValid());

    // Blanks count towards the length of the whole command.
    std::string longest = "play " + longestName + " repeat";
    longest.append(sound::MediaCommand::MaxLength - longest.size(), ' ');
    ASSERT_EQ(longest.size(), sound::MediaCommand::MaxLength);
    EXPECT_TRUE(sound::MediaCommand::Parse(longest.c_str()).IsValid());
    EXPECT_FALSE(sound::MediaCommand::Parse((longest + " ").c_str()).IsValid());
    EXPECT_FALSE(sound::MediaCommand::Parse((" " + longest).c_str()).IsValid());

    const std::string huge = "play " + std::string(1 << 20, 'x');
    EXPECT_FALSE(sound::MediaCommand::Parse(huge.c_str()).IsValid());
}

TEST(MediaCommandTest, AnUnterminatedBufferIsReadOnlyUpToTheLimit) {
    // No terminating zero anywhere: the parser must give up after MaxLength + 1 bytes (a
    // sanitizer build catches any read past the buffer).
    const std::size_t size = sound::MediaCommand::MaxLength + 1;
    auto buffer = std::make_unique<char[]>(size);
    std::fill_n(buffer.get(), size, ' ');
    std::copy_n("play a.mp3", 10, buffer.get());
    EXPECT_FALSE(sound::MediaCommand::Parse(buffer.get()).IsValid());
}

TEST(MediaCommandTest, FileNames) {
    EXPECT_TRUE(sound::MediaCommand::IsValidFileName("track01.mp3"));
    EXPECT_TRUE(sound::MediaCommand::IsValidFileName("~!@#$%^&*()_+{}|:<>?"));
    EXPECT_FALSE(sound::MediaCommand::IsValidFileName(""));
    EXPECT_FALSE(sound::MediaCommand::IsValidFileName("two words.mp3"));
    EXPECT_FALSE(sound::MediaCommand::IsValidFileName("tab\t.mp3"));
    EXPECT_FALSE(sound::MediaCommand::IsValidFileName("\x80.mp3"));
    EXPECT_FALSE(sound::MediaCommand::IsValidFileName(
        std::string(sound::MediaCommand::MaxFileNameLength + 1, 'a')));
}

} // namespace

} // namespace vantor::test
