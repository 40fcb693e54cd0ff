#include "app/LevelController.h"
#include "app/GameManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

namespace {

std::vector<std::string> calls;

// A level that writes every call it receives into `calls`, with what it saw of the
// controller while loading and unloading.
class ScriptLevel : public GameManager {
public:
    explicit ScriptLevel(std::string name) : name(std::move(name)) {}
    ~ScriptLevel() override { calls.push_back(name + ".deleted"); }

    void Load() override {
        calls.push_back(name + ".Load loading=" + (LevelController::loading ? "1" : "0") +
                        " current=" + CurrentName());
    }
    void Unload() override {
        calls.push_back(name + ".Unload loading=" + (LevelController::loading ? "1" : "0"));
    }
    void Render() override { calls.push_back(name + ".Render"); }
    void Update() override { calls.push_back(name + ".Update"); }
    void OnLeftClick(int x, int y) override {
        calls.push_back(name + ".OnLeftClick " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnRightClick(int x, int y) override {
        calls.push_back(name + ".OnRightClick " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnPlanetChoice(int choice) override {
        calls.push_back(name + ".OnPlanetChoice " + std::to_string(choice));
    }
    void OnEnter(bool showTitle) override {
        calls.push_back(name + ".OnEnter " + (showTitle ? "true" : "false"));
    }
    void OnMenuKey(bool open) override {
        calls.push_back(name + ".OnMenuKey " + (open ? "true" : "false"));
    }
    void OnMenuAction(int action) override {
        calls.push_back(name + ".OnMenuAction " + std::to_string(action));
    }

    static std::string CurrentName() {
        auto* current = dynamic_cast<ScriptLevel*>(LevelController::currentLevel);
        return current != nullptr ? current->name : "none";
    }

    std::string name;
};

void CallEveryForwarder() {
    LevelController::LeftButtonDown(0, 0);
    LevelController::RightButtonDown(1023, 767);
    LevelController::Numpad1Pressed();
    LevelController::Numpad2Pressed();
    LevelController::Numpad3Pressed();
    LevelController::Numpad4Pressed();
    LevelController::Numpad5Pressed();
    LevelController::Numpad6Pressed();
    LevelController::AddPressed();
    LevelController::EnterPressed();
}

class LevelControllerTest : public ::testing::Test {
protected:
    void SetUp() override { calls.clear(); }
    void TearDown() override {
        delete LevelController::currentLevel;
        LevelController::currentLevel = nullptr;
        LevelController::loading = false;
    }
};

TEST_F(LevelControllerTest, EverythingIsIgnoredBeforeALevelIsInstalled) {
    CallEveryForwarder();
    LevelController::Update();
    LevelController::Render();
    EXPECT_EQ(LevelController::currentLevel, nullptr);
    EXPECT_FALSE(LevelController::loading);
}

TEST_F(LevelControllerTest, LoadInitialLevelInstallsTheLevelBeforeLoadingIt) {
    auto* level = new ScriptLevel("a");
    LevelController::LoadInitialLevel(level);

    EXPECT_EQ(LevelController::currentLevel, level);
    EXPECT_FALSE(LevelController::loading);
    EXPECT_EQ(calls, std::vector<std::string>{"a.Load loading=1 current=a"});
}

TEST_F(LevelControllerTest, ForwardersPassTheirKeysAndCoordinates) {
    LevelController::LoadInitialLevel(new ScriptLevel("a"));
    calls.clear();
    CallEveryForwarder();
    const std::vector<std::string> expected = {
        "a.OnLeftClick 0,0",  "a.OnRightClick 1023,767", "a.OnPlanetChoice 1", "a.OnPlanetChoice 2",
        "a.OnPlanetChoice 3", "a.OnMenuAction 4",        "a.OnMenuAction 5",   "a.OnMenuAction 6",
        "a.OnMenuKey true",   "a.OnEnter false",
    };
    EXPECT_EQ(calls, expected);
}

TEST_F(LevelControllerTest, FramesWaitWhileLoadingButInputDoesNot) {
    LevelController::LoadInitialLevel(new ScriptLevel("a"));
    calls.clear();

    LevelController::loading = true;
    LevelController::Update();
    LevelController::Render();
    LevelController::EnterPressed();
    EXPECT_EQ(calls, std::vector<std::string>{"a.OnEnter false"});

    LevelController::loading = false;
    LevelController::Update();
    LevelController::Render();
    EXPECT_EQ(calls, (std::vector<std::string>{"a.OnEnter false", "a.Update", "a.Render"}));
}

TEST_F(LevelControllerTest, SwitchUnloadsLoadsDeletesThenInstalls) {
    LevelController::LoadInitialLevel(new ScriptLevel("old"));
    calls.clear();
    auto* next = new ScriptLevel("new");
    LevelController::SwitchLevel(next);

    // The new level loads while the old, already unloaded one is still installed and alive.
    const std::vector<std::string> expected = {
        "old.Unload loading=1",
        "new.Load loading=1 current=old",
        "old.deleted",
    };
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(LevelController::currentLevel, next);
    EXPECT_FALSE(LevelController::loading);
}

TEST_F(LevelControllerTest, SwitchWithNoLevelInstalledJustLoads) {
    auto* level = new ScriptLevel("a");
    LevelController::SwitchLevel(level);
    EXPECT_EQ(calls, std::vector<std::string>{"a.Load loading=1 current=none"});
    EXPECT_EQ(LevelController::currentLevel, level);
}

TEST_F(LevelControllerTest, SwitchingToTheInstalledLevelReloadsWithoutDeletingIt) {
    auto* level = new ScriptLevel("a");
    LevelController::LoadInitialLevel(level);
    calls.clear();
    LevelController::SwitchLevel(level);

    EXPECT_EQ(calls,
              (std::vector<std::string>{"a.Unload loading=1", "a.Load loading=1 current=a"}));
    EXPECT_EQ(LevelController::currentLevel, level);
    LevelController::Update();
    EXPECT_EQ(calls.back(), "a.Update");
}

} // namespace

} // namespace vantor::test
