#include "app/GameManager.h"

Graphics* GameManager::graphics = nullptr;

void GameManager::SetGraphics(Graphics* device) {
    graphics = device;
}
