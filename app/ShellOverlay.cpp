#include "app/ShellOverlay.h"

#include "graphics/Graphics.h"

#include <cwchar>
#include <iterator>

namespace vantor::app {

namespace {

constexpr const char* Font = "DejaVu Sans";
constexpr SDL_Color Shade = {0, 0, 0, 190};
constexpr SDL_Color Band = {0, 0, 0, 175};
// The captions' lowest line stands clear above the bottom status bar.
constexpr int LowestCaptionY = 680;
constexpr int CaptionLineHeight = 32;

} // namespace

ShellOverlay::ShellOverlay(Graphics* graphics, const Menu& menu, const Captions& captions,
                           const Settings& settings)
    : menu(menu), captions(captions), settings(settings), menuView(graphics),
      line(graphics, 18, Font, 1, 1, 1), caption(graphics, 22, Font, 1, 1, 0.85f) {}

void ShellOverlay::ShowVolume(int level, bool mute, uint64_t nowMs) {
    volume = level;
    muted = mute;
    volumeUntil = nowMs + VolumeShownMs;
}

void ShellOverlay::ShowNotice(const std::wstring& text, uint64_t nowMs) {
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
        notice.clear();
        changed = true;
    }
    return changed;
}

bool ShellOverlay::Visible() const {
    return menu.IsOpen() || volumeUntil != 0 || noticeUntil != 0 || ShowsCaptions() ||
           !titleHint.empty();
}

void ShellOverlay::DrawCentred(const graphics::DrawTarget& target, TextWriter& writer, int y,
                               const wchar_t* text) {
    writer.DrawString(target, (Graphics::Width - writer.Width(text)) / 2, y, text);
}

void ShellOverlay::DrawOnBand(const graphics::DrawTarget& target, TextWriter& writer, int y,
                              const wchar_t* text) {
    const int width = writer.Width(text);
    target.FillRect({(Graphics::Width - width) / 2 - 18, y - 5, width + 36, 33}, Band);
    DrawCentred(target, writer, y, text);
}

void ShellOverlay::DrawCaptions(const graphics::DrawTarget& target) {
    const int count = captions.Count();
    for (int index = 0; index < count; ++index) {
        // The words are plain ASCII: widened in place, without allocating.
        wchar_t words[160];
        const char* from = captions.Words(index);
        size_t length = 0;
        for (; from[length] != '\0' && length + 1 < std::size(words); ++length) {
            words[length] = static_cast<unsigned char>(from[length]);
        }
        words[length] = L'\0';
        DrawOnBand(target, caption, LowestCaptionY - (count - 1 - index) * CaptionLineHeight,
                   words);
    }
}

void ShellOverlay::Draw(const graphics::DrawTarget& target) {
    if (!titleHint.empty() && !menu.IsOpen()) {
        DrawOnBand(target, line, 14, titleHint.c_str());
    }
    if (ShowsCaptions() && !menu.IsOpen()) {
        DrawCaptions(target);
    }
    menuView.Draw(target, menu);
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
    if (noticeUntil != 0 && !notice.empty()) {
        const int width = line.Width(notice.c_str());
        target.FillRect({(Graphics::Width - width) / 2 - 16, 600, width + 32, 40}, Shade);
        DrawCentred(target, line, 609, notice.c_str());
    }
}

} // namespace vantor::app
