#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

namespace vantor::test {

// A picture made by a test, pixel by pixel, in 0xAARRGGBB, and saved in the file formats the
// game reads.
class TestPicture {
public:
    TestPicture(int width, int height, uint32_t fill);
    ~TestPicture();
    TestPicture(const TestPicture&) = delete;
    TestPicture& operator=(const TestPicture&) = delete;

    void Set(int x, int y, uint32_t colour);
    void Fill(int x, int y, int width, int height, uint32_t colour);

    // The alpha channel is kept by PNG only; BMP and JPEG files are opaque.
    void SavePng(const std::string& path) const;
    void SaveBmp(const std::string& path) const;
    void SaveJpg(const std::string& path) const;

    SDL_Surface* surface = nullptr;
};

} // namespace vantor::test
