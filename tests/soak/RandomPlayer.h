#pragma once

#include <array>
#include <cstdint>
#include <random>

class Sector01;

namespace vantor::test {

// A player with a fixed seed who hands the installed level input through LevelController, as
// the window would. It looks at the screen like a person does and mostly does what the screen
// asks for (Enter on the title, a choice at a planet, repairs and research in the menu, flying
// on to the right and shooting at the enemy in play), and now and then presses anything at
// all or clicks anywhere, edges included. Deciding allocates nothing.
class RandomPlayer {
public:
    enum Input { LeftClick, RightClick, Key1, Key2, Key3, Key4, Key5, Key6, MenuKey, Enter };
    static constexpr int InputCount = 10;

    explicit RandomPlayer(uint32_t seed) : random(seed) {}

    // The input of one frame, given before the frame is updated; often none.
    void Act(const Sector01& level);

    // How often each input has been given.
    std::array<int64_t, InputCount> given = {};

private:
    // True with a chance of one in n.
    bool OneIn(uint32_t n);
    // A whole number from 0 to n - 1.
    int Below(int n);
    // A coordinate from 0 to size - 1, the edges 0 and size - 1 more often than the rest.
    int Anywhere(int size);

    void Give(Input input, int x = 0, int y = 0);
    void GiveAnything();
    void FireAt(const Sector01& level);
    // Flies to an unclaimed planet on the screen, if the one picked is such a planet.
    bool VisitPlanet(const Sector01& level);
    void Play(const Sector01& level);
    void Engineer(const Sector01& level);
    // A left click that the player remembers, to see whether the ship still flies there.
    void Order(int x, int y);

    std::mt19937 random;
    int orderX = 0;
    int orderY = 0;
    int orderAge = 0; // frames since the order
    int shotAge = 0;  // frames since the last aimed shot
    bool careless = false;
};

} // namespace vantor::test
