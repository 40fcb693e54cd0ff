#include "app/CommandLine.h"
#include "app/KeyBindings.h"
#include "support/EnvironmentVariable.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

// Parses the arguments as the program's command line, after the program's own name.
app::CommandLine Parse(std::initializer_list<const char*> arguments) {
    std::vector<std::string> words = {"vantor-game"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    return app::CommandLine::Parse(static_cast<int>(words.size()), argv.data());
}

class CommandLineTest : public ::testing::Test {
protected:
    EnvironmentVariable dataDir{"VANTOR_DATA_DIR", nullptr};
};

TEST_F(CommandLineTest, NothingGivenPlaysWithTheKeptSettings) {
    const app::CommandLine line = Parse({});
    EXPECT_EQ(line.action, app::CommandLine::Action::Play);
    EXPECT_FALSE(line.fullscreen.has_value());
    EXPECT_FALSE(line.mute);
    EXPECT_TRUE(line.dataDir.empty());
}

TEST_F(CommandLineTest, HelpAndVersionAreAskedForEitherWay) {
    EXPECT_EQ(Parse({"--help"}).action, app::CommandLine::Action::Help);
    EXPECT_EQ(Parse({"-h"}).action, app::CommandLine::Action::Help);
    EXPECT_EQ(Parse({"--version"}).action, app::CommandLine::Action::Version);
    EXPECT_EQ(Parse({"-V"}).action, app::CommandLine::Action::Version);
    // Asked for both, the help says more.
    EXPECT_EQ(Parse({"--version", "--help"}).action, app::CommandLine::Action::Help);
    EXPECT_EQ(Parse({"--mute", "--version"}).action, app::CommandLine::Action::Version);
}

TEST_F(CommandLineTest, RunOptionsApplyTheLastWordOnTheWindow) {
    EXPECT_EQ(Parse({"--fullscreen"}).fullscreen, std::optional<bool>(true));
    EXPECT_EQ(Parse({"--windowed"}).fullscreen, std::optional<bool>(false));
    EXPECT_EQ(Parse({"--fullscreen", "--windowed"}).fullscreen, std::optional<bool>(false));
    EXPECT_EQ(Parse({"--windowed", "--fullscreen"}).fullscreen, std::optional<bool>(true));
    EXPECT_TRUE(Parse({"--mute"}).mute);
}

TEST_F(CommandLineTest, TheDataFolderComesFromTheOptionOverTheEnvironment) {
    EXPECT_EQ(Parse({"--data-dir", "/opt/game"}).dataDir, "/opt/game");
    EXPECT_EQ(Parse({"--data-dir=/opt/game"}).dataDir, "/opt/game");
    dataDir.Set("/from/env");
    EXPECT_EQ(Parse({}).dataDir, "/from/env");
    EXPECT_EQ(Parse({"--data-dir", "/opt/game"}).dataDir, "/opt/game");
    dataDir.Set("");
    EXPECT_TRUE(Parse({}).dataDir.empty());
}

TEST_F(CommandLineTest, AWrongCommandLineIsOneLineNamingWhatWasWrong) {
    struct Wrong {
        std::initializer_list<const char*> arguments;
        const char* named;
    };
    const Wrong wrongs[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-x"}, "unknown option '-x'"},
        {{"--data-dir"}, "'--data-dir' needs a value"},
        {{"--data-dir="}, "--data-dir needs a folder"},
        {{"--mute=yes"}, "'--mute' takes no value"},
        {{"level2"}, "unexpected argument 'level2'"},
        {{"--mute", "--bogus", "--help"}, "unknown option '--bogus'"},
        {{"--record="}, "--record needs a file"},
        {{"--record", "a.replay", "--replay", "b.replay"}, "cannot go together"},
        {{"--verify"}, "--verify needs --replay FILE"},
        {{"--record", "a.replay", "--verify"}, "--verify needs --replay FILE"},
    };
    for (const Wrong& wrong : wrongs) {
        const app::CommandLine line = Parse(wrong.arguments);
        SCOPED_TRACE(wrong.named);
        EXPECT_EQ(line.action, app::CommandLine::Action::Misuse);
        EXPECT_NE(line.message.find(wrong.named), std::string::npos) << line.message;
        EXPECT_NE(line.message.find("Usage: vantor-game"), std::string::npos) << line.message;
        EXPECT_EQ(line.message.find('\n'), std::string::npos) << line.message;
    }
    EXPECT_EQ(app::CommandLine::ExitMisuse, 2);
}

TEST_F(CommandLineTest, RecordingAndReplayingAreOptionsOfOneRun) {
    const app::CommandLine recording = Parse({"--record", "run.replay", "--mute"});
    EXPECT_EQ(recording.action, app::CommandLine::Action::Play);
    EXPECT_EQ(recording.record, "run.replay");
    const app::CommandLine watching = Parse({"--replay=run.replay"});
    EXPECT_EQ(watching.action, app::CommandLine::Action::Play);
    EXPECT_EQ(watching.replay, "run.replay");
    // --verify asks for the check instead of the game, whichever comes first.
    const app::CommandLine checking = Parse({"--verify", "--replay", "run.replay"});
    EXPECT_EQ(checking.action, app::CommandLine::Action::Verify);
    EXPECT_EQ(checking.replay, "run.replay");
    EXPECT_EQ(Parse({"--replay", "run.replay", "--verify", "--help"}).action,
              app::CommandLine::Action::Help);
}

TEST_F(CommandLineTest, ParsingAgainStartsAfresh) {
    EXPECT_EQ(Parse({"--bogus"}).action, app::CommandLine::Action::Misuse);
    EXPECT_EQ(Parse({"--mute"}).action, app::CommandLine::Action::Play);
    EXPECT_TRUE(Parse({"--mute"}).mute);
}

TEST_F(CommandLineTest, TheHelpNamesEveryOptionKeyFileAndVariable) {
    const std::string help = app::CommandLine::HelpText();
    for (const char* word : {"Usage: vantor-game", "--fullscreen", "--windowed",  "--mute",
                             "--data-dir=DIR",     "--help",       "--version",   "--record=FILE",
                             "--replay=FILE",      "--verify",     "last.replay", "records.ini",
                             "Escape, Pause",      "Alt+Enter",    "Ctrl+Q",      "Left click",
                             "Right click",        "settings.ini", "screenshots", "VANTOR_DATA_DIR",
                             "VANTOR_SOUND_LOG",   "Exit status"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
    // Every action with its default key, from the table the game plays by.
    for (app::KeyBindings::Action action : app::KeyBindings::All) {
        const std::string key = app::KeyBindings::KeyName(app::KeyBindings::Default(action));
        const std::string line =
            key + std::string(22 - key.size(), ' ') + app::KeyBindings::HelpText(action) + "\n";
        EXPECT_NE(help.find("  " + line), std::string::npos) << line;
    }
    EXPECT_EQ(app::CommandLine::VersionText().rfind("vantor-game ", 0), 0u);
}

} // namespace

} // namespace vantor::test
