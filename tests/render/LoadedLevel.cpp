#include "LoadedLevel.h"

#include "support/LevelScreens.h"

#include <SDL_image.h>

#include <cstdlib>

namespace vantor::test {

void LoadedLevel::SetUpTestSuite() {
    offscreen = new OffscreenLevel();
    ASSERT_TRUE(offscreen->Ready());
    offscreen->Load();
    level = &offscreen->level;
}

void LoadedLevel::TearDownTestSuite() {
    level = nullptr;
    delete offscreen;
    offscreen = nullptr;
}

void LoadedLevel::SetUp() {
    ASSERT_NE(level, nullptr);
    level->NewGame();
    sound.Take();
}

void LoadedLevel::Draw() {
    offscreen->Draw();
    // With VANTOR_SCREENSHOT_DIR set, every drawn screen is kept for a person to look at.
    if (const char* dir = std::getenv("VANTOR_SCREENSHOT_DIR")) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string path = std::string(dir) + "/" + test->name() + ".png";
        IMG_SavePNG(offscreen->graphics.surface, path.c_str());
    }
}

void LoadedLevel::Playing(float sectorNumber, int layout) {
    LevelScreens::Playing(*level, sectorNumber, layout);
}

} // namespace vantor::test
