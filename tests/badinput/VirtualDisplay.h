#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

struct _XDisplay;

namespace vantor::test {

// A virtual X display of a test's own (Xvfb), and a look at the windows on it.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Whether the server runs and this test is connected to it; why not when it is not.
    bool Ready() const { return display != nullptr; }
    const std::string& Problem() const { return problem; }
    // The DISPLAY value for programs to use it.
    const std::string& Name() const { return name; }

    // The window with the given title that is shown on the screen, or 0.
    unsigned long ShownWindow(const char* title);
    // The colour (0xRRGGBB) at a point of a window; false when it cannot be read (the window
    // has gone, say).
    bool Pixel(unsigned long window, int x, int y, uint32_t& colour);

private:
    unsigned long FindWindow(unsigned long parent, const char* title);

    pid_t server = -1;
    _XDisplay* display = nullptr;
    std::string name;
    std::string problem;
};

} // namespace vantor::test
