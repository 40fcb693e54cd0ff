#include "app/ShellOverlay.h"

#include "graphics/Graphics.h"

#include <cwchar>

namespace vantor::app {

namespace {

constexpr const char* Font = "DejaVu Sans";
constexpr const wchar_t* KeysLine =
    L"P or Esc: resume    M: mute    9 / 0: volume    F11: fullscreen    F12: screenshot    "
    L"Ctrl+Q: quit";

} // namespace

ShellOverlay::ShellOverlay(Graphics* graphics)
    : title(graphics, 64, Font, 1, 1, 1), line(graphics, 17, Font, 1, 1, 1) {}

void ShellOverlay::SetPaused(bool on) {
    paused = on;
}

void ShellOverlay::ShowVolume(int level, bool mute, uint64_t nowMs) {
    volume = level;
    muted = mute;
    volumeUntil = nowMs + VolumeShownMs;
}

void ShellOverlay::ShowNotice(const wchar_t* text, uint64_t nowMs) {
    notice = text;
    noticeUntil = nowMs + NoticeShownMs;
}

bool ShellOverlay::Expire(uint64_t nowMs) {
    bool changed = false;
    if (volumeUntil != 0 && nowMs >= volumeUntil) {
        volumeUntil = 0;
        changed = true;
    }
    if (noticeUntil != 0 && nowMs >= noticeUntil) {
        noticeUntil = 0;
        notice = nullptr;
        changed = true;
    }
    return changed;
}

bool ShellOverlay::Visible() const {
    return paused || volumeUntil != 0 || noticeUntil != 0;
}

void ShellOverlay::DrawCentred(const vantor::graphics::DrawTarget& target, TextWriter& writer,
                               int y, const wchar_t* text) {
    writer.DrawString(target, (Graphics::Width - writer.Width(text)) / 2, y, text);
}

void ShellOverlay::Draw(const vantor::graphics::DrawTarget& target) {
    constexpr SDL_Color Shade = {0, 0, 0, 190};
    if (paused) {
        target.FillRect({0, 0, Graphics::Width, Graphics::Height}, SDL_Color{0, 0, 0, 150});
        DrawCentred(target, title, 300, L"PAUSED");
        DrawCentred(target, line, 400, KeysLine);
    }
    if (volumeUntil != 0) {
        // A box at the top with the volume in words and as ten steps.
        wchar_t text[32];
        if (muted) {
            std::swprintf(text, 32, L"Muted");
        } else {
            std::swprintf(text, 32, L"Volume %d%%", volume);
        }
        target.FillRect({Graphics::Width / 2 - 130, 96, 260, 70}, Shade);
        DrawCentred(target, line, 106, text);
        const int steps = muted ? 0 : (volume + 5) / 10;
        for (int i = 0; i < 10; ++i) {
            const SDL_Color colour =
                i < steps ? SDL_Color{90, 220, 120, 255} : SDL_Color{90, 90, 90, 255};
            target.FillRect({Graphics::Width / 2 - 110 + i * 22, 138, 18, 16}, colour);
        }
    }
    if (noticeUntil != 0 && notice != nullptr) {
        const int width = line.Width(notice);
        target.FillRect({(Graphics::Width - width) / 2 - 16, 600, width + 32, 40}, Shade);
        DrawCentred(target, line, 609, notice);
    }
}

} // namespace vantor::app
