// Start-up figures: the time from starting a program to its main window
// being mapped on the display, and its resident memory once idle. The
// program and the baseline (a bare FOX window) are separate processes,
// watched from outside through the X server.

#include "startup_probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::string windowTitle(Display* display, Window window) {
    static const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name != nullptr) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

// A viewable window with this title among the top-level windows or, under a
// window manager, among the children of its frames.
bool titledWindowMapped(Display* display, Window parent, const std::string& title, int depth) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes)) continue;
        if (attributes.map_state != IsViewable) continue;
        found = windowTitle(display, children[i]) == title ||
                (depth > 0 && titledWindowMapped(display, children[i], title, depth - 1));
    }
    if (children) XFree(children);
    return found;
}

double residentMbOf(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE* f = std::fopen(path, "r");
    if (f == nullptr) return 0;
    char line[256];
    double kb = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0) kb = std::atof(line + 6);
    std::fclose(f);
    return kb / 1024.0;
}

void endChild(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

}  // namespace

bool measureStartup(const std::vector<std::string>& command, const std::string& folder,
                    const std::string& title, SStartupFigures* figures) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(folder.c_str()) != 0) ::_exit(127);
        std::vector<char*> args;
        for (const std::string& a : command) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    bool mapped = false;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (titledWindowMapped(display, DefaultRootWindow(display), title, 1)) {
            mapped = true;
            break;
        }
        if (::waitpid(pid, nullptr, WNOHANG) == pid) break;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    figures->mappedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    XCloseDisplay(display);
    if (!mapped) {
        endChild(pid);
        return false;
    }
    // Resident memory once the program has settled into its idle loop.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    figures->residentMb = residentMbOf(pid);
    endChild(pid);
    return true;
}
