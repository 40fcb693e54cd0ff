#pragma once

#include <SDL.h>

namespace vantor::graphics {

// Whether the machine can draw the game with graphics hardware. The game's frames are small
// enough for SDL's own software renderer; what an OpenGL renderer adds is only worth having on
// a real graphics device. Where OpenGL is itself a CPU rasterizer (Mesa's llvmpipe on a virtual
// display, in a virtual machine or without a graphics driver), it draws the same picture with
// several times the CPU time of the software renderer, and loading it brings in a shader
// compiler of some 50 MB.
class RendererChoice {
public:
    // False when EGL lists the machine's graphics devices and every one is a software
    // rasterizer; true when it lists a hardware device, or cannot tell. Loads no driver. In the
    // browser: true when WebGL is there and not drawn by a software rasterizer, or when the
    // page's address asks for WebGL ("?webgl", for the tests of the WebGL renderer); it asks a
    // throwaway canvas of its own, so the game's canvas can still take a 2D context.
    static bool MayHaveHardware();

    // True when the OpenGL renderer string (GL_RENDERER) names a software rasterizer.
    static bool IsSoftwareRasterizer(const char* glRenderer);

    // The GL_RENDERER string of the renderer's OpenGL context; null when the renderer does not
    // draw with OpenGL. The renderer's context must be current, as it is right after creation.
    static const char* OpenGlRendererName(SDL_Renderer* renderer);
};

} // namespace vantor::graphics
