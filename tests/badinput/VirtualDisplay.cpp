#include "VirtualDisplay.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

namespace vantor::test {

namespace {

// X errors (a window that went away while it was looked at) must not end the test.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

std::string FindProgram(const char* program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return "";
}

} // namespace

VirtualDisplay::VirtualDisplay() {
    const std::string xvfb = FindProgram("Xvfb");
    if (xvfb.empty()) {
        problem = "Xvfb is not installed";
        return;
    }
    int announced[2];
    if (pipe(announced) != 0) {
        problem = "no pipe";
        return;
    }
    const std::string fd = std::to_string(announced[1]);
    std::vector<std::string> arguments = {xvfb, "-displayfd",   fd,          "-screen",
                                          "0",  "1280x1024x24", "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    server = fork();
    if (server == 0) {
        close(announced[0]);
        const int nothing = open("/dev/null", O_RDWR);
        dup2(nothing, 0);
        dup2(nothing, 1);
        dup2(nothing, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(announced[1]);
    // The server writes its display number once it accepts connections.
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd wait = {announced[0], POLLIN, 0};
        if (poll(&wait, 1, 100) > 0) {
            char buffer[32];
            const ssize_t count = read(announced[0], buffer, sizeof buffer);
            if (count <= 0) {
                break;
            }
            number.append(buffer, size_t(count));
        }
    }
    close(announced[0]);
    if (number.find('\n') == std::string::npos) {
        problem = "Xvfb did not start";
        return;
    }
    name = ":" + number.substr(0, number.find('\n'));
    display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        problem = "cannot connect to " + name;
        return;
    }
    XSetErrorHandler(IgnoreXError);
}

VirtualDisplay::~VirtualDisplay() {
    if (display != nullptr) {
        XCloseDisplay(display);
    }
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
}

unsigned long VirtualDisplay::FindWindow(unsigned long parent, const char* title) {
    Window root = 0;
    Window parentOfParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOfParent, &children, &count) == 0) {
        return 0;
    }
    unsigned long found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* windowName = nullptr;
        if (XFetchName(display, children[i], &windowName) != 0 && windowName != nullptr) {
            XWindowAttributes attributes;
            if (std::strcmp(windowName, title) == 0 &&
                XGetWindowAttributes(display, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(windowName);
        }
        if (found == 0) {
            found = FindWindow(children[i], title);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

unsigned long VirtualDisplay::ShownWindow(const char* title) {
    if (display == nullptr) {
        return 0;
    }
    return FindWindow(DefaultRootWindow(display), title);
}

bool VirtualDisplay::Pixel(unsigned long window, int x, int y, uint32_t& colour) {
    if (display == nullptr) {
        return false;
    }
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    colour = uint32_t(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
    return true;
}

} // namespace vantor::test
