#include "graphics/RendererChoice.h"

#include <SDL.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstring>
#include <initializer_list>

namespace vantor::graphics {

namespace {

constexpr int GlRenderer = 0x1F01;
using GetString = const unsigned char* (*)(unsigned int name);

#ifndef __EMSCRIPTEN__
// From EGL_EXT_device_query and EGL_MESA_device_software; the types are EGL's own on Linux.
constexpr int EglExtensions = 0x3055;
using GetProcAddress = void* (*)(const char*);
using QueryDevices = unsigned (*)(int maxDevices, void** devices, int* count);
using QueryDeviceString = const char* (*)(void* device, int name);

bool ListsOnlySoftwareDevices(void* egl) {
    auto getProcAddress =
        reinterpret_cast<GetProcAddress>(SDL_LoadFunction(egl, "eglGetProcAddress"));
    if (getProcAddress == nullptr) {
        return false;
    }
    auto queryDevices = reinterpret_cast<QueryDevices>(getProcAddress("eglQueryDevicesEXT"));
    auto queryDeviceString =
        reinterpret_cast<QueryDeviceString>(getProcAddress("eglQueryDeviceStringEXT"));
    if (queryDevices == nullptr || queryDeviceString == nullptr) {
        return false;
    }
    constexpr int MaxDevices = 16;
    void* devices[MaxDevices] = {};
    int count = 0;
    if (queryDevices(MaxDevices, devices, &count) == 0 || count <= 0) {
        return false;
    }
    for (int i = 0; i < count && i < MaxDevices; ++i) {
        const char* extensions = queryDeviceString(devices[i], EglExtensions);
        if (extensions == nullptr ||
            std::strstr(extensions, "EGL_MESA_device_software") == nullptr) {
            return false;
        }
    }
    return true;
}
#endif

#ifdef __EMSCRIPTEN__
// clang-format off
// WebGL asked for on a canvas of its own (the game's canvas keeps the kind of context it is
// given first, and the processor's pictures need a 2D one): 0 when the browser has none, 1
// with the name of what draws it (unmasked where the browser tells it) in the buffer, 2 when
// the page's address asks for WebGL whatever draws it ("?webgl").
EM_JS(int, ProbeWebGl, (char* name, int size), {
    try {
        if (new URLSearchParams(location.search).has("webgl")) {
            return 2;
        }
        const gl = document.createElement("canvas").getContext("webgl");
        if (!gl) {
            return 0;
        }
        const info = gl.getExtension("WEBGL_debug_renderer_info");
        stringToUTF8(String(gl.getParameter(info ? info.UNMASKED_RENDERER_WEBGL : gl.RENDERER)),
                     name, size);
        const context = gl.getExtension("WEBGL_lose_context");
        if (context) {
            context.loseContext();
        }
        return 1;
    } catch (e) {
        return 0;
    }
});
// clang-format on
#endif

} // namespace

bool RendererChoice::MayHaveHardware() {
#ifdef __EMSCRIPTEN__
    // In the browser WebGL is the graphics hardware, unless a CPU rasterizer stands behind it
    // (SwiftShader, where a browser has no usable graphics driver, as in many virtual machines).
    char name[256] = {};
    const int webgl = ProbeWebGl(name, static_cast<int>(sizeof name));
    return webgl == 2 || (webgl == 1 && !IsSoftwareRasterizer(name));
#else
    void* egl = SDL_LoadObject("libEGL.so.1");
    if (egl == nullptr) {
        return true;
    }
    const bool softwareOnly = ListsOnlySoftwareDevices(egl);
    SDL_UnloadObject(egl);
    return !softwareOnly;
#endif
}

bool RendererChoice::IsSoftwareRasterizer(const char* glRenderer) {
    if (glRenderer == nullptr) {
        return false;
    }
    for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "SwiftShader"}) {
        if (std::strstr(glRenderer, name) != nullptr) {
            return true;
        }
    }
    return false;
}

const char* RendererChoice::OpenGlRendererName(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (renderer == nullptr || SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr ||
        std::strncmp(info.name, "opengl", 6) != 0) {
        return nullptr;
    }
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    return getString != nullptr ? reinterpret_cast<const char*>(getString(GlRenderer)) : nullptr;
}

} // namespace vantor::graphics
