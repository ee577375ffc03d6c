// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-startprobe: starts a program on the current X display and reports, as key=value
// lines, what a user waits for and what the machine pays for:
//   map_ms     from start to the first mapping of a top-level window whose title contains
//              the --title text (every top-level mapping is also listed as window_ms);
//   cpu_ms     processor time its threads had used by then: on a busy machine this varies
//              far less than map_ms, which also counts the time spent waiting for a core;
//   rss_kb     resident memory one second after that;
//   wakeups    context switches per second of all its threads while nothing happens, over
//              --idle seconds, and (wakeups_later) over the same time after that;
//   exit_ms    from the window leaving the screen, after it was asked to close, to the end of
//              the process;
//   close_ms   from asking the window to close to the end of the process: what the program
//              does on its way out (saving settings) before and after its window goes.
// Without an X window manager a top-level window is a child of the root, so the root's
// substructure events show every mapping as it happens.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string title;
    double idleSeconds = 0;
    bool close = false;
    double timeoutSeconds = 20;
    std::vector<char*> command;
};

[[noreturn]] void Usage()
{
    std::fputs("usage: pixmora-startprobe --title TEXT [--idle SECONDS] [--close] "
               "[--timeout SECONDS] -- PROGRAM [ARG]...\n",
        stderr);
    std::exit(2);
}

Options Parse(int argc, char** argv)
{
    Options o;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--title" && hasValue)
            o.title = argv[++i];
        else if (arg == "--idle" && hasValue)
            o.idleSeconds = std::atof(argv[++i]);
        else if (arg == "--timeout" && hasValue)
            o.timeoutSeconds = std::atof(argv[++i]);
        else if (arg == "--close")
            o.close = true;
        else
            Usage();
    }
    for (++i; i < argc; ++i)
        o.command.push_back(argv[i]);
    if (o.command.empty() || o.title.empty())
        Usage();
    o.command.push_back(nullptr);
    return o;
}

double MsSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

std::string TitleOf(Display* display, Window window)
{
    XTextProperty property {};
    std::string title;
    if (XGetWMName(display, window, &property) && property.value) {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return title;
}

// One field of /proc/PID/status in kB or as a count, summed over the given files.
long StatusField(const std::string& path, const char* field)
{
    std::ifstream in(path);
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, n, field) == 0)
            return std::atol(line.c_str() + n);
    return 0;
}

// Calls visit with the /proc folder of every live thread of the process.
template <typename Visit> void ForEachThread(pid_t pid, Visit visit)
{
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR* tasks = opendir(dir.c_str());
    if (!tasks)
        return;
    while (dirent* task = readdir(tasks))
        if (task->d_name[0] != '.')
            visit(dir + "/" + task->d_name);
    closedir(tasks);
}

// Voluntary and involuntary switches of every thread of the process: each is a wake-up.
long ContextSwitches(pid_t pid)
{
    long total = 0;
    ForEachThread(pid, [&total](const std::string& thread) {
        total += StatusField(thread + "/status", "voluntary_ctxt_switches:")
            + StatusField(thread + "/status", "nonvoluntary_ctxt_switches:");
    });
    return total;
}

// Processor time used by the live threads of the process, from the scheduler's own count.
double CpuMs(pid_t pid)
{
    double ns = 0;
    ForEachThread(pid, [&ns](const std::string& thread) {
        std::ifstream in(thread + "/schedstat");
        double runtime = 0;
        if (in >> runtime)
            ns += runtime;
    });
    return ns / 1e6;
}

// Waits up to the deadline for the next X event; false when none came.
bool NextEvent(Display* display, XEvent& event, Clock::time_point deadline)
{
    while (!XPending(display)) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd fd { ConnectionNumber(display), POLLIN, 0 };
        poll(&fd, 1, int(left.count()));
    }
    XNextEvent(display, &event);
    return true;
}

void AskToClose(Display* display, Window window)
{
    XEvent message {};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XFlush(display);
}

// The exit status of the child once it has ended, waiting at most until the deadline.
std::optional<int> WaitForExit(pid_t pid, Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return status;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = Parse(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("pixmora-startprobe: cannot open the X display\n", stderr);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(options.command[0], options.command.data());
        std::perror("pixmora-startprobe: exec");
        _exit(127);
    }
    const auto timeout = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(options.timeoutSeconds));

    Window main = 0;
    XEvent event;
    while (!main && NextEvent(display, event, t0 + timeout)) {
        if (event.type != MapNotify || event.xmap.override_redirect)
            continue;
        const std::string title = TitleOf(display, event.xmap.window);
        std::printf("window_ms=%.1f %s\n", MsSince(t0), title.c_str());
        if (title.find(options.title) != std::string::npos) {
            main = event.xmap.window;
            std::printf("map_ms=%.1f\ncpu_ms=%.1f\n", MsSince(t0), CpuMs(pid));
        }
    }
    int result = 0;
    if (!main) {
        std::fputs("pixmora-startprobe: the window never appeared\n", stderr);
        result = 1;
    } else {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        std::printf(
            "rss_kb=%ld\n", StatusField("/proc/" + std::to_string(pid) + "/status", "VmRSS:"));
        // Two windows one after the other: the first includes what a toolkit tidies up once a
        // while after start, the second shows whether anything keeps waking the process.
        for (const char* key : { "wakeups", "wakeups_later" }) {
            if (options.idleSeconds <= 0)
                break;
            const long before = ContextSwitches(pid);
            std::this_thread::sleep_for(std::chrono::duration<double>(options.idleSeconds));
            std::printf(
                "%s=%.2f\n", key, double(ContextSwitches(pid) - before) / options.idleSeconds);
        }
    }
    if (main && options.close) {
        XSelectInput(display, main, StructureNotifyMask);
        const auto asked = Clock::now();
        AskToClose(display, main);
        const auto closeDeadline = Clock::now() + timeout;
        std::optional<Clock::time_point> gone;
        while (!gone && NextEvent(display, event, closeDeadline))
            if ((event.type == UnmapNotify || event.type == DestroyNotify)
                && event.xany.window == main)
                gone = Clock::now();
        if (gone && WaitForExit(pid, *gone + timeout)) {
            std::printf("exit_ms=%.1f\nclose_ms=%.1f\n", MsSince(*gone), MsSince(asked));
            XCloseDisplay(display);
            return result;
        }
        std::fputs("pixmora-startprobe: the program did not end after its window closed\n", stderr);
        result = 1;
    }
    kill(pid, SIGTERM);
    WaitForExit(pid, Clock::now() + timeout);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
