#include "BrokenPicture.h"
#include "LevelPictures.h"

#include "support/LevelScreens.h"

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Damage = PictureCase::Damage;
using Screen = LevelScreens::Screen;

// An animation strip smaller than one of its cells: it loads, and a cell shows only the part
// of the picture that lies in it, never a stretched or wrapped copy.
class StripTooSmall : public BrokenPicture {
protected:
    // Where the game draws the strip's cells, and on which screen.
    struct Place {
        Screen screen;
        int x;
        int y;
    };

    static Place PlaceOf(const std::string& file) {
        if (file == "asteroid01.png") {
            return {Screen::PlanetsAndAsteroid, 420, 180};
        }
        if (file == "rock.png") {
            return {Screen::Rock, 420, 180};
        }
        if (file == "aniPlanet02.png") {
            return {Screen::SecondPlanetPanel, 402, 275};
        }
        if (file == "aniPlanet03.png") {
            return {Screen::FirstPlanetPanel, 402, 275};
        }
        if (file == "explosion.png") {
            return {Screen::Defeat, 860, 600};
        }
        return {Screen::Menu, 80, 605}; // the beam
    }

    // How many pixels of the strip's colour the cell's place shows inside and outside the
    // corner the small picture covers.
    void CountColour(const Place& place, int cell, int& inside, int& outside) {
        inside = 0;
        outside = 0;
        for (int y = place.y; y < place.y + cell; ++y) {
            for (int x = place.x; x < place.x + cell; ++x) {
                if (offscreen->Pixel(x, y) != StripColour) {
                    continue;
                }
                const bool covered = x < place.x + cell / 2 && y < place.y + cell / 2;
                (covered ? inside : outside) += 1;
            }
        }
    }
};

TEST_P(StripTooSmall, LoadsAndACellShowsOnlyWhatLiesOnThePicture) {
    const PictureCase& strip = GetParam();
    ASSERT_NO_FATAL_FAILURE(LoadWithBrokenFile(strip));
    ExpectTheGameRunsOn(strip);

    const int cell = StripCell(strip.file);
    ASSERT_GT(cell, 0);
    const Place place = PlaceOf(strip.file);
    int inside = 0;
    int outside = 0;
    LevelScreens::Show(*level, place.screen, 0);
    Draw();
    CountColour(place, cell, inside, outside);
    // The first cell holds the whole small picture in its top-left corner; nothing else of it.
    EXPECT_EQ(inside, (cell / 2) * (cell / 2));
    EXPECT_EQ(outside, 0);
    // The second cell lies wholly off the picture and shows none of it.
    LevelScreens::Show(*level, place.screen, 60);
    Draw();
    CountColour(place, cell, inside, outside);
    EXPECT_EQ(inside + outside, 0);
}

std::vector<PictureCase> EveryStrip() {
    std::vector<PictureCase> cases;
    for (const LevelPictures::Picture& strip : LevelPictures::Strips()) {
        cases.push_back({strip.file, Damage::SmallerThanACell});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryStrip, StripTooSmall, ::testing::ValuesIn(EveryStrip()),
                         PictureCase::Name);

} // namespace

} // namespace vantor::test
