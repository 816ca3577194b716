#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "peer/work_dir.h"
#include "platform/udp_socket.h"

// Xlib's macros (None, Bool, Status) would clash with the test framework's
// names, so it comes last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// Other test programs share the display and make and destroy windows all the
// time: a window that goes between listing and naming is no error here.
int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

// True when the window belongs to the program: the test programs' windows
// carry another application name.
bool isProgramWindow(Display* display, Window window) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) return false;
    const bool program = hint.res_name != nullptr && std::strcmp(hint.res_name, "RerOD") == 0;
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return program;
}

// Finds a top-level window of the program whose name contains `part`.
Window findWindow(Display* display, const char* part) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strstr(name, part) && isProgramWindow(display, children[i]))
                found = children[i];
            XFree(name);
        }
    }
    if (children) XFree(children);
    return found;
}

// Finds a shown top-level window that stands over the given one (a dialog it
// owns; its hidden toolbar shell and popups do not count).
Window findTransientFor(Display* display, Window owner) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        Window over = 0;
        XWindowAttributes attributes;
        if (XGetTransientForHint(display, children[i], &over) && over == owner &&
            XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && !attributes.override_redirect)
            found = children[i];
    }
    if (children) XFree(children);
    return found;
}

// Asks the window to close as a window manager's close box does.
void sendDeleteWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// The program started in a fresh working directory shows its splash over
// the main window; the splash closed, the main window's close box brings
// the exit question. SIGTERM, twice, while the question is open: the
// program ends with 0 after its shutdown steps, leaving the switch-on and
// switch-off lines in "sys.log" and the table state in "orstate.dat".
TEST(Program, SigtermEndsWithZeroAfterShutdown) {
    {
        // The program binds the workstation's port; when another program
        // holds it, it would stop at its error box.
        platform::UdpSocket probe;
        if (probe.open(6666, 4096) != platform::UdpSocket::Opened)
            GTEST_SKIP() << "UDP port 6666 is in use on this machine";
    }
    ScopedWorkDir dir;
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XSetErrorHandler(ignoreXErrors);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execl(KELM_OR_PATH, KELM_OR_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    // Waiting for another process to map its window is the one place a test polls.
    Window window = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!window && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        window = findWindow(display, "KELM");
    }
    Window splash = 0;
    while (window && !splash && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        splash = findTransientFor(display, window);
    }
    if (splash) sendDeleteWindow(display, splash);
    // The splash goes first; then the close box asks.
    while (window && splash && findTransientFor(display, window) == splash &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (window) sendDeleteWindow(display, window);
    Window question = 0;
    while (window && !question && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        question = findTransientFor(display, window);
    }
    kill(child, SIGTERM);
    kill(child, SIGTERM);
    int status = -1;
    while (window && waitpid(child, &status, WNOHANG) == 0 &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (waitpid(child, &status, WNOHANG) == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    XCloseDisplay(display);
    ASSERT_NE(window, 0u) << "main window never appeared";
    EXPECT_NE(splash, 0u) << "the splash never appeared";
    EXPECT_NE(question, 0u) << "the close box asked nothing";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string log = dir.read("sys.log");
    EXPECT_NE(log.find("Операторский компьютер включён (OR): "), std::string::npos);
    EXPECT_NE(log.find("Выключен OR: "), std::string::npos);
    // The table state is saved at shutdown.
    const std::string state = dir.read("orstate.dat");
    ASSERT_GE(state.size(), 7u);
    EXPECT_EQ(state.substr(state.size() - 7), "// Kraj");
}

}  // namespace
