#include "graphics/RendererChoice.h"

#include <SDL.h>

#include <cstring>
#include <initializer_list>

namespace vantor::graphics {

namespace {

// From EGL_EXT_device_query and EGL_MESA_device_software; the types are EGL's own on Linux.
constexpr int EglExtensions = 0x3055;
using GetProcAddress = void* (*)(const char*);
using QueryDevices = unsigned (*)(int maxDevices, void** devices, int* count);
using QueryDeviceString = const char* (*)(void* device, int name);
constexpr int GlRenderer = 0x1F01;
using GetString = const unsigned char* (*)(unsigned int name);

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

} // namespace

bool RendererChoice::MayHaveHardware() {
    void* egl = SDL_LoadObject("libEGL.so.1");
    if (egl == nullptr) {
        return true;
    }
    const bool softwareOnly = ListsOnlySoftwareDevices(egl);
    SDL_UnloadObject(egl);
    return !softwareOnly;
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
