#pragma once

class Graphics;

// A level of the game: loaded once, then updated and drawn every frame and told about
// the player's input. The one drawing device is shared by every level.
class GameManager {
public:
    virtual ~GameManager() = default;

    virtual void Load() = 0;
    virtual void Unload() = 0;
    virtual void Render() = 0;
    virtual void Update() = 0;
    virtual void OnLeftClick(int x, int y) = 0;
    virtual void OnRightClick(int x, int y) = 0;
    virtual void OnPlanetChoice(int choice) = 0;
    virtual void OnEnter(bool showTitle) = 0;
    virtual void OnMenuKey(bool open) = 0;
    virtual void OnMenuAction(int action) = 0;

    // Set once by the entry point, before any level loads. Levels draw through it but
    // never own it.
    static void SetGraphics(Graphics* device);

    static Graphics* graphics;
};
