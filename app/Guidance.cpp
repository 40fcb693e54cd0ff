#include "app/Guidance.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <string>

namespace vantor::app {

namespace {

using Action = KeyBindings::Action;

// Where the bars show what a pop-up speaks of: the top bar's energy, science and warp drive,
// the bottom bar's weapon and captain.
constexpr int EnergyX = 405;
constexpr int ScienceX = 495;
constexpr int WarpX = 870;
constexpr int WeaponX = 330;
constexpr int CaptainX = 560;
constexpr int BelowTopBar[] = {52, 84, 116};
constexpr int AboveBottomBar[] = {686, 654, 622};
constexpr int PopupWidth = 170;
constexpr int PopupHeight = 30;

constexpr int ShipWidth = 100;
constexpr int ShipHeight = 75;

// The key's name, widened into the buffer from its place.
void PutKey(Guidance::Text& text, size_t& at, SDL_Keycode key) {
    const std::string name = KeyBindings::KeyName(key);
    const char* from = name.empty() ? "(no key)" : name.c_str();
    for (; *from != '\0' && at + 1 < text.size(); ++from) {
        text[at++] = static_cast<unsigned char>(*from);
    }
    text[at] = L'\0';
}

void PutWords(Guidance::Text& text, size_t& at, const wchar_t* words) {
    for (; *words != L'\0' && at + 1 < text.size(); ++words) {
        text[at++] = *words;
    }
    text[at] = L'\0';
}

bool Overlap(const SDL_Rect& a, const SDL_Rect& b) {
    return SDL_HasIntersection(&a, &b) == SDL_TRUE;
}

} // namespace

bool Guidance::Frame(const game::LevelView& now) {
    if (!seenFirst) {
        previous = game::LevelView{};
        seenFirst = true;
    }
    Tick();
    const bool learned = Learn(now);
    NoteChanges(previous, now);
    if (now.playing && !now.gameOver) {
        ++framesPlayed;
        framesInFirstSector = now.sector == 1 ? framesInFirstSector + 1 : 0;
    } else if (!now.playing) {
        framesPlayed = 0;
        framesInFirstSector = 0;
    }
    ChoosePrompt(now);
    previous = now;
    return learned;
}

void Guidance::Tick() {
    bannerFrames = std::max(0, bannerFrames - 1);
    flashFrames = std::max(0, flashFrames - 1);
    refusedFrames = std::max(0, refusedFrames - 1);
    for (size_t i = 0; i < popups.size(); ++i) {
        if (popupFrames[i] > 0 && --popupFrames[i] == 0) {
            popups[i] = Popup{};
        }
        popups[i].shown = std::min(1.0f, popupFrames[i] / float(FramesPerSecond / 2));
    }
}

void Guidance::ShowBanner(const wchar_t* first, const wchar_t* second) {
    std::swprintf(banner.data(), banner.size(), L"%ls", first);
    std::swprintf(bannerSecond.data(), bannerSecond.size(), L"%ls",
                  second != nullptr ? second : L"");
    bannerFrames = BannerFrames;
}

void Guidance::AddPopup(const wchar_t* format, int amount, int barX, SDL_Color colour,
                        const game::LevelView& level) {
    wchar_t text[TextLength];
    std::swprintf(text, TextLength, format, amount);
    AddPopup(text, barX, colour, level);
}

void Guidance::AddPopup(const wchar_t* text, int barX, SDL_Color colour,
                        const game::LevelView& level) {
    const bool top = barX != WeaponX && barX != CaptainX;
    const SDL_Rect ship = {level.shipX, level.shipY, ShipWidth, ShipHeight};
    size_t free = popups.size();
    for (size_t i = 0; i < popups.size() && free == popups.size(); ++i) {
        if (popupFrames[i] == 0) {
            free = i;
        }
    }
    if (free == popups.size()) {
        return; // six at once already: the bars say the rest
    }
    for (int y : top ? BelowTopBar : AboveBottomBar) {
        const SDL_Rect place = {barX, y, PopupWidth, PopupHeight};
        bool taken = Overlap(place, ship);
        for (size_t i = 0; i < popups.size() && !taken; ++i) {
            taken = popupFrames[i] > 0 &&
                    Overlap(place, {popups[i].x, popups[i].y, PopupWidth, PopupHeight});
        }
        if (taken) {
            continue;
        }
        Popup& popup = popups[free];
        std::swprintf(popup.text.data(), popup.text.size(), L"%ls", text);
        popup.x = barX;
        popup.y = y;
        popup.colour = colour;
        popup.shown = 1.0f;
        popupFrames[free] = PopupFrames;
        return;
    }
}

void Guidance::NoteChanges(const game::LevelView& was, const game::LevelView& now) {
    const bool wasPlaying = was.playing && !was.gameOver;
    if (now.playing && !now.gameOver && (!wasPlaying || was.sector != now.sector) &&
        now.sector >= 1 && now.sector <= 15) {
        wchar_t title[32];
        std::swprintf(title, 32, L"Sector %d of 15", now.sector);
        ShowBanner(title, now.sector == 15 ? L"The boss: six torpedo hits destroy it" : nullptr);
    }
    if (now.playing && !now.gameOver && now.sector == 15) {
        std::swprintf(bossLine.data(), bossLine.size(), L"Boss hits %d / 6", now.bossHits);
    } else {
        bossLine[0] = L'\0';
    }
    if (now.gameOver && !was.gameOver && now.playing) {
        WriteSummary(now);
    } else if (!now.gameOver) {
        summary[0] = L'\0';
    }
    if (!wasPlaying || !now.playing) {
        return;
    }
    const bool rammed = now.damage > was.damage;
    if (rammed) {
        // A ramming costs 150 energy, what there is of it.
        const int lost = was.energy - now.energy;
        if (lost > 0) {
            AddPopup(L"Rammed: \u2212%d energy", lost, EnergyX, Hurt, now);
        } else {
            AddPopup(L"Rammed", EnergyX, Hurt, now);
        }
        if (!settings.reducedFlashing) {
            flashFrames = FlashFrames;
        }
    } else if (now.energy < was.energy) {
        AddPopup(L"\u2212%d energy", was.energy - now.energy, EnergyX, Loss, now);
    }
    if (now.energy > was.energy) {
        AddPopup(L"+%d energy", now.energy - was.energy, EnergyX, Gain, now);
    }
    if (now.science != was.science) {
        AddPopup(now.science > was.science ? L"+%d science" : L"\u2212%d science",
                 std::abs(now.science - was.science), ScienceX,
                 now.science > was.science ? ScienceGain : Loss, now);
    }
    if (now.warpEnergy > was.warpEnergy) {
        AddPopup(L"+%d warp energy", now.warpEnergy - was.warpEnergy, WarpX, Gain, now);
    }
    if (now.rank > was.rank) {
        AddPopup(L"Promoted: rank %d", now.rank, CaptainX, Praise, now);
    }
    if (now.weaponLevel > was.weaponLevel) {
        AddPopup(L"Weapon upgraded", WeaponX, Praise, now);
    }
}

bool Guidance::Learn(const game::LevelView& now) {
    if (!now.playing || now.gameOver) {
        return false;
    }
    const Settings before = settings;
    settings.learnedFly = settings.learnedFly || now.shipMoving || now.sector >= 2;
    settings.learnedFire = settings.learnedFire || now.torpedoFlying;
    settings.learnedNextSector = settings.learnedNextSector || now.sector >= 2;
    settings.learnedPlanet = settings.learnedPlanet || (previous.planetPanel && !now.planetPanel);
    settings.learnedEngineering = settings.learnedEngineering || now.engineeringOpen;
    return !(settings == before);
}

Guidance::PromptKind Guidance::PromptFor(const game::LevelView& now) const {
    if (!settings.hints || !now.playing || now.gameOver) {
        return PromptKind::None;
    }
    if (now.planetPanel && !settings.learnedPlanet) {
        return PromptKind::Planet;
    }
    if (now.engineeringOpen || now.planetPanel) {
        return PromptKind::None; // the mouse does nothing there
    }
    if (!settings.learnedFly && now.sector == 1) {
        return PromptKind::Fly;
    }
    if (!settings.learnedFire) {
        return PromptKind::Fire;
    }
    if (!settings.learnedEngineering && !now.engineeringOpen &&
        (now.energy > 75 || now.science > 60)) {
        return PromptKind::Engineering;
    }
    if (!settings.learnedNextSector && now.sector == 1 && framesInFirstSector > WayOnAfterFrames) {
        return PromptKind::WayOn;
    }
    return PromptKind::None;
}

void Guidance::ChoosePrompt(const game::LevelView& now) {
    const PromptKind kind = PromptFor(now);
    // Written only when it changes, so that a steady frame makes no text.
    if (kind == promptKind && settings.keys == promptKeys && settings.leftHanded == promptLeft &&
        device == promptDevice && padStyle == promptStyle && settings.pad == promptPad) {
        return;
    }
    promptKind = kind;
    promptKeys = settings.keys;
    promptLeft = settings.leftHanded;
    promptDevice = device;
    promptStyle = padStyle;
    promptPad = settings.pad;
    WritePrompt(kind);
}

void Guidance::WritePrompt(PromptKind kind) {
    // Each prompt's words for the keyboard and mouse, a pad and a finger; each {} stands for
    // the next of the device's names for what the player presses (below).
    struct Words {
        PromptKind kind;
        const wchar_t* keyboard;
        const wchar_t* pad;
        const wchar_t* touch;
    };
    static constexpr Words Prompts[] = {
        {PromptKind::Planet, L"{}: take energy  \u00b7  {}: take science  \u00b7  {}: leave",
         L"{}: take energy  \u00b7  {}: take science  \u00b7  {}: leave",
         L"Tap Energy, Science or Leave beside the picture"},
        {PromptKind::Fly, L"{}: fly there", L"{}: fly to the crosshair (left stick)",
         L"Tap: fly there"},
        {PromptKind::Fire, L"{}: fire at the enemy", L"{} or the right trigger: fire at the enemy",
         L"Hold, or tap with a second finger: fire at the enemy"},
        {PromptKind::Engineering, L"{} opens engineering", L"{} opens engineering",
         L"Tap Engineering to open it"},
        {PromptKind::WayOn, L"Fly past the right edge to reach the next sector",
         L"Fly past the right edge to reach the next sector",
         L"Fly past the right edge to reach the next sector"},
    };
    prompt[0] = L'\0';
    const Words* words = nullptr;
    for (const Words& row : Prompts) {
        words = row.kind == kind ? &row : words;
    }
    if (words == nullptr) {
        return;
    }
    // What the player presses for each {}, by the prompt and the device.
    std::array<std::wstring, 3> names;
    const KeyBindings& keys = settings.keys;
    const auto key = [&keys](Action action) {
        const std::string name = KeyBindings::KeyName(keys.KeyOf(action));
        return name.empty() ? std::wstring(L"(no key)") : std::wstring(name.begin(), name.end());
    };
    const auto button = [this](PadBindings::Action action) {
        return PadBindings::ButtonLabel(settings.pad.ButtonOf(action), padStyle);
    };
    const bool pad = device == InputDevice::Pad;
    switch (kind) {
    case PromptKind::Planet:
        names = pad ? std::array{button(PadBindings::Action::First),
                                 button(PadBindings::Action::Second),
                                 button(PadBindings::Action::Third)}
                    : std::array{key(Action::TakeEnergy), key(Action::TakeScience),
                                 key(Action::LeavePlanet)};
        break;
    case PromptKind::Fly:
        names[0] = pad                   ? button(PadBindings::Action::Fly)
                   : settings.leftHanded ? L"Right click"
                                         : L"Left click";
        break;
    case PromptKind::Fire:
        names[0] = pad                   ? button(PadBindings::Action::Fire)
                   : settings.leftHanded ? L"Left click"
                                         : L"Right click";
        break;
    case PromptKind::Engineering:
        names[0] = pad ? button(PadBindings::Action::Engineering) : key(Action::Engineering);
        break;
    default:
        break;
    }
    const wchar_t* text = device == InputDevice::Pad     ? words->pad
                          : device == InputDevice::Touch ? words->touch
                                                         : words->keyboard;
    size_t at = 0;
    size_t next = 0;
    for (const wchar_t* from = text; *from != L'\0'; ++from) {
        if (from[0] == L'{' && from[1] == L'}' && next < names.size()) {
            PutWords(prompt, at, names[next++].c_str());
            ++from;
        } else {
            const wchar_t one[2] = {*from, L'\0'};
            PutWords(prompt, at, one);
        }
    }
}

void Guidance::Use(InputDevice used, PadBindings::Style style) {
    device = used;
    padStyle = style;
}

void Guidance::WriteSummary(const game::LevelView& now) {
    const int64_t seconds = framesPlayed / FramesPerSecond;
    size_t at = 0;
    summary[0] = L'\0';
    wchar_t figures[TextLength];
    std::swprintf(
        figures, TextLength,
        L"%ls  \u00b7  sector %d of 15  \u00b7  %d kills  \u00b7  %lld:%02lld played  \u00b7  ",
        now.playerWon ? L"Victory" : L"Defeat", std::min(now.sector, 15), now.kills,
        static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60));
    PutWords(summary, at, figures);
    if (device == InputDevice::Touch) {
        PutWords(summary, at, L"Tap Start");
    } else if (device == InputDevice::Pad) {
        PutWords(summary, at,
                 PadBindings::ButtonLabel(settings.pad.ButtonOf(PadBindings::Action::Fly), padStyle)
                     .c_str());
    } else {
        PutKey(summary, at, settings.keys.KeyOf(Action::Start));
    }
    PutWords(summary, at, L": title");
}

void Guidance::Refused() {
    refusedFrames = RefusedFrames;
}

float Guidance::BannerShown() const {
    if (bannerFrames <= 0) {
        return 0.0f;
    }
    const int age = BannerFrames - bannerFrames;
    const float in = std::min(1.0f, age / 10.0f);
    const float out = std::min(1.0f, bannerFrames / 30.0f);
    return std::min(in, out);
}

int Guidance::PopupCount() const {
    return static_cast<int>(std::count_if(popupFrames.begin(), popupFrames.end(),
                                          [](int frames) { return frames > 0; }));
}

const Guidance::Popup* Guidance::PopupAt(int slot) const {
    return slot >= 0 && slot < MaxPopups && popupFrames[size_t(slot)] > 0 ? &popups[size_t(slot)]
                                                                          : nullptr;
}

float Guidance::Flash() const {
    return flashFrames / float(FlashFrames);
}

const wchar_t* Guidance::RefusedLine() const {
    return refusedFrames > 0 ? L"Not possible now" : nullptr;
}

bool Guidance::Any() const {
    return Banner() != nullptr || BossLine() != nullptr || PopupCount() > 0 || flashFrames > 0 ||
           Prompt() != nullptr || RefusedLine() != nullptr || Summary() != nullptr;
}

} // namespace vantor::app
