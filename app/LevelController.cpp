#include "app/LevelController.h"

#include "app/GameManager.h"

GameManager* LevelController::currentLevel = nullptr;
bool LevelController::loading = false;

namespace {

// Input reaches the installed level, if there is one, even while it loads.
template <typename... Parameters, typename... Arguments>
void ToInstalledLevel(void (GameManager::*operation)(Parameters...), Arguments... arguments) {
    if (LevelController::currentLevel != nullptr) {
        (LevelController::currentLevel->*operation)(arguments...);
    }
}

} // namespace

void LevelController::LoadInitialLevel(GameManager* level) {
    loading = true;
    // Installed before its loading starts, so that input arriving meanwhile reaches it.
    currentLevel = level;
    if (level != nullptr) {
        level->Load();
    }
    loading = false;
}

void LevelController::SwitchLevel(GameManager* level) {
    loading = true;
    GameManager* old = currentLevel;
    // Switching to the level that is already installed reloads it; it must not be
    // deleted, since it stays installed.
    if (old != nullptr) {
        old->Unload();
    }
    // While the new level loads, currentLevel still names the old, unloaded one.
    if (level != nullptr) {
        level->Load();
    }
    if (old != level) {
        delete old;
    }
    currentLevel = level;
    loading = false;
}

void LevelController::Update() {
    if (loading || currentLevel == nullptr) {
        return;
    }
    currentLevel->Update();
}

void LevelController::Render() {
    if (loading || currentLevel == nullptr) {
        return;
    }
    currentLevel->Render();
}

void LevelController::LeftButtonDown(int x, int y) {
    ToInstalledLevel(&GameManager::OnLeftClick, x, y);
}

void LevelController::RightButtonDown(int x, int y) {
    ToInstalledLevel(&GameManager::OnRightClick, x, y);
}

void LevelController::Numpad1Pressed() {
    ToInstalledLevel(&GameManager::OnPlanetChoice, 1);
}

void LevelController::Numpad2Pressed() {
    ToInstalledLevel(&GameManager::OnPlanetChoice, 2);
}

void LevelController::Numpad3Pressed() {
    ToInstalledLevel(&GameManager::OnPlanetChoice, 3);
}

void LevelController::Numpad4Pressed() {
    ToInstalledLevel(&GameManager::OnMenuAction, 4);
}

void LevelController::Numpad5Pressed() {
    ToInstalledLevel(&GameManager::OnMenuAction, 5);
}

void LevelController::Numpad6Pressed() {
    ToInstalledLevel(&GameManager::OnMenuAction, 6);
}

void LevelController::AddPressed() {
    ToInstalledLevel(&GameManager::OnMenuKey, true);
}

void LevelController::EnterPressed() {
    ToInstalledLevel(&GameManager::OnEnter, false);
}
