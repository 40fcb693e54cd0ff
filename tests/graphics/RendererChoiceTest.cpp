#include "graphics/RendererChoice.h"

#include <gtest/gtest.h>

namespace vantor::test {

namespace {

// The OpenGL renderer strings of CPU rasterizers, as their drivers report them, are told apart
// from those of graphics hardware, so that the game keeps OpenGL only on real devices.
TEST(RendererChoiceTest, CpuRasterizersAreToldFromHardware) {
    EXPECT_TRUE(graphics::RendererChoice::IsSoftwareRasterizer("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(graphics::RendererChoice::IsSoftwareRasterizer("softpipe"));
    EXPECT_TRUE(graphics::RendererChoice::IsSoftwareRasterizer("Mesa X11 Software Rasterizer"));
    EXPECT_TRUE(
        graphics::RendererChoice::IsSoftwareRasterizer("Google SwiftShader (ANGLE Vulkan 1.3)"));

    EXPECT_FALSE(
        graphics::RendererChoice::IsSoftwareRasterizer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(
        graphics::RendererChoice::IsSoftwareRasterizer("AMD Radeon RX 6600 (radeonsi, navi23)"));
    EXPECT_FALSE(
        graphics::RendererChoice::IsSoftwareRasterizer("NVIDIA GeForce GTX 1060/PCIe/SSE2"));
    EXPECT_FALSE(graphics::RendererChoice::IsSoftwareRasterizer(""));
    // No string at all (no OpenGL context): nothing known against the renderer.
    EXPECT_FALSE(graphics::RendererChoice::IsSoftwareRasterizer(nullptr));
}

// Only a renderer that draws with OpenGL has an OpenGL renderer string; the software renderer
// and no renderer at all have none.
TEST(RendererChoiceTest, OnlyOpenGlRenderersHaveAName) {
    EXPECT_EQ(graphics::RendererChoice::OpenGlRendererName(nullptr), nullptr);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface, nullptr);
    SDL_Renderer* software = SDL_CreateSoftwareRenderer(surface);
    ASSERT_NE(software, nullptr);
    EXPECT_EQ(graphics::RendererChoice::OpenGlRendererName(software), nullptr);
    SDL_DestroyRenderer(software);
    SDL_FreeSurface(surface);
}

} // namespace

} // namespace vantor::test
