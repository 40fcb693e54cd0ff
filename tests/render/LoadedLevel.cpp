#include "LoadedLevel.h"

#include "graphics/ImageErrorReporter.h"

#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

class ReportList : public ImageErrorReporter {
public:
    void Report(const char* text, const char* fileName) override {
        reports->emplace_back(text, fileName);
    }
    std::vector<std::pair<std::string, std::string>>* reports = nullptr;
};

ReportList reportList;

} // namespace

std::string AssetDir() {
    if (const char* dir = std::getenv("VANTOR_ASSET_DIR")) {
        return dir;
    }
    return VANTOR_BUILD_ASSET_DIR;
}

PictureFile::PictureFile(const std::string& name) {
    SDL_Surface* loaded = IMG_Load((AssetDir() + "/" + name).c_str());
    if (loaded != nullptr) {
        surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(loaded);
    }
}

PictureFile::~PictureFile() {
    SDL_FreeSurface(surface);
}

uint32_t PictureFile::At(int x, int y) const {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return 0;
    }
    const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x];
}

Graphics* LoadedLevel::graphics = nullptr;
Sector01* LoadedLevel::level = nullptr;
std::vector<std::pair<std::string, std::string>> LoadedLevel::loadReports;

void LoadedLevel::SetUpTestSuite() {
    graphics = new Graphics();
    ASSERT_TRUE(graphics->InitOffscreen());
    GameManager::SetGraphics(graphics);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(AssetDir());
    loadReports.clear();
    reportList.reports = &loadReports;
    SetImageErrorReporter(&reportList);
    level = new Sector01();
    level->Load();
    SetImageErrorReporter(nullptr);
    std::filesystem::current_path(before);
}

void LoadedLevel::TearDownTestSuite() {
    level->Unload();
    delete level;
    level = nullptr;
    GameManager::SetGraphics(nullptr);
    delete graphics;
    graphics = nullptr;
}

void LoadedLevel::SetUp() {
    ASSERT_NE(level, nullptr);
    level->NewGame();
    sound.Take();
}

void LoadedLevel::Draw() {
    graphics->BeginDraw();
    level->Render();
    graphics->EndDraw();
    // With VANTOR_SCREENSHOT_DIR set, every drawn screen is kept for a person to look at.
    if (const char* dir = std::getenv("VANTOR_SCREENSHOT_DIR")) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string path = std::string(dir) + "/" + test->name() + ".png";
        IMG_SavePNG(graphics->surface, path.c_str());
    }
}

void LoadedLevel::Playing(float sectorNumber, int layout) {
    level->titleScreen = false;
    level->gameStarted = true;
    level->inputLocked = false;
    level->sector = sectorNumber;
    level->sectorLayout = layout;
    level->shipX = 700;
    level->shipY = 300;
    level->enemyX = 850;
    level->enemyY = 550;
    level->planet1X = 150;
    level->planet1Y = 200;
    level->planet2X = 150;
    level->planet2Y = 450;
    level->planet3X = 420;
    level->planet3Y = 450;
    level->asteroidX = 420;
    level->asteroidY = 180;
    level->torpedoInFlight = false;
}

bool LoadedLevel::Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return true;
}

std::string LoadedLevel::Hex(uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", pixel);
    return text;
}
