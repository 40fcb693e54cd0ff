// Opens a small window of its own and gives it the keyboard, as a player switching to
// another program does, then keeps it open until killed. Usage: take-focus
#include <X11/Xlib.h>

#include <cstdio>
#include <unistd.h>

int main(int, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 1100, 20, 160, 120, 1,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, "Another program");
    XSelectInput(display, window, ExposureMask | StructureNotifyMask);
    XMapRaised(display, window);
    // Focus can only go to a window once it is shown.
    for (XEvent event{}; event.type != MapNotify;) {
        XNextEvent(display, &event);
    }
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XFlush(display);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    for (;;) {
        XEvent event{};
        XNextEvent(display, &event);
    }
}
