#pragma once

#include "app/GameManager.h"

#include <string>
#include <vector>

namespace vantor::test {

// A level that notes every call it gets, in words: "update", "render", "left 300,200",
// "planet 1", "enter", "menu", "action 4" and so on.
class LevelCalls : public GameManager {
public:
    void Load() override {}
    void Unload() override {}
    void Render() override { calls.push_back("render"); }
    void Update() override { calls.push_back("update"); }
    void OnLeftClick(int x, int y) override {
        calls.push_back("left " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnRightClick(int x, int y) override {
        calls.push_back("right " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnPlanetChoice(int choice) override {
        calls.push_back("planet " + std::to_string(choice));
    }
    void OnEnter(bool showTitle) override { calls.push_back(showTitle ? "enter true" : "enter"); }
    void OnMenuKey(bool open) override { calls.push_back(open ? "menu" : "menu false"); }
    void OnMenuAction(int action) override { calls.push_back("action " + std::to_string(action)); }

    std::vector<std::string> calls;
};

} // namespace vantor::test
