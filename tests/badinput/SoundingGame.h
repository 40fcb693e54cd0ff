#pragma once

#include <functional>

class Sector01;

namespace vantor::test {

// A whole game played headless on the level's own commands, through every sound the game
// has: the title music, every sector track and the boss track, the engine, torpedoes, small
// and large explosions, every voice, the victory and the defeat music. Checks along the way
// that the game goes where the player takes it.
class SoundingGame {
public:
    explicit SoundingGame(Sector01& level) : level(level) {}

    // Loads the level and plays. beforeFrame, when given, runs before every frame.
    void Play(const std::function<void()>& beforeFrame = {});

    int frames = 0;

private:
    void Frames(int count);
    void Ram();
    void HitWithTorpedo();

    Sector01& level;
    std::function<void()> beforeFrame;
};

} // namespace vantor::test
