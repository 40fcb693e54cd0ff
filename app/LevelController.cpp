#include "app/LevelController.h"

#include "app/GameManager.h"

GameManager* LevelController::currentLevel = nullptr;
bool LevelController::loading = false;

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
    if (currentLevel != nullptr) {
        currentLevel->OnLeftClick(x, y);
    }
}

void LevelController::RightButtonDown(int x, int y) {
    if (currentLevel != nullptr) {
        currentLevel->OnRightClick(x, y);
    }
}

void LevelController::Numpad1Pressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnPlanetChoice(1);
    }
}

void LevelController::Numpad2Pressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnPlanetChoice(2);
    }
}

void LevelController::Numpad3Pressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnPlanetChoice(3);
    }
}

void LevelController::Numpad4Pressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnMenuAction(4);
    }
}

void LevelController::Numpad5Pressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnMenuAction(5);
    }
}

void LevelController::Numpad6Pressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnMenuAction(6);
    }
}

void LevelController::AddPressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnMenuKey(true);
    }
}

void LevelController::EnterPressed() {
    if (currentLevel != nullptr) {
        currentLevel->OnEnter(false);
    }
}
