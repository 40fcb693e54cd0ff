#pragma once

#include "app/InputDevice.h"
#include "app/Settings.h"
#include "game/LevelView.h"

#include <SDL.h>

#include <array>
#include <cstdint>

namespace vantor::app {

// What the game tells the player beyond its own pictures, worked out from what the level shows
// (its LevelView) frame by frame: a banner on entering a sector and before the boss, the boss's
// hits while it fights, gains and losses next to the bar they change, a red flash of the
// picture's edge when the ship is rammed, a line when a key of the player's changed nothing,
// first-play prompts until the player has done each thing once, and a summary at the end. It
// only reads the level; it never steers it. Time is counted in the game's frames, so nothing
// comes or goes while the game is paused.
//
// The prompts follow the settings: none without "Hints", and each learned for good (kept in the
// settings) once the player has done what it says. A flash needs "Reduced flashing" off. The
// texts are kept in fixed buffers: a frame allocates nothing. A plain value, used on the game's
// thread; the settings must outlive it.
class Guidance {
public:
    static constexpr int FramesPerSecond = 60;
    static constexpr int MaxPopups = 6;
    static constexpr int TextLength = 96;

    using Text = std::array<wchar_t, TextLength>;

    // A gain or a loss near the bar it changes: its words, where it stands (its top-left on the
    // game picture) and how much of it shows (1 when new, fading to 0).
    struct Popup {
        Text text{};
        int x = 0;
        int y = 0;
        SDL_Color colour{};
        float shown = 0;
    };

    // The colours of the pop-ups: gains, science gained, losses, a ramming, a promotion.
    static constexpr SDL_Color Gain = {255, 226, 90, 255};
    static constexpr SDL_Color ScienceGain = {245, 130, 255, 255};
    static constexpr SDL_Color Loss = {255, 150, 90, 255};
    static constexpr SDL_Color Hurt = {255, 110, 100, 255};
    static constexpr SDL_Color Praise = {140, 235, 255, 255};

    explicit Guidance(Settings& settings) : settings(settings) {}

    // A frame of the game has run and the level shows this now. True when a prompt has been
    // learned for good: the settings changed and are to be kept.
    bool Frame(const game::LevelView& level);
    // A key of the player's, pressed while playing, changed nothing the player sees.
    void Refused();
    // What the player plays with now (a pad labelled in its style): the prompts and the
    // summary name its buttons, or a finger's taps, instead of the mouse's and the keyboard's.
    void Use(InputDevice device, PadBindings::Style style);

    // The banner's lines (null when none shows; the second may be null) and how much of it
    // shows, from 0 to 1.
    const wchar_t* Banner() const { return bannerFrames > 0 ? banner.data() : nullptr; }
    const wchar_t* BannerSecondLine() const {
        return bannerFrames > 0 && bannerSecond[0] != L'\0' ? bannerSecond.data() : nullptr;
    }
    float BannerShown() const;
    // "Boss hits 2 / 6" while the boss fights, else null.
    const wchar_t* BossLine() const { return bossLine[0] != L'\0' ? bossLine.data() : nullptr; }
    // How many pop-ups show, and the one in a place (0 to MaxPopups - 1; null when none is).
    int PopupCount() const;
    const Popup* PopupAt(int slot) const;
    // How strongly the picture's edge flashes red, from 0 to 1.
    float Flash() const;
    // The first-play prompt showing, or null.
    const wchar_t* Prompt() const { return prompt[0] != L'\0' ? prompt.data() : nullptr; }
    // "Not possible now" for a moment after a refused key, else null.
    const wchar_t* RefusedLine() const;
    // After the game has ended: who won, the sector reached, the kills, the time played and
    // the key back to the title; null before.
    const wchar_t* Summary() const { return summary[0] != L'\0' ? summary.data() : nullptr; }
    // Whether anything shows at all.
    bool Any() const;

    // How many frames a banner, a pop-up, a flash and the refused line last.
    static constexpr int BannerFrames = 2 * FramesPerSecond;
    static constexpr int PopupFrames = 2 * FramesPerSecond;
    static constexpr int FlashFrames = FramesPerSecond / 3;
    static constexpr int RefusedFrames = FramesPerSecond;
    // How long the player may stay in sector 1 before being told the way on.
    static constexpr int WayOnAfterFrames = 25 * FramesPerSecond;

private:
    enum class PromptKind { None, Planet, Fly, Fire, Engineering, WayOn };

    void ShowBanner(const wchar_t* first, const wchar_t* second);
    // A pop-up by the bar at barX, below the top bar or above the bottom one, in the first of
    // its places that neither the ship nor another pop-up takes (none when all are taken).
    void AddPopup(const wchar_t* text, int barX, SDL_Color colour, const game::LevelView& level);
    void AddPopup(const wchar_t* format, int amount, int barX, SDL_Color colour,
                  const game::LevelView& level);
    PromptKind PromptFor(const game::LevelView& now) const;
    void NoteChanges(const game::LevelView& was, const game::LevelView& now);
    // Learns what the player has done; true when something was learned now.
    bool Learn(const game::LevelView& now);
    void ChoosePrompt(const game::LevelView& now);
    // The prompt's words for the device the player uses, with its names for keys or buttons.
    void WritePrompt(PromptKind kind);
    void WriteSummary(const game::LevelView& now);
    void Tick();

    Settings& settings;
    game::LevelView previous;
    bool seenFirst = false;
    Text banner{};
    Text bannerSecond{};
    int bannerFrames = 0;
    Text bossLine{};
    std::array<Popup, MaxPopups> popups{};
    std::array<int, MaxPopups> popupFrames{};
    int flashFrames = 0;
    int refusedFrames = 0;
    Text prompt{};
    PromptKind promptKind = PromptKind::None;
    KeyBindings promptKeys; // the keys the prompt names
    bool promptLeft = false;
    // What the player uses, and the buttons the prompt names.
    InputDevice device = InputDevice::KeyboardAndMouse;
    PadBindings::Style padStyle = PadBindings::Style::Xbox;
    InputDevice promptDevice = InputDevice::KeyboardAndMouse;
    PadBindings::Style promptStyle = PadBindings::Style::Xbox;
    PadBindings promptPad;
    Text summary{};
    int framesInFirstSector = 0;
    int64_t framesPlayed = 0;
};

} // namespace vantor::app
