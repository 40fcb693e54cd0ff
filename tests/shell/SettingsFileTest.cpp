#include "app/SettingsFile.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vantor::test {

namespace {

namespace fs = std::filesystem;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Every setting away from its default.
app::Settings Unusual() {
    app::Settings settings{.fullscreen = true,
                           .windowX = -40,
                           .windowY = 1200,
                           .windowWidth = 1600,
                           .windowHeight = 900,
                           .volume = 30,
                           .musicVolume = 0,
                           .effectsVolume = 55,
                           .voiceVolume = 90,
                           .mute = true,
                           .captions = false,
                           .pauseOnFocusLoss = false,
                           .eachPressOnce = true,
                           .keepMouseInside = true,
                           .leftHanded = true,
                           .playedBefore = true,
                           .hints = false,
                           .learnedFly = true,
                           .learnedFire = true,
                           .learnedNextSector = true,
                           .learnedPlanet = true,
                           .learnedEngineering = true,
                           .reducedFlashing = true,
                           .keys = {},
                           .pad = {},
                           .rumble = false};
    // A pad button another action had, a shoulder button, none at all.
    using PadAction = app::PadBindings::Action;
    PadAction padHolder{};
    EXPECT_TRUE(settings.pad.Bind(PadAction::Fire, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, padHolder));
    EXPECT_TRUE(settings.pad.Bind(PadAction::Close, SDL_CONTROLLER_BUTTON_INVALID, padHolder));
    EXPECT_TRUE(settings.pad.Bind(PadAction::Fly, SDL_CONTROLLER_BUTTON_B, padHolder));
    using Action = app::KeyBindings::Action;
    Action holder{};
    // A letter, the key the file spells out, a key that had another action's place, no key.
    EXPECT_TRUE(settings.keys.Bind(Action::Engineering, SDLK_e, holder));
    EXPECT_TRUE(settings.keys.Bind(Action::Pause, SDLK_SEMICOLON, holder));
    EXPECT_TRUE(settings.keys.Bind(Action::Help, SDLK_KP_PLUS, holder));
    EXPECT_TRUE(settings.keys.Bind(Action::Screenshot, SDLK_UNKNOWN, holder));
    return settings;
}

TEST(SettingsFile, WhatIsSavedIsWhatTheNextRunReads) {
    TempDirectory folder;
    const std::string path = folder.File("config/vantor-game/settings.ini");
    ASSERT_TRUE(app::SettingsFile(path).Save(Unusual()));
    EXPECT_EQ(app::SettingsFile(path).Load(), Unusual());
    EXPECT_FALSE(fs::exists(path + ".new")) << "the temporary file is left over";
}

TEST(SettingsFile, NoFileGivesTheDefaultsAndIsNotWrittenUntilSomethingChanges) {
    TempDirectory folder;
    const std::string path = folder.File("settings.ini");
    app::SettingsFile file(path);
    EXPECT_EQ(file.Load(), app::Settings{});
    EXPECT_TRUE(file.Save(app::Settings{}));
    EXPECT_FALSE(fs::exists(path));

    app::Settings louder;
    louder.volume = 60;
    ASSERT_TRUE(file.Save(louder));
    const std::string written = ByteFile::ReadText(path);
    // The same settings again: the file is left alone.
    WriteText(path, written + "# touched\n");
    EXPECT_TRUE(file.Save(louder));
    EXPECT_EQ(ByteFile::ReadText(path), written + "# touched\n");
}

TEST(SettingsFile, CommentsUnknownKeysAndSectionsStayAndOnlyValuesChange) {
    TempDirectory folder;
    const std::string path = folder.File("settings.ini");
    WriteText(path, "# my own notes\r\n"
                    "[sound]\n"
                    "; quiet at night\n"
                    "Volume = 40 ; was 100\n"
                    "equaliser = rock\n"
                    "\n"
                    "[mods]\n"
                    "shiny=yes\n");
    app::SettingsFile file(path);
    app::Settings settings = file.Load();
    EXPECT_EQ(settings.volume, 40);
    settings.volume = 70;
    settings.mute = true;
    settings.fullscreen = true;
    ASSERT_TRUE(file.Save(settings));

    const std::string text = ByteFile::ReadText(path);
    EXPECT_EQ(text.rfind("# my own notes\n[sound]\n; quiet at night\nVolume = 70 ; was 100\n", 0),
              0u)
        << text;
    for (const char* kept : {"equaliser = rock\n", "[mods]\nshiny=yes\n"}) {
        EXPECT_NE(text.find(kept), std::string::npos) << kept << " in\n" << text;
    }
    // Settings the file lacked join their section, or a section of their own.
    EXPECT_LT(text.find("mute = true"), text.find("[mods]")) << text;
    EXPECT_GT(text.find("[window]\nfullscreen = true\n"), text.find("shiny")) << text;
    EXPECT_EQ(app::SettingsFile(path).Load(), settings);
}

TEST(SettingsFile, ValuesAreReadInTheirUsualSpellingsAndKeptInRange) {
    TempDirectory folder;
    const std::string path = folder.File("settings.ini");
    WriteText(path, "[window]\nfullscreen = Yes\nwidth = 20\n"
                    "[sound]\nvolume = 250\nmusic = -5\nmute = off\n"
                    "[game]\npause_on_focus_loss = 0\n");
    const app::Settings settings = app::SettingsFile(path).Load();
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_EQ(settings.windowWidth, app::Settings::MinimumWidth);
    EXPECT_EQ(settings.volume, 100);
    EXPECT_EQ(settings.musicVolume, 0);
    EXPECT_FALSE(settings.mute);
    EXPECT_FALSE(settings.pauseOnFocusLoss);
    EXPECT_FALSE(fs::exists(path + ".bad"));
}

TEST(SettingsFile, AFileThatCannotBeReadIsKeptAsideAndReplacedWithTheDefaults) {
    struct Broken {
        const char* text;
        const char* where;
    };
    const Broken brokens[] = {
        {"[sound]\nvolume = 40\nthis is no setting\n", ":3: "},
        {"[sound\nvolume = 40\n", ":1: "},
        {"[window]\n\nfullscreen = perhaps\n", ":3: "},
        {"[sound]\nvolume = 40 percent\n", ":2: "},
        {"[game]\nnotes = \x01\x02\xff\n", nullptr}, // odd bytes in a value it does not know
    };
    for (const Broken& broken : brokens) {
        SCOPED_TRACE(broken.text);
        TempDirectory folder;
        const std::string path = folder.File("settings.ini");
        WriteText(path, broken.text);
        ::testing::internal::CaptureStderr();
        const app::Settings settings = app::SettingsFile(path).Load();
        const std::string said = ::testing::internal::GetCapturedStderr();
        if (broken.where == nullptr) {
            EXPECT_TRUE(said.empty()) << said;
            EXPECT_FALSE(fs::exists(path + ".bad"));
            continue;
        }
        EXPECT_EQ(settings, app::Settings{});
        EXPECT_NE(said.find(path + broken.where), std::string::npos) << said;
        EXPECT_NE(said.find(path + ".bad"), std::string::npos) << said;
        EXPECT_EQ(ByteFile::ReadText(path + ".bad"), broken.text);
        // The new file reads as the defaults, without complaint.
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(app::SettingsFile(path).Load(), app::Settings{});
        EXPECT_TRUE(::testing::internal::GetCapturedStderr().empty());
    }
}

TEST(SettingsFile, TheReasonGivenIsTheFirstBadLinesOwn) {
    struct Broken {
        const char* text;
        int line;
        const char* why;
    };
    const Broken brokens[] = {
        {"[sound]\nvolume = loud\nmusic = quiet\n", 2, "\"loud\" is no value for volume"},
        {"[sound]\nthis is no setting\nvolume = loud\n", 2,
         "no section, no setting and no comment"},
        {"[sound]\nvolume = 40\nmute = maybe\n[broken\n", 3, "\"maybe\" is no value for mute"},
    };
    for (const Broken& broken : brokens) {
        app::Settings settings;
        int line = 0;
        std::string why;
        EXPECT_FALSE(app::SettingsFile::Parse(broken.text, settings, line, why)) << broken.text;
        EXPECT_EQ(line, broken.line) << broken.text;
        EXPECT_EQ(why, broken.why) << broken.text;
    }
}

TEST(SettingsFile, ALineTooLongOrAZeroByteMakesTheFileUnreadable) {
    TempDirectory folder;
    const std::string path = folder.File("settings.ini");
    WriteText(path, "[sound]\n; " + std::string(300, 'x') + "\n");
    ::testing::internal::CaptureStderr();
    app::SettingsFile(path).Load();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(path + ":2: "), std::string::npos);

    WriteText(path, std::string("[sound]\nvolume = 4\0"
                                "0\n",
                                21));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(app::SettingsFile(path).Load().volume, 100);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(path + ":2: "), std::string::npos);
}

TEST(SettingsFile, AFolderThatCannotBeWrittenIsSaidOnceAndTheGameGoesOn) {
    TempDirectory folder;
    // A file where the folder would have to be.
    WriteText(folder.File("config"), "not a folder");
    const std::string path = folder.File("config/vantor-game/settings.ini");
    app::SettingsFile file(path);
    EXPECT_EQ(file.Load(), app::Settings{});
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(file.Save(Unusual()));
    app::Settings other = Unusual();
    other.volume = 10;
    EXPECT_FALSE(file.Save(other));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(path), std::string::npos) << said;
    EXPECT_NE(said.find("settings will not be kept"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "said more than once: " << said;
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileWhole) {
    TempDirectory folder;
    const std::string path = folder.File("settings.ini");
    app::SettingsFile file(path);
    ASSERT_TRUE(file.Save(Unusual()));
    const std::string before = ByteFile::ReadText(path);
    // The temporary file's place is taken by a folder, so the new content cannot be written.
    fs::create_directory(path + ".new");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(file.Save(app::Settings{}));
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ByteFile::ReadText(path), before);
    EXPECT_EQ(app::SettingsFile(path).Load(), Unusual());
}

TEST(SettingsFile, KeysAreKeptByTheirNamesOneLineAnAction) {
    TempDirectory folder;
    const std::string path = folder.File("settings.ini");
    ASSERT_TRUE(app::SettingsFile(path).Save(Unusual()));
    const std::string text = ByteFile::ReadText(path);
    for (const char* line :
         {"[keys]\nstart = Return\n", "engineering = E\n", "pause = Semicolon\n",
          "help = Keypad +\n", "screenshot = \n", "take_energy = Keypad 1\n",
          "each_press_once = true\n", "captions = false\n", "played_before = true\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
    // A name written by hand is read in either case.
    WriteText(path, "[keys]\nengineering = f\nrepair = keypad 7\n");
    const app::Settings read = app::SettingsFile(path).Load();
    EXPECT_EQ(read.keys.KeyOf(app::KeyBindings::Action::Engineering), SDLK_f);
    EXPECT_EQ(read.keys.KeyOf(app::KeyBindings::Action::Repair), SDLK_KP_7);
}

TEST(SettingsFile, AKeyThatCannotBeTakenLeavesItsActionsDefaultAndIsSaidWithItsLine) {
    using Action = app::KeyBindings::Action;
    struct Case {
        const char* text;
        const char* said;
        Action action;
        SDL_Keycode key;
    };
    const Case cases[] = {
        {"[keys]\nrepair = R\nengineering = Banana\n", ":5: \"Banana\" is no key",
         Action::Engineering, SDLK_KP_PLUS},
        {"[keys]\nrepair = R\n\nresearch = R\n", ":6: R is already repair's key", Action::Research,
         SDLK_KP_6},
        // Taking another action's own key leaves that one without a key, said.
        {"[keys]\ntake_science = Keypad 1\n", "take_energy has no key", Action::TakeEnergy,
         SDLK_UNKNOWN},
    };
    for (const Case& broken : cases) {
        SCOPED_TRACE(broken.text);
        TempDirectory folder;
        const std::string path = folder.File("settings.ini");
        WriteText(path, std::string("[sound]\nvolume = 40\n") + broken.text);
        app::SettingsFile file(path);
        ::testing::internal::CaptureStderr();
        const app::Settings settings = file.Load();
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(broken.said), std::string::npos) << said;
        EXPECT_NE(said.find(path), std::string::npos) << said;
        EXPECT_EQ(settings.keys.KeyOf(broken.action), broken.key);
        // The rest of the file is read, and the file stays where it is.
        EXPECT_EQ(settings.volume, 40);
        EXPECT_EQ(file.Warnings().size(), 1u);
        EXPECT_FALSE(fs::exists(path + ".bad"));
    }
}

TEST(SettingsFile, PadButtonsAreKeptByNameAndAButtonThatCannotBeTakenIsSaid) {
    using PadAction = app::PadBindings::Action;
    TempDirectory folder;
    const std::string path = folder.File("settings.ini");
    ASSERT_TRUE(app::SettingsFile(path).Save(Unusual()));
    const std::string text = ByteFile::ReadText(path);
    for (const char* line : {"[pad]\nrumble = false\nfly = b\n", "fire = rightshoulder\n",
                             "close = \n", "first = dpleft\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }

    // Given in the file's order; the action whose default was taken has none, said; a name
    // that is no button, and Start, leave their actions as they were, said.
    WriteText(path, "[pad]\nfire = A\nfly = x\nfirst = banana\nthird = start\n");
    app::SettingsFile file(path);
    ::testing::internal::CaptureStderr();
    const app::Settings read = file.Load();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(read.pad.ButtonOf(PadAction::Fire), SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(read.pad.ButtonOf(PadAction::Fly), SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(read.pad.ButtonOf(PadAction::First), SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(read.pad.ButtonOf(PadAction::Third), SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(read.pad.ButtonOf(PadAction::Close), SDL_CONTROLLER_BUTTON_B);
    EXPECT_NE(said.find(":4: \"banana\" is no button"), std::string::npos) << said;
    EXPECT_NE(said.find(":5: \"start\" is no button"), std::string::npos) << said;
    EXPECT_EQ(file.Warnings().size(), 2u) << said;
}

TEST(SettingsFile, AStepOfTheVolumeStaysWithinItsRange) {
    EXPECT_EQ(app::Settings::StepVolume(70, 1), 80);
    EXPECT_EQ(app::Settings::StepVolume(70, -1), 60);
    EXPECT_EQ(app::Settings::StepVolume(100, 1), 100);
    EXPECT_EQ(app::Settings::StepVolume(5, -1), 0);
    EXPECT_EQ(app::Settings::StepVolume(0, -1), 0);
}

} // namespace

} // namespace vantor::test
