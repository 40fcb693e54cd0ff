#include "app/ShellOverlay.h"

#include "graphics/Graphics.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace vantor::app {

namespace {

constexpr const char* Font = "DejaVu Sans";
constexpr SDL_Color Shade = {0, 0, 0, 190};
constexpr SDL_Color Band = {0, 0, 0, 175};
constexpr SDL_Color CrosshairColour = {120, 255, 170, 255};
constexpr SDL_Color ButtonFill = {10, 24, 40, 200};
constexpr SDL_Color ButtonEdge = {90, 190, 255, 255};
// The captions' lowest line stands clear above the bottom status bar.
constexpr int LowestCaptionY = 680;
constexpr int CaptionLineHeight = 32;
// The guidance's places: a banner high in the middle, the prompts above the captions, the line
// for a refused key above them, the summary under the end's plate.
constexpr int BannerY = 232;
constexpr int PromptY = 600;
constexpr int RefusedY = 560;
constexpr int SummaryY = 410;
// A replay's line, just under the top status bar.
constexpr int ReplayLineY = 62;

// A pop-up's text style in its colour.
TextWriter Writer(Graphics* graphics, SDL_Color colour) {
    return TextWriter(graphics, 22, Font, colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f);
}

} // namespace

ShellOverlay::ShellOverlay(Graphics* graphics, const Menu& menu, const Captions& captions,
                           const Guidance& guidance, const Settings& settings)
    : menu(menu), captions(captions), guidance(guidance), settings(settings), menuView(graphics),
      line(graphics, 18, Font, 1, 1, 1), caption(graphics, 22, Font, 1, 1, 0.85f),
      banner(graphics, 34, Font, 0.55f, 0.86f, 1.0f),
      bannerSmall(graphics, 22, Font, 1, 0.84f, 0.35f), gain(Writer(graphics, Guidance::Gain)),
      scienceGain(Writer(graphics, Guidance::ScienceGain)), loss(Writer(graphics, Guidance::Loss)),
      hurt(Writer(graphics, Guidance::Hurt)), praise(Writer(graphics, Guidance::Praise)),
      graphics(graphics) {}

void ShellOverlay::ShowCrosshair(bool shown, int x, int y) {
    crosshair = shown;
    crosshairX = x;
    crosshairY = y;
}

void ShellOverlay::ShowPadPrompt(const std::wstring& text) {
    if (text != padPrompt) {
        padPrompt = text;
    }
}

void ShellOverlay::ShowVolume(int level, bool mute, uint64_t nowMs) {
    volume = level;
    muted = mute;
    volumeUntil = nowMs + VolumeShownMs;
}

void ShellOverlay::ShowNotice(const std::wstring& text, uint64_t nowMs, uint64_t forMs) {
    notice = text;
    noticeUntil = nowMs + forMs;
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
           guidance.Any() || !titleHint.empty() || !recordLine.empty() || !replayLine.empty() ||
           crosshair || !padPrompt.empty();
}

bool ShellOverlay::VisibleOnOutput() const {
    return touchButtons != nullptr && touchButtons->Count() > 0;
}

void ShellOverlay::DrawOnOutput(const graphics::DrawTarget& output, const SDL_Rect& picture) {
    (void)picture;
    if (!VisibleOnOutput()) {
        return;
    }
    const SDL_Rect& first = touchButtons->At(0).place;
    if (buttonText == nullptr || first.w != buttonTextBox.w || first.h != buttonTextBox.h) {
        // Two fifths of the buttons' height, smaller where the longest word would not fit.
        int size = std::max(12, first.h * 2 / 5);
        TextWriter measure(graphics, size, Font, 1, 1, 1);
        int widest = 0;
        for (int id = 0; id < TouchButtons::IdCount; ++id) {
            widest = std::max(widest, measure.Width(TouchButtons::Label(TouchButtons::Id(id))));
        }
        const int room = first.w - 16;
        if (widest > room && room > 0) {
            size = std::max(10, size * room / widest);
        }
        buttonText = std::make_unique<TextWriter>(graphics, size, Font, 1, 1, 1);
        buttonTextSize = size;
        buttonTextBox = first;
    }
    const int size = buttonTextSize;
    for (int index = 0; index < touchButtons->Count(); ++index) {
        const TouchButtons::Button& button = touchButtons->At(index);
        const SDL_Rect& r = button.place;
        output.FillRect(r, ButtonFill);
        output.FillRect({r.x, r.y, r.w, 2}, ButtonEdge);
        output.FillRect({r.x, r.y + r.h - 2, r.w, 2}, ButtonEdge);
        output.FillRect({r.x, r.y, 2, r.h}, ButtonEdge);
        output.FillRect({r.x + r.w - 2, r.y, 2, r.h}, ButtonEdge);
        const wchar_t* label = TouchButtons::Label(button.id);
        buttonText->DrawString(output, r.x + (r.w - buttonText->Width(label)) / 2,
                               r.y + (r.h - size * 6 / 5) / 2, label);
    }
}

void ShellOverlay::DrawCrosshair(const graphics::DrawTarget& target) const {
    // Four arms round an open centre, each drawn dark first so that it shows on any picture.
    constexpr int Gap = 6;
    constexpr int Arm = 14;
    const SDL_Rect arms[] = {
        {crosshairX - Gap - Arm, crosshairY - 1, Arm, 3},
        {crosshairX + Gap + 1, crosshairY - 1, Arm, 3},
        {crosshairX - 1, crosshairY - Gap - Arm, 3, Arm},
        {crosshairX - 1, crosshairY + Gap + 1, 3, Arm},
    };
    for (const SDL_Rect& arm : arms) {
        target.FillRect({arm.x - 1, arm.y - 1, arm.w + 2, arm.h + 2}, SDL_Color{0, 0, 0, 200});
    }
    for (const SDL_Rect& arm : arms) {
        target.FillRect(arm, CrosshairColour);
    }
    target.FillRect({crosshairX - 1, crosshairY - 1, 3, 3}, CrosshairColour);
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

TextWriter& ShellOverlay::PopupWriter(SDL_Color colour) {
    TextWriter* const writers[] = {&gain, &scienceGain, &loss, &hurt, &praise};
    for (TextWriter* writer : writers) {
        if (writer->brush.r == colour.r && writer->brush.g == colour.g &&
            writer->brush.b == colour.b) {
            return *writer;
        }
    }
    return line;
}

void ShellOverlay::DrawGuidance(const graphics::DrawTarget& target) {
    if (const float flash = guidance.Flash(); flash > 0.0f && !settings.reducedFlashing) {
        const SDL_Color red = {220, 20, 20, static_cast<Uint8>(170 * flash)};
        constexpr int Edge = 22;
        target.FillRect({0, 0, Graphics::Width, Edge}, red);
        target.FillRect({0, Graphics::Height - Edge, Graphics::Width, Edge}, red);
        target.FillRect({0, Edge, Edge, Graphics::Height - 2 * Edge}, red);
        target.FillRect({Graphics::Width - Edge, Edge, Edge, Graphics::Height - 2 * Edge}, red);
    }
    if (const wchar_t* first = guidance.Banner()) {
        const wchar_t* second = guidance.BannerSecondLine();
        const int height = second != nullptr ? 92 : 56;
        target.FillRect({0, BannerY - 10, Graphics::Width, height}, Band);
        DrawCentred(target, banner, BannerY, first);
        if (second != nullptr) {
            DrawCentred(target, bannerSmall, BannerY + 44, second);
        }
    }
    if (const wchar_t* boss = guidance.BossLine()) {
        const int width = line.Width(boss);
        target.FillRect({6, 114, width + 20, 28}, Band);
        line.DrawString(target, 16, 118, boss);
    }
    for (int slot = 0; slot < Guidance::MaxPopups; ++slot) {
        if (const Guidance::Popup* popup = guidance.PopupAt(slot)) {
            TextWriter& writer = PopupWriter(popup->colour);
            const int width = writer.Width(popup->text.data());
            target.FillRect({popup->x - 8, popup->y - 2, width + 16, 30},
                            SDL_Color{0, 0, 0, static_cast<Uint8>(190 * popup->shown)});
            writer.DrawString(target, popup->x, popup->y, popup->text.data());
        }
    }
    if (!padPrompt.empty()) {
        DrawOnBand(target, caption, PromptY, padPrompt.c_str());
    } else if (const wchar_t* prompt = guidance.Prompt()) {
        DrawOnBand(target, caption, PromptY, prompt);
    }
    if (const wchar_t* refused = guidance.RefusedLine()) {
        DrawOnBand(target, loss, RefusedY, refused);
    }
    if (const wchar_t* summary = guidance.Summary()) {
        DrawOnBand(target, line, SummaryY, summary);
    }
}

void ShellOverlay::Draw(const graphics::DrawTarget& target) {
    if (!titleHint.empty() && !menu.IsOpen()) {
        DrawOnBand(target, line, 14, titleHint.c_str());
    }
    if (!recordLine.empty() && !menu.IsOpen()) {
        DrawOnBand(target, line, recordLineY, recordLine.c_str());
    }
    if (!replayLine.empty() && !menu.IsOpen()) {
        DrawOnBand(target, line, ReplayLineY, replayLine.c_str());
    }
    if (!menu.IsOpen()) {
        DrawGuidance(target);
        if (crosshair) {
            DrawCrosshair(target);
        }
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
