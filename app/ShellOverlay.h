#pragma once

#include "app/Captions.h"
#include "app/Guidance.h"
#include "app/Menu.h"
#include "app/MenuView.h"
#include "app/TouchButtons.h"
#include "graphics/PresentOverlay.h"
#include "graphics/TextWriter.h"

#include <cstdint>
#include <memory>
#include <string>

class Graphics;

namespace vantor::app {

// What the shell shows over the game picture: the menu while the game is paused, the words of
// the ship's computer while it speaks (when captions are on), the guidance (banners, the boss's
// hits, gains and losses, a flash when rammed, first-play prompts, the end's summary), a line
// on the title for a new player, the volume for about a second after it changed, and a short
// notice such as "Screenshot saved"; for a gamepad player the crosshair and a line naming the
// pad's buttons where the game waits for a choice, and for a touch screen its buttons, beside the
// picture where there is room. None of it is part of the game picture, so no screenshot
// holds it. Reads the menu, the captions, the guidance and the settings it is given, which must
// outlive it; draws onto the target it is handed. Drawing what shows in play allocates nothing,
// so that frames with it stay free of allocations. Used on the game's thread.
class ShellOverlay : public graphics::PresentOverlay {
public:
    static constexpr uint64_t VolumeShownMs = 1200;
    static constexpr uint64_t NoticeShownMs = 1500;

    // The text styles are made for the device; the overlay draws wherever it is handed.
    ShellOverlay(Graphics* graphics, const Menu& menu, const Captions& captions,
                 const Guidance& guidance, const Settings& settings);

    // Shows the volume (0 to 100) or that the sound is muted, from now on for a while.
    void ShowVolume(int volume, bool muted, uint64_t nowMs);
    // Shows a short line of text from now on for a while (NoticeShownMs unless given).
    void ShowNotice(const std::wstring& text, uint64_t nowMs, uint64_t forMs = NoticeShownMs);
    // Takes away what has been shown long enough; true when that changed what shows.
    bool Expire(uint64_t nowMs);
    // A line shown at the top of the title screen while the text is not empty.
    void ShowTitleHint(const std::wstring& text) { titleHint = text; }
    // A line of the records centred at game row y (none while the text is empty).
    void ShowRecordLine(const std::wstring& text, int y) {
        recordLine = text;
        recordLineY = y;
    }
    // The replay's line at the top (its speed, or that it is over); none while empty.
    void ShowReplayLine(const std::wstring& text) { replayLine = text; }
    // The gamepad's crosshair at a game pixel, or none.
    void ShowCrosshair(bool shown, int x, int y);
    // The line that names the pad's buttons where the game waits (none while empty); it takes
    // the place of a first-play prompt.
    void ShowPadPrompt(const std::wstring& text);
    // The touch screen's buttons, laid out in the output's pixels (must outlive the overlay),
    // or none.
    void ShowTouchButtons(const TouchButtons* buttons) { touchButtons = buttons; }

    bool Visible() const override;
    void Draw(const graphics::DrawTarget& target) override;
    bool VisibleOnOutput() const override;
    void DrawOnOutput(const graphics::DrawTarget& output, const SDL_Rect& picture) override;

    bool ShowsVolume() const { return volumeUntil != 0; }
    bool ShowsNotice() const { return noticeUntil != 0; }
    bool ShowsCaptions() const { return settings.captions && captions.Any(); }
    bool ShowsCrosshair() const { return crosshair; }
    const std::wstring& PadPrompt() const { return padPrompt; }
    // The menu's layout, for what the pointer reaches.
    const MenuView& View() const { return menuView; }

private:
    static void DrawCentred(const graphics::DrawTarget& target, TextWriter& writer, int y,
                            const wchar_t* text);
    // The text on a dark band, centred at y.
    static void DrawOnBand(const graphics::DrawTarget& target, TextWriter& writer, int y,
                           const wchar_t* text);
    void DrawCaptions(const graphics::DrawTarget& target);
    void DrawGuidance(const graphics::DrawTarget& target);
    void DrawCrosshair(const graphics::DrawTarget& target) const;
    // The pop-up's writer for its colour.
    TextWriter& PopupWriter(SDL_Color colour);

    const Menu& menu;
    const Captions& captions;
    const Guidance& guidance;
    const Settings& settings;
    MenuView menuView;
    TextWriter line;
    TextWriter caption;
    TextWriter banner;
    TextWriter bannerSmall;
    TextWriter gain;
    TextWriter scienceGain;
    TextWriter loss;
    TextWriter hurt;
    TextWriter praise;
    int volume = 100;
    bool muted = false;
    uint64_t volumeUntil = 0; // 0 when not shown
    std::wstring notice;
    uint64_t noticeUntil = 0;
    std::wstring titleHint;
    std::wstring recordLine;
    int recordLineY = 0;
    std::wstring replayLine;
    bool crosshair = false;
    int crosshairX = 0;
    int crosshairY = 0;
    std::wstring padPrompt;
    const TouchButtons* touchButtons = nullptr;
    // The buttons' words, at a size for their height, made again when that changes.
    Graphics* graphics;
    std::unique_ptr<TextWriter> buttonText;
    int buttonTextSize = 0;
    SDL_Rect buttonTextBox{}; // the button size the words were sized for
};

} // namespace vantor::app
