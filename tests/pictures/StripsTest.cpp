// Animation strips: the game plays cells 0 to 3 of a grid with 1024 / cell-width columns.
#include "GeneratedPictures.h"

#include <gtest/gtest.h>

namespace vantor::test {

namespace {

struct Strip {
    std::string name;
    int cell;
};

const std::vector<Strip>& Strips() {
    static const std::vector<Strip> list = {{"asteroid01.png", 128},  {"rock.png", 100},
                                            {"aniPlanet02.png", 200}, {"aniPlanet03.png", 200},
                                            {"explosion.png", 138},   {"beam.png", 50}};
    return list;
}

// The pixels of one cell where the game's grid puts it.
struct Cell {
    int covered = 0;     // pixels with any alpha
    double alphaSum = 0; // summed alpha of those
    std::vector<std::uint8_t> pixels;
};

Cell ReadCell(const Picture& picture, int size, int frame) {
    const int columns = 1024 / size;
    const int left = frame % columns * size;
    const int top = frame / columns * size;
    Cell cell;
    for (int y = top; y < top + size && y < picture.height; ++y) {
        for (int x = left; x < left + size && x < picture.width; ++x) {
            const std::uint8_t* p = picture.At(x, y);
            cell.pixels.insert(cell.pixels.end(), p, p + 4);
            if (p[3] > 0) {
                ++cell.covered;
                cell.alphaSum += p[3];
            }
        }
    }
    return cell;
}

} // namespace

TEST(Strips, FirstFourCellsOfTheGameGridAreFilledAndAnimate) {
    for (const Strip& strip : Strips()) {
        SCOPED_TRACE(strip.name);
        const Picture& picture = GeneratedPictures::Load(strip.name);
        ASSERT_GT(picture.width, 0);
        EXPECT_TRUE(picture.hasAlpha);
        const int columns = 1024 / strip.cell;
        const int used = std::min(columns, 4);
        EXPECT_GE(picture.width, used * strip.cell);
        EXPECT_GE(picture.height, (4 + columns - 1) / columns * strip.cell);
        std::vector<Cell> cells;
        for (int frame = 0; frame < 4; ++frame) {
            cells.push_back(ReadCell(picture, strip.cell, frame));
            EXPECT_GT(cells.back().covered, strip.cell * strip.cell / 10) << "cell " << frame;
            EXPECT_LT(cells.back().covered, strip.cell * strip.cell)
                << "cell " << frame << " has no clear edge";
        }
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                EXPECT_NE(cells[a].pixels, cells[b].pixels) << "cells " << a << " and " << b;
            }
        }
    }
}

TEST(Strips, ExplosionGrowsThenFades) {
    const Picture& picture = GeneratedPictures::Load("explosion.png");
    std::vector<Cell> cells;
    for (int frame = 0; frame < 4; ++frame) {
        cells.push_back(ReadCell(picture, 138, frame));
    }
    EXPECT_LT(cells[0].covered, cells[1].covered);
    EXPECT_LT(cells[1].covered, cells[2].covered);
    const double opacity2 = cells[2].alphaSum / cells[2].covered;
    const double opacity3 = cells[3].alphaSum / cells[3].covered;
    EXPECT_LT(opacity3, opacity2 * 0.8);
}

TEST(Strips, TurningPlanetsStayWholeInEveryCell) {
    for (const char* name : {"aniPlanet02.png", "aniPlanet03.png"}) {
        const Picture& picture = GeneratedPictures::Load(name);
        for (int frame = 0; frame < 4; ++frame) {
            // Solid at the middle of the cell, clear at its corner.
            EXPECT_EQ(picture.At(frame * 200 + 100, 100)[3], 255) << name << " cell " << frame;
            EXPECT_EQ(picture.At(frame * 200 + 2, 2)[3], 0) << name << " cell " << frame;
        }
    }
}

} // namespace vantor::test
