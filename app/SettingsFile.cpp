#include "app/SettingsFile.h"

#include "app/KeptFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

namespace vantor::app {

namespace fs = std::filesystem;

namespace {

using Action = KeyBindings::Action;

struct Key {
    const char* section;
    const char* name;
    bool Settings::*flag = nullptr;  // a yes/no setting, or
    int Settings::*number = nullptr; // a whole number kept within low and high, or
    int low = 0;
    int high = 0;
    int binding = -1;    // the key of an action (KeyBindings::All), or
    int padBinding = -1; // the pad button of an action (PadBindings::All)
};

constexpr Key Flag(const char* section, const char* name, bool Settings::*flag) {
    return Key{section, name, flag};
}

constexpr Key Number(const char* section, const char* name, int Settings::*number, int low,
                     int high) {
    return Key{section, name, nullptr, number, low, high};
}

// Every setting of the file, in the order a new file lists them.
const std::vector<Key>& Keys() {
    static const std::vector<Key> keys = [] {
        std::vector<Key> all = {
            Flag("window", "fullscreen", &Settings::fullscreen),
            Number("window", "x", &Settings::windowX, -100000, 100000),
            Number("window", "y", &Settings::windowY, -100000, 100000),
            Number("window", "width", &Settings::windowWidth, Settings::MinimumWidth, 16384),
            Number("window", "height", &Settings::windowHeight, Settings::MinimumHeight, 16384),
            Number("sound", "volume", &Settings::volume, 0, 100),
            Number("sound", "music", &Settings::musicVolume, 0, 100),
            Number("sound", "effects", &Settings::effectsVolume, 0, 100),
            Number("sound", "voices", &Settings::voiceVolume, 0, 100),
            Flag("sound", "mute", &Settings::mute),
            Flag("sound", "captions", &Settings::captions),
            Flag("game", "pause_on_focus_loss", &Settings::pauseOnFocusLoss),
            Flag("game", "each_press_once", &Settings::eachPressOnce),
            Flag("game", "keep_mouse_inside", &Settings::keepMouseInside),
            Flag("game", "left_handed", &Settings::leftHanded),
            Flag("game", "played_before", &Settings::playedBefore),
            Flag("game", "hints", &Settings::hints),
            Flag("game", "reduced_flashing", &Settings::reducedFlashing),
            Flag("learned", "fly", &Settings::learnedFly),
            Flag("learned", "fire", &Settings::learnedFire),
            Flag("learned", "next_sector", &Settings::learnedNextSector),
            Flag("learned", "planet", &Settings::learnedPlanet),
            Flag("learned", "engineering", &Settings::learnedEngineering),
        };
        for (int action = 0; action < KeyBindings::Count; ++action) {
            Key binding{"keys", KeyBindings::Name(KeyBindings::All[size_t(action)])};
            binding.binding = action;
            all.push_back(binding);
        }
        all.push_back(Flag("pad", "rumble", &Settings::rumble));
        for (int action = 0; action < PadBindings::Count; ++action) {
            Key binding{"pad", PadBindings::Name(PadBindings::All[size_t(action)])};
            binding.padBinding = action;
            all.push_back(binding);
        }
        return all;
    }();
    return keys;
}

bool SameName(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

bool ReadFlag(const char* text, bool& flag) {
    for (const char* yes : {"true", "yes", "on", "1"}) {
        if (SameName(text, yes)) {
            flag = true;
            return true;
        }
    }
    for (const char* no : {"false", "no", "off", "0"}) {
        if (SameName(text, no)) {
            flag = false;
            return true;
        }
    }
    return false;
}

bool ReadNumber(const char* text, const Key& key, int& number) {
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE) {
        return false;
    }
    number = static_cast<int>(std::clamp<long>(value, key.low, key.high));
    return true;
}

std::string ValueText(const Key& key, const Settings& settings) {
    if (key.flag != nullptr) {
        return settings.*key.flag ? "true" : "false";
    }
    if (key.binding >= 0) {
        return KeyBindings::KeyName(settings.keys.KeyOf(KeyBindings::All[size_t(key.binding)]));
    }
    if (key.padBinding >= 0) {
        return PadBindings::ButtonName(
            settings.pad.ButtonOf(PadBindings::All[size_t(key.padBinding)]));
    }
    return std::to_string(settings.*key.number);
}

// Where each setting stands in a file: the lines (from 0) inih read it from.
struct Reading {
    Settings settings;
    std::vector<std::vector<int>> keyLines = std::vector<std::vector<int>>(Keys().size());
    int badLine = 0;
    std::string why;
    // The keys the file gives the actions, by action, with their lines (0 for none), and what
    // of the [keys] section could not be taken.
    std::array<SDL_Keycode, KeyBindings::Count> keys{};
    std::array<int, KeyBindings::Count> keyLine{};
    // The same for the pad's buttons.
    std::array<SDL_GameControllerButton, PadBindings::Count> buttons{};
    std::array<int, PadBindings::Count> buttonLine{};
    std::vector<SettingsFile::Warning> warnings;
};

// A key given to an action; a name that is no key leaves the action its default, said.
void TakeBinding(Reading& reading, int line, int action, const char* value) {
    const SDL_Keycode key = KeyBindings::KeyFromName(value);
    if (key == SDLK_UNKNOWN && value[0] != '\0') {
        reading.warnings.push_back(
            {line + 1,
             std::string("\"") + value + "\" is no key; " +
                 KeyBindings::Name(KeyBindings::All[size_t(action)]) + " keeps " +
                 KeyBindings::KeyName(KeyBindings::Default(KeyBindings::All[size_t(action)]))});
        return;
    }
    reading.keys[size_t(action)] = key;
    reading.keyLine[size_t(action)] = line + 1;
}

// A pad button given to an action, the same way.
void TakePadBinding(Reading& reading, int line, int action, const char* value) {
    const PadBindings::Action what = PadBindings::All[size_t(action)];
    const SDL_GameControllerButton button = PadBindings::ButtonFromName(value);
    if (value[0] != '\0' && !PadBindings::Bindable(button)) {
        reading.warnings.push_back(
            {line + 1, std::string("\"") + value + "\" is no button for an action; " +
                           PadBindings::Name(what) + " keeps " +
                           PadBindings::ButtonName(PadBindings::Default(what))});
        return;
    }
    reading.buttons[size_t(action)] = button;
    reading.buttonLine[size_t(action)] = line + 1;
}

// A value of the file, on its line (from 0); false, with why, when it is no value of its
// setting.
bool TakeValue(Reading& reading, const char* section, const char* name, const char* value, int line,
               std::string& why) {
    const std::vector<Key>& keys = Keys();
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const Key& key = keys[k];
        if (!SameName(section, key.section) || !SameName(name, key.name)) {
            continue;
        }
        reading.keyLines[k].push_back(line);
        if (key.binding >= 0) {
            TakeBinding(reading, line, key.binding, value);
            continue;
        }
        if (key.padBinding >= 0) {
            TakePadBinding(reading, line, key.padBinding, value);
            continue;
        }
        const bool read = key.flag != nullptr
                              ? ReadFlag(value, reading.settings.*key.flag)
                              : ReadNumber(value, key, reading.settings.*key.number);
        if (!read) {
            why = std::string("\"") + value + "\" is no value for " + key.name;
            return false;
        }
    }
    return true;
}

// The keys (or pad buttons) the file gives, over the defaults. Where two actions would share
// one, the action the file gives it to keeps it (the earlier line, when the file gives it to
// both) and the other keeps its default, or none when that is taken too; each is said.
// `values` and `lines` are by action (line 0: not given); `nameOf` names a key or a button.
template <typename Bindings, typename Value, typename NameOf>
Bindings Resolve(const std::array<Value, Bindings::Count>& values,
                 const std::array<int, Bindings::Count>& lines, NameOf nameOf, const char* what,
                 std::vector<SettingsFile::Warning>& warnings) {
    std::array<bool, Bindings::Count> given{};
    std::vector<int> order; // the actions the file names, in the order of their lines
    for (int action = 0; action < Bindings::Count; ++action) {
        given[size_t(action)] = lines[size_t(action)] > 0;
        if (given[size_t(action)]) {
            order.push_back(action);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&lines](int a, int b) { return lines[size_t(a)] < lines[size_t(b)]; });
    // Clear every one first, so that the order of giving decides alone.
    Bindings bindings;
    typename Bindings::Action holder{};
    for (auto action : Bindings::All) {
        bindings.Bind(action, Bindings::None, holder);
    }
    for (int action : order) {
        const auto named = Bindings::All[size_t(action)];
        if (!bindings.Bind(named, values[size_t(action)], holder)) {
            warnings.push_back(
                {lines[size_t(action)], nameOf(values[size_t(action)]) + " is already " +
                                            Bindings::Name(holder) + "'s " + what + "; " +
                                            Bindings::Name(named) + " keeps its own"});
            given[size_t(action)] = false;
        }
    }
    for (int action = 0; action < Bindings::Count; ++action) {
        const auto named = Bindings::All[size_t(action)];
        if (!given[size_t(action)] && !bindings.Bind(named, Bindings::Default(named), holder)) {
            warnings.push_back({lines[size_t(action)], Bindings::Name(named) +
                                                           std::string(" has no ") + what + ": " +
                                                           nameOf(Bindings::Default(named)) +
                                                           " is " + Bindings::Name(holder) + "'s"});
        }
    }
    return bindings;
}

void ResolveBindings(Reading& reading) {
    reading.settings.keys = Resolve<KeyBindings>(reading.keys, reading.keyLine,
                                                 KeyBindings::KeyName, "key", reading.warnings);
    reading.settings.pad = Resolve<PadBindings>(
        reading.buttons, reading.buttonLine, PadBindings::ButtonName, "button", reading.warnings);
}

bool ParseLines(const std::vector<std::string>& lines, Reading& reading) {
    const KeptFile::Take take = [&reading](const char* section, const char* name, const char* value,
                                           int line, std::string& why) {
        return TakeValue(reading, section, name, value, line - 1, why);
    };
    if (!KeptFile::ParseIni(lines, take, reading.badLine, reading.why)) {
        return false;
    }
    ResolveBindings(reading);
    return true;
}

// The line with its value replaced, keeping what comes before the value and an inline comment
// after it.
std::string Replaced(const std::string& line, const std::string& value) {
    const std::size_t separator = line.find_first_of("=:");
    if (separator == std::string::npos) {
        return line;
    }
    std::string comment;
    for (std::size_t i = separator + 1; i < line.size(); ++i) {
        if (line[i] == ';' && (line[i - 1] == ' ' || line[i - 1] == '\t')) {
            comment.assign(1, ' ').append(line, i); // appended: gcc 12 warns on " " + temporary
            break;
        }
    }
    return line.substr(0, separator + 1) + " " + value + comment;
}

} // namespace

SettingsFile::SettingsFile(std::string path) : path(std::move(path)) {}

bool SettingsFile::Parse(const std::string& text, Settings& settings, int& badLine,
                         std::string& why, std::vector<Warning>* warnings) {
    const std::vector<std::string> lines = KeptFile::Lines(text);
    Reading reading;
    if (!ParseLines(lines, reading)) {
        badLine = reading.badLine;
        why = reading.why;
        return false;
    }
    settings = reading.settings;
    if (warnings != nullptr) {
        *warnings = reading.warnings;
    }
    return true;
}

std::string SettingsFile::Text(const std::vector<std::string>& lines, const Settings& settings) {
    std::vector<std::string> out = lines;
    Reading reading;
    if (!ParseLines(out, reading)) {
        out.clear();
        reading = Reading{};
    }
    if (out.empty()) {
        out.push_back("# Vantor Game settings, kept between runs. The game rewrites only its own");
        out.push_back("# values here; comments and anything else stay as they are.");
    }
    // The lines of the settings the file has take the new values. A setting it lacks goes
    // after the last setting of its section that it has, else into a section at the end.
    std::vector<std::pair<std::size_t, std::string>> insertions; // before the line given
    std::vector<std::string> tail;
    const char* tailSection = nullptr;
    const std::vector<Key>& keys = Keys();
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const Key& key = keys[k];
        const std::string value = ValueText(key, settings);
        for (int line : reading.keyLines[k]) {
            out[static_cast<std::size_t>(line)] =
                Replaced(out[static_cast<std::size_t>(line)], value);
        }
        if (!reading.keyLines[k].empty()) {
            continue;
        }
        int lastOfSection = -1;
        for (std::size_t other = 0; other < keys.size(); ++other) {
            if (std::strcmp(keys[other].section, key.section) == 0) {
                for (int line : reading.keyLines[other]) {
                    lastOfSection = std::max(lastOfSection, line);
                }
            }
        }
        const std::string setting = std::string(key.name) + " = " + value;
        if (lastOfSection >= 0) {
            insertions.emplace_back(static_cast<std::size_t>(lastOfSection) + 1, setting);
            continue;
        }
        if (tailSection == nullptr || std::strcmp(tailSection, key.section) != 0) {
            tail.push_back("");
            tail.push_back(std::string("[") + key.section + "]");
            tailSection = key.section;
        }
        tail.push_back(setting);
    }
    // From the bottom up, so that the places of those above stay right; settings for the same
    // place keep their order.
    std::stable_sort(insertions.begin(), insertions.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto insertion = insertions.rbegin(); insertion != insertions.rend(); ++insertion) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertion->first), insertion->second);
    }
    out.insert(out.end(), tail.begin(), tail.end());
    std::string text;
    for (const std::string& line : out) {
        text += line;
        text += '\n';
    }
    return text;
}

Settings SettingsFile::Load() {
    stored = Settings{};
    lines.clear();
    warnings.clear();
    problem.clear();
    const std::string name = fs::path(path).filename().string();
    std::string text;
    bool exists = false;
    if (!KeptFile::Read(path, text, exists)) {
        if (exists) {
            std::fprintf(stderr,
                         "vantor-game: cannot read %s; starting with the default settings\n",
                         path.c_str());
        }
        return stored;
    }
    const std::vector<std::string> fileLines = KeptFile::Lines(text);
    Reading reading;
    if (ParseLines(fileLines, reading)) {
        lines = fileLines;
        stored = reading.settings;
        warnings = reading.warnings;
        for (const Warning& warning : warnings) {
            std::fprintf(stderr, "vantor-game: %s:%d: %s\n", path.c_str(), warning.line,
                         warning.text.c_str());
        }
        if (!warnings.empty()) {
            problem = name + ", line " + std::to_string(warnings.front().line) + ": " +
                      warnings.front().text;
        }
        return stored;
    }
    // Kept for the player to look at; a new file with the defaults takes its place.
    const std::string bad = path + ".bad";
    std::fprintf(stderr,
                 "vantor-game: %s:%d: cannot read the settings (%s); starting with the "
                 "defaults, the file is kept as %s\n",
                 path.c_str(), reading.badLine, reading.why.c_str(), bad.c_str());
    problem = name + " could not be read (line " + std::to_string(reading.badLine) +
              "): the defaults are used, the file is kept as " + name + ".bad";
    if (std::string error; !KeptFile::PutAside(path, error)) {
        std::fprintf(stderr, "vantor-game: cannot keep %s as %s: %s\n", path.c_str(), bad.c_str(),
                     error.c_str());
        return stored;
    }
    Write(stored);
    return stored;
}

bool SettingsFile::Save(const Settings& settings) {
    return settings == stored || Write(settings);
}

bool SettingsFile::Write(const Settings& settings) {
    const std::string text = Text(lines, settings);
    std::string why;
    if (KeptFile::Write(path, text, why)) {
        lines = KeptFile::Lines(text);
        stored = settings;
        return true;
    }
    if (!toldUnwritable) {
        toldUnwritable = true;
        std::fprintf(stderr, "vantor-game: cannot write %s (%s); settings will not be kept\n",
                     path.c_str(), why.c_str());
    }
    return false;
}

} // namespace vantor::app
