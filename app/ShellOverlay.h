#pragma once

#include "graphics/PresentOverlay.h"
#include "graphics/TextWriter.h"

#include <cstdint>

namespace vantor::app {

// What the shell shows over the game picture: the pause screen (the last frame dimmed,
// "PAUSED" and a line with the keys), the volume for about a second after it changed, and a
// short notice such as "Screenshot saved". None of it is part of the game picture.
class ShellOverlay : public graphics::PresentOverlay {
public:
    static constexpr uint64_t VolumeShownMs = 1200;
    static constexpr uint64_t NoticeShownMs = 1500;

    // The text styles are made for the device; the overlay draws wherever it is handed.
    explicit ShellOverlay(Graphics* graphics);

    void SetPaused(bool paused);
    // Shows the volume (0 to 100) or that the sound is muted, from now on for a while.
    void ShowVolume(int volume, bool muted, uint64_t nowMs);
    // Shows a short line of text from now on for a while.
    void ShowNotice(const wchar_t* text, uint64_t nowMs);
    // Takes away what has been shown long enough; true when that changed what shows.
    bool Expire(uint64_t nowMs);

    bool Visible() const override;
    void Draw(const vantor::graphics::DrawTarget& target) override;

    bool Paused() const { return paused; }
    bool ShowsVolume() const { return volumeUntil != 0; }
    bool ShowsNotice() const { return noticeUntil != 0; }

private:
    static void DrawCentred(const vantor::graphics::DrawTarget& target, TextWriter& writer, int y,
                            const wchar_t* text);

    TextWriter title;
    TextWriter line;
    bool paused = false;
    int volume = 100;
    bool muted = false;
    uint64_t volumeUntil = 0; // 0 when not shown
    const wchar_t* notice = nullptr;
    uint64_t noticeUntil = 0;
};

} // namespace vantor::app
