#pragma once

class GameManager;

// Holds the one installed level and hands it every frame and every input. Frames are
// skipped while a level loads; input is not, so input that arrives during loading reaches
// the level being loaded.
class LevelController {
public:
    LevelController() = delete;

    static void LoadInitialLevel(GameManager* level);
    static void SwitchLevel(GameManager* level);

    static void Update();
    static void Render();

    static void LeftButtonDown(int x, int y);
    static void RightButtonDown(int x, int y);
    static void Numpad1Pressed();
    static void Numpad2Pressed();
    static void Numpad3Pressed();
    static void Numpad4Pressed();
    static void Numpad5Pressed();
    static void Numpad6Pressed();
    static void AddPressed();
    static void EnterPressed();

    static GameManager* currentLevel;
    static bool loading;
};
