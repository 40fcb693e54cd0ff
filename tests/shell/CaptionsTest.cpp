// The captions of the ship's computer: the right words for each of its messages, shown for as
// long as the message lasts in the game's frames, and nothing for any other sound.
#include "app/Captions.h"
#include "app/CaptionWatch.h"
#include "sound/SoundCommands.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor::test {

namespace {

using sound::SoundFiles;

void Frames(app::Captions& captions, int count) {
    for (int frame = 0; frame < count; ++frame) {
        captions.Frame();
    }
}

TEST(Captions, EachMessageOfTheShipsComputerShowsItsOwnWordsAndOtherSoundsNone) {
    const std::pair<const char*, const char*> voices[] = {
        {sound::SoundCommands::PlayShieldsFailing, "Warning. Primary shields failing."},
        {sound::SoundCommands::PlayStructuralIntegrity, "Warning. Structural integrity."},
        {sound::SoundCommands::PlayAbandonShip, "Life support failure. All decks, abandon ship."},
        {sound::SoundCommands::PlayPlanetScanned, "Long range scan. Planet complete."},
        {sound::SoundCommands::PlaySpecifyHowToProceed,
         "Please specify how you would like to proceed."},
    };
    for (const auto& [command, words] : voices) {
        SCOPED_TRACE(command);
        app::Captions captions;
        RecordingPlayer next;
        app::CaptionWatch watch(captions, &next, nullptr);
        watch.Send(command);
        ASSERT_EQ(captions.Count(), 1);
        EXPECT_STREQ(captions.Words(0), words);
        // The command goes on unchanged.
        EXPECT_EQ(next.Take(), std::vector<std::string>{command});
    }
    app::Captions captions;
    app::CaptionWatch watch(captions, nullptr, nullptr);
    for (const char* other : sound::SoundCommands::AllCommands) {
        const SoundFiles::File* file = nullptr;
        for (const SoundFiles::File& known : SoundFiles::All) {
            if (std::string(other).find(known.name) != std::string::npos) {
                file = &known;
            }
        }
        ASSERT_NE(file, nullptr) << other;
        if (file->kind != SoundFiles::Kind::Voice) {
            watch.Send(other);
        }
    }
    watch.Send("stop warningstructuralintegrity_ep.mp3");
    watch.Send("play nosuchvoice.mp3");
    watch.Send("nonsense");
    watch.Send(nullptr);
    EXPECT_EQ(captions.Count(), 0);
}

TEST(Captions, ACaptionLastsAsLongAsItsMessageInFrames) {
    app::Captions captions;
    captions.Started(SoundFiles::ShieldsFailing, 1000); // one second: 60 frames
    Frames(captions, 59);
    EXPECT_EQ(captions.Count(), 1);
    captions.Frame();
    EXPECT_EQ(captions.Count(), 0);

    // Not known (no sound device): as long as its words take to read.
    captions.Started(SoundFiles::ShieldsFailing, 0);
    const int reading = app::Captions::ReadingFrames(SoundFiles::ShieldsFailing.words);
    EXPECT_GT(reading, 2 * app::Captions::FramesPerSecond);
    Frames(captions, reading - 1);
    EXPECT_EQ(captions.Count(), 1);
    captions.Frame();
    EXPECT_EQ(captions.Count(), 0);
}

TEST(Captions, AMessagePlayedAgainWhileItShowsKeepsItsEnd) {
    app::Captions captions;
    captions.Started(SoundFiles::PlanetScanned, 500); // 30 frames
    for (int frame = 0; frame < 20; ++frame) {
        captions.Frame();
        // The game asks for the planet's message on every update in reach.
        captions.Started(SoundFiles::PlanetScanned, 500);
    }
    Frames(captions, 9);
    EXPECT_EQ(captions.Count(), 1);
    captions.Frame();
    EXPECT_EQ(captions.Count(), 0);
    // Over, it starts afresh with the next play, as the message does.
    captions.Started(SoundFiles::PlanetScanned, 500);
    EXPECT_EQ(captions.Count(), 1);
}

TEST(Captions, SeveralMessagesStackOldestFirstAndTheOldestGivesWay) {
    app::Captions captions;
    captions.Started(SoundFiles::ShieldsFailing, 2000);
    captions.Started(SoundFiles::PlanetScanned, 500);
    captions.Started(SoundFiles::SpecifyHowToProceed, 2000);
    ASSERT_EQ(captions.Count(), 3);
    captions.Started(SoundFiles::AbandonShip, 2000);
    ASSERT_EQ(captions.Count(), 3);
    EXPECT_STREQ(captions.Words(0), SoundFiles::PlanetScanned.words);
    EXPECT_STREQ(captions.Words(2), SoundFiles::AbandonShip.words);
    // One ending lets the others close up in their order.
    Frames(captions, 30);
    ASSERT_EQ(captions.Count(), 2);
    EXPECT_STREQ(captions.Words(0), SoundFiles::SpecifyHowToProceed.words);
    EXPECT_STREQ(captions.Words(1), SoundFiles::AbandonShip.words);
    EXPECT_EQ(captions.Words(2), nullptr);
    // An effect is no message.
    captions.Started(SoundFiles::Torpedo, 500);
    EXPECT_EQ(captions.Count(), 2);
}

} // namespace

} // namespace vantor::test
