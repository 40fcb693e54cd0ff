#include "bench/OffscreenLevel.h"

#include "graphics/ImageErrorReporter.h"

#include <cstdio>
#include <cstdlib>

namespace {

class CountingReporter final : public ImageErrorReporter {
public:
    void Report(const char* text, const char* fileName) override {
        std::fprintf(stderr, "vantor_bench: %s%s\n", text, fileName != nullptr ? fileName : "");
        ++reports;
    }
    int reports = 0;
};

} // namespace

OffscreenLevel* OffscreenLevel::Get() {
    static OffscreenLevel* shared = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        auto* made = new OffscreenLevel();
        if (made->Load()) {
            shared = made;
        } else {
            delete made;
        }
    }
    return shared;
}

bool OffscreenLevel::Load() {
    if (!graphics.InitOffscreen()) {
        return false;
    }
    GameManager::SetGraphics(&graphics);
    CountingReporter reporter;
    SetImageErrorReporter(&reporter);
    std::srand(1);
    level.Load();
    SetImageErrorReporter(nullptr);
    return reporter.reports == 0;
}

void OffscreenLevel::Draw() {
    graphics.BeginDraw();
    level.Render();
    graphics.EndDraw();
}

void OffscreenLevel::ShowTitle() {
    level.NewGame();
}

void OffscreenLevel::ShowPlay() {
    level.NewGame();
    level.OnEnter(false);
    level.titleScreen = false;
    level.gameStarted = true;
    level.sector = 2;
    level.sectorLayout = 1; // three planets and the asteroid
    level.shipX = 600;
    level.shipY = 330;
    level.shipHeading = 30;
    level.enemyX = 820;
    level.enemyY = 520;
    level.enemyHeading = 210;
    level.planet1X = 150;
    level.planet1Y = 200;
    level.planet2X = 150;
    level.planet2Y = 450;
    level.planet3X = 420;
    level.planet3Y = 450;
    level.asteroidX = 420;
    level.asteroidY = 180;
    level.torpedoInFlight = true;
    level.torpedoX = 700;
    level.torpedoY = 400;
    level.torpedoHeading = 40;
    level.energy = 1234;
    level.science = 567;
    level.enemiesDestroyed = 3;
    level.frameCount = 130;
}

void OffscreenLevel::ShowPlanetPanel() {
    ShowPlay();
    level.planet1InRange = 1;
    level.planet1Unclaimed = true;
}

void OffscreenLevel::ShowMenu() {
    ShowPlay();
    level.menuOpen = true;
    level.inputLocked = true;
}

void OffscreenLevel::ShowEndScreen() {
    ShowPlay();
    level.damageLevel = 6;
    level.gameOver = true;
    level.inputLocked = true;
}
