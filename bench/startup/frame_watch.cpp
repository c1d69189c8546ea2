// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Launches a program and reports, from outside, when its first frame reaches the X server:
// the first X Damage of a top-level window it creates, and the first damage that covers a whole
// top-level window of at least 300 x 200 (the main window drawn in full). A paint event inside
// the program comes some milliseconds before that; the frame on screen is what the pupil sees.
//
//     frame_watch PROGRAM [ARGS...]
//
// Prints on standard output, one line each, as they happen:
//     pid <pid>
//     frame <ms since the launch> <peak resident memory so far, KiB>
//     full <ms since the launch> <peak resident memory so far, KiB>
//     exit <exit code> <peak resident memory of the whole run, KiB>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// VmHWM of /proc/<pid>/status: the peak resident memory so far.
long peakKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Windows come and go while the program starts: a damage on one already gone is no fault.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: frame_watch PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "frame_watch: no X display with the Damage extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double launch = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        std::perror("frame_watch: exec");
        _exit(127);
    }
    std::printf("pid %d\n", child);
    std::fflush(stdout);

    for (bool framed = false, full = false; !full;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Every damaged rectangle, so that a whole window drawn at once can be told apart.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            XFlush(display);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            const double at = nowMs() - launch;
            if (!framed) {
                std::printf("frame %.2f %ld\n", at, peakKib(child));
                framed = true;
            }
            const XRectangle& area = damage.area;
            const XRectangle& window = damage.geometry;
            full = window.width >= 300 && window.height >= 200 && area.x <= 0 && area.y <= 0
                && area.x + area.width >= window.width && area.y + area.height >= window.height;
            if (full)
                std::printf("full %.2f %ld\n", at, peakKib(child));
            std::fflush(stdout);
        }
    }
    XCloseDisplay(display);

    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    std::printf("exit %d %ld\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
        usage.ru_maxrss);
    return 0;
}
