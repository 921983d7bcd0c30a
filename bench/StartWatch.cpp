// Starts a program and watches, from the X server's side, how its first top-level
// window appears: when it is mapped and where, whether it moves after mapping, when
// its drawing is complete, and the program's peak memory shortly after.
//
// Usage: corvanel_startwatch [--quiet MS] [--settle MS] [--timeout MS] PROGRAM [ARGS...]
//
// Prints one line of key=value pairs (times in ms from the fork):
//   map_ms       MapNotify of the window
//   first_ms     its first drawing (XDamage)
//   complete_ms  its last drawing before --quiet ms (default 250) without any
//   x y w h      where it was mapped: CreateNotify's place and every ConfigureNotify before the map
//   moves        ConfigureNotify events that changed its place or size after the map
//   damages      drawings up to complete_ms
//   cpu_ms       CPU time the program's threads had used when the picture was complete (schedstat)
//   hwm_kib      VmHWM of the program --settle ms (default 1000) after complete_ms; -1 with --settle 0
//   print_net    how many of Qt Print Support and Qt Network the program had loaded when the picture was complete
//   screen_w screen_h  the root window's size
// The program is then ended with SIGTERM. Exit status 0 when a window was seen and completed.
//
// Everything is driven by X events; between them the watcher blocks in select().
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr int kMaxWindows = 64;

/** A top-level window of the program and its last known place. */
struct Tracked
{
    Window id;
    int x, y, w, h;
    bool overrideRedirect;
};

Tracked tracked[kMaxWindows];
int trackedCount = 0;

double nowMs(void)
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

/* The program's windows come and go under us; a request on a window already gone is no failure. */
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

Tracked* find(Window id)
{
    for (int i = 0; i < trackedCount; ++i) {
        if (tracked[i].id == id) {
            return &tracked[i];
        }
    }
    return nullptr;
}

/** CPU time, in ms, that all threads of @p pid have run so far (the first field of each schedstat). */
double cpuTimeMs(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/task", static_cast<int>(pid));
    DIR* tasks = opendir(path);
    if (!tasks) {
        return -1;
    }
    double total = 0;
    while (const dirent* task = readdir(tasks)) {
        if (task->d_name[0] == '.') {
            continue;
        }
        char statPath[128];
        std::snprintf(statPath, sizeof statPath, "/proc/%d/task/%.24s/schedstat", static_cast<int>(pid), task->d_name);
        if (FILE* stat = std::fopen(statPath, "r")) {
            unsigned long long runNs = 0;
            if (std::fscanf(stat, "%llu", &runNs) == 1) {
                total += static_cast<double>(runNs) / 1e6;
            }
            std::fclose(stat);
        }
    }
    closedir(tasks);
    return total;
}

long peakMemoryKiB(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE* status = fopen(path, "r");
    if (!status) {
        return -1;
    }
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, status)) {
        if (sscanf(line, "VmHWM: %ld kB", &kib) == 1) {
            break;
        }
    }
    fclose(status);
    return kib;
}

/* How many of Qt Print Support and Qt Network the process has mapped; -1 when it cannot be read. */
int printAndNetworkLibraries(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/maps", static_cast<int>(pid));
    FILE* maps = fopen(path, "r");
    if (!maps) {
        return -1;
    }
    bool print = false;
    bool network = false;
    char line[4096];
    while (fgets(line, sizeof line, maps)) {
        print = print || strstr(line, "/libQt6PrintSupport.so");
        network = network || strstr(line, "/libQt6Network.so");
    }
    fclose(maps);
    return (print ? 1 : 0) + (network ? 1 : 0);
}

/* Blocks until an X event is queued or @p deadline (ms, nowMs's clock) passes; returns 0 on time-out. */
bool waitForEvent(Display* display, double deadline)
{
    while (!XPending(display)) {
        const double left = deadline - nowMs();
        if (left <= 0) {
            return false;
        }
        const auto micros = static_cast<long long>(left * 1e3);
        timeval timeout {static_cast<time_t>(micros / 1000000), static_cast<suseconds_t>(micros % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        if (select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &timeout) < 0 && errno != EINTR) {
            return false;
        }
    }
    return true;
}

bool parseMs(const char* text, double* out)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (!end || *end || value < 0) {
        return false;
    }
    *out = value;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    double quietMs = 250, settleMs = 1000, timeoutMs = 10000;
    int arg = 1;
    for (; arg + 1 < argc && strncmp(argv[arg], "--", 2) == 0; arg += 2) {
        double* target = strcmp(argv[arg], "--quiet") == 0 ? &quietMs
            : strcmp(argv[arg], "--settle") == 0           ? &settleMs
            : strcmp(argv[arg], "--timeout") == 0          ? &timeoutMs
                                                           : nullptr;
        if (!target || !parseMs(argv[arg + 1], target)) {
            fprintf(stderr, "bad option %s %s\n", argv[arg], argv[arg + 1]);
            return 2;
        }
    }
    if (arg >= argc) {
        fprintf(stderr, "usage: %s [--quiet MS] [--settle MS] [--timeout MS] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XWindowAttributes rootAttributes;
    XGetWindowAttributes(display, root, &rootAttributes);
    // Selected before the program starts, so its first window's creation is seen.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        perror("fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[arg], &argv[arg]);
        perror(argv[arg]);
        _exit(127);
    }

    Window window = None;
    double mapMs = -1, firstMs = -1, lastMs = -1;
    int mapX = 0, mapY = 0, mapW = 0, mapH = 0, moves = 0, damages = 0;
    const double giveUp = start + timeoutMs;
    for (;;) {
        const double deadline = lastMs >= 0 && start + lastMs + quietMs < giveUp ? start + lastMs + quietMs : giveUp;
        if (!waitForEvent(display, deadline)) {
            break;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = nowMs() - start;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root && trackedCount < kMaxWindows) {
            const XCreateWindowEvent* e = &event.xcreatewindow;
            tracked[trackedCount++] = Tracked {e->window, e->x, e->y, e->width, e->height, e->override_redirect != 0};
            // Damage is watched from the start: nothing drawn before the map can be missed.
            XDamageCreate(display, e->window, XDamageReportRawRectangles);
        } else if (event.type == ConfigureNotify && event.xconfigure.event == root) {
            const XConfigureEvent* e = &event.xconfigure;
            Tracked* t = find(e->window);
            if (t) {
                if (e->window == window && (e->x != t->x || e->y != t->y || e->width != t->w || e->height != t->h)) {
                    ++moves;
                }
                t->x = e->x;
                t->y = e->y;
                t->w = e->width;
                t->h = e->height;
            }
        } else if (event.type == MapNotify && event.xmap.event == root && window == None) {
            const Tracked* t = find(event.xmap.window);
            if (t && !t->overrideRedirect) {
                window = t->id;
                mapMs = at;
                mapX = t->x;
                mapY = t->y;
                mapW = t->w;
                mapH = t->h;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* e = reinterpret_cast<const XDamageNotifyEvent*>(&event);
            if (window != None && e->drawable == window) {
                if (firstMs < 0) {
                    firstMs = at;
                }
                lastMs = at;
                ++damages;
            }
        }
    }

    // Read at the end of the quiet time: the program has been idle since its last drawing.
    const double cpuMs = lastMs >= 0 ? cpuTimeMs(child) : -1;
    const int printNet = lastMs >= 0 ? printAndNetworkLibraries(child) : -1;
    long hwm = -1;
    if (lastMs >= 0 && settleMs > 0) {
        const double settleUntil = start + lastMs + settleMs;
        // Sleeps out the rest of the settle time; events that come meanwhile are not counted.
        for (double left = settleUntil - nowMs(); left > 0; left = settleUntil - nowMs()) {
            const auto nanos = static_cast<long long>(left * 1e6);
            const timespec pause {static_cast<time_t>(nanos / 1000000000), static_cast<long>(nanos % 1000000000)};
            nanosleep(&pause, nullptr);
        }
        hwm = peakMemoryKiB(child);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);

    printf("map_ms=%.2f first_ms=%.2f complete_ms=%.2f x=%d y=%d w=%d h=%d moves=%d damages=%d cpu_ms=%.2f hwm_kib=%ld "
           "print_net=%d screen_w=%d screen_h=%d\n",
           mapMs, firstMs, lastMs, mapX, mapY, mapW, mapH, moves, damages, cpuMs, hwm, printNet, rootAttributes.width,
           rootAttributes.height);
    XCloseDisplay(display);
    return window != None && lastMs >= 0 ? 0 : 1;
}
