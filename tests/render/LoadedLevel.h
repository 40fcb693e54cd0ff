#pragma once

#include "game/Sector01.h"
#include "graphics/Graphics.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One picture file read the plain way, to compare the game's drawing with.
class PictureFile {
public:
    explicit PictureFile(const std::string& name);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    int Width() const { return surface != nullptr ? surface->w : 0; }
    int Height() const { return surface != nullptr ? surface->h : 0; }
    // 0xAARRGGBB
    uint32_t At(int x, int y) const;

    SDL_Surface* surface = nullptr;
};

// A level loaded from the generated asset folder onto an offscreen picture, shared by the
// tests of a suite (loading takes a while); each test starts from a new game.
class LoadedLevel : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Draws one frame as the frame loop does, without the update.
    void Draw();
    uint32_t Pixel(int x, int y) { return graphics->ReadPixel(x, y); }

    // Play has begun in the given sector with the given layout, nothing near anything else.
    void Playing(float sectorNumber, int layout);

    static bool Near(uint32_t a, uint32_t b, int tolerance = 3);
    static std::string Hex(uint32_t pixel);

    static Graphics* graphics;
    static Sector01* level;
    static std::vector<std::pair<std::string, std::string>> loadReports;
    RecordingPlayer sound;
};

// The asset folder the build generated.
std::string AssetDir();
