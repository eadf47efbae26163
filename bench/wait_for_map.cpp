// Starts a program and reports how long it takes until it maps its first top-level window on the
// X display, and its peak memory. The program is then ended.
// Usage: pixtallo-wait-for-map PROGRAM [ARGS...]
// Output: "mapped_ms=<ms> peak_kib=<KiB>"; exit 1 when the program never maps a window.

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 2;
    }
    // Every window mapped as a child of the root is a top-level window.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    bool mapped = false;
    const auto deadline = start + std::chrono::seconds(30);
    while (!mapped && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            mapped = mapped || event.type == MapNotify;
        }
        if (!mapped) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // Let it settle as a user would see it, then end it; the peak covers start-up and showing.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "%s: %s mapped no window within 30 s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("mapped_ms=%.1f peak_kib=%ld\n", ms, usage.ru_maxrss);
    return 0;
}
