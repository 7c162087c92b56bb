// quillon_map_clock [--settle MS] [--idle SECONDS] -- PROGRAM [ARGUMENTS...]
//
// Starts PROGRAM and prints, on one line of key=value pairs:
//   map_ms        milliseconds from just before the start to the X server mapping the program's
//                 first top-level window (found by its _NET_WM_PID);
//   map_cpu_ms    the CPU time its threads had used by then (from their schedstat);
//   hwm_kb        the program's peak resident memory (VmHWM) after it has settled for MS
//                 milliseconds (default 1000) with the window on screen;
//   with --idle:  over SECONDS with the window idle: idle_cpu_ms and idle_cpu_percent (of one
//                 core), user + system time of /proc/PID/stat in clock ticks; idle_run_ms and
//                 idle_run_percent, the same to the nanosecond from every thread's schedstat; and
//                 idle_wakeups, the voluntary context switches of all its threads (each one a
//                 sleep that ended in a wake-up).
// Then the program is ended with SIGTERM. The wait for the window is driven by the server's
// MapNotify events, checked at least every 2 ms, so the time carries no polling delay.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int kPollMilliseconds = 2;
constexpr double kGiveUpSeconds = 30.0;

double secondsNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

std::optional<long> windowPid(Display *display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) != Success) {
        return std::nullopt;
    }
    std::optional<long> pid;
    if (data && type == XA_CARDINAL && format == 32 && count == 1)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

enum class Outcome { Mapped, Ended, TimedOut };

// Waits for a top-level window of `pid` to be mapped.
Outcome waitForMap(Display *display, pid_t pid, Atom pidAtom) {
    const double giveUp = secondsNow() + kGiveUpSeconds;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (secondsNow() < giveUp) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect &&
                windowPid(display, event.xmap.window, pidAtom) == long(pid)) {
                return Outcome::Mapped;
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return Outcome::Ended;
        poll(&connection, 1, kPollMilliseconds);
    }
    return Outcome::TimedOut;
}

std::string fileText(const std::string &path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The number after "key:" in a /proc status text, 0 when missing.
long long statusField(const std::string &status, const std::string &key) {
    const std::string::size_type at = status.find("\n" + key + ":");
    return at == std::string::npos ? 0 : std::atoll(status.c_str() + at + key.size() + 2);
}

// User plus system time of every thread of `pid`, in seconds.
double cpuSeconds(pid_t pid) {
    const std::string stat = fileText("/proc/" + std::to_string(pid) + "/stat");
    const std::string::size_type nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return 0;
    // The command name may hold blanks; the fields after it start behind its closing parenthesis.
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int number = 3; fields >> field; ++number) {
        if (number == 14)
            utime = std::stoull(field);
        if (number == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// What one thread has done so far.
struct ThreadCounts {
    double runSeconds = 0; // time on a CPU, to the nanosecond (schedstat)
    long long wakeups = 0; // voluntary context switches
};

std::map<std::string, ThreadCounts> threadCounts(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::map<std::string, ThreadCounts> counts;
    if (DIR *folder = opendir(tasks.c_str())) {
        while (const dirent *entry = readdir(folder)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string task = tasks + "/" + entry->d_name;
            counts[entry->d_name] = {
                std::atof(fileText(task + "/schedstat").c_str()) / 1e9,
                statusField(fileText(task + "/status"), "voluntary_ctxt_switches")};
        }
        closedir(folder);
    }
    return counts;
}

// What the threads did between two counts. A thread that ended in between (Qt's pooled threads
// end after 30 s without work) is missing from `after`, and its last few wake-ups with it.
ThreadCounts difference(const std::map<std::string, ThreadCounts> &before,
                        const std::map<std::string, ThreadCounts> &after) {
    ThreadCounts total;
    for (const auto &[thread, counts] : after) {
        const auto earlier = before.find(thread);
        const ThreadCounts start = earlier == before.end() ? ThreadCounts{} : earlier->second;
        total.runSeconds += counts.runSeconds - start.runSeconds;
        total.wakeups += counts.wakeups - start.wakeups;
    }
    return total;
}

void sleepSeconds(double seconds) {
    timespec duration{time_t(seconds), long((seconds - double(time_t(seconds))) * 1e9)};
    while (nanosleep(&duration, &duration) != 0) {
    }
}

int usage() {
    std::fprintf(stderr, "usage: quillon_map_clock [--settle MS] [--idle SECONDS] -- PROGRAM "
                         "[ARGUMENTS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    double settleSeconds = 1.0;
    double idleSeconds = 0.0;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string option = argv[first];
        if (option == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            return usage();
        if (option == "--settle")
            settleSeconds = std::atof(argv[++first]) / 1000.0;
        else if (option == "--idle")
            idleSeconds = std::atof(argv[++first]);
        else
            return usage();
    }
    if (first >= argc)
        return usage();

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "quillon_map_clock: cannot open the X display\n");
        return 1;
    }
    // Top-level windows are children of the root window: their mapping is reported here.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSync(display, False);

    const double started = secondsNow();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
        std::fprintf(stderr, "quillon_map_clock: cannot start %s\n", argv[first]);
        return 1;
    }
    const Outcome outcome = waitForMap(display, pid, pidAtom);
    const double mappedAt = secondsNow();
    // CPU time does not grow when other programs hold the cores, wall time does.
    double cpuToMap = 0;
    for (const auto &[thread, counts] : threadCounts(pid))
        cpuToMap += counts.runSeconds;

    int result = 0;
    if (outcome == Outcome::Mapped) {
        sleepSeconds(settleSeconds);
        const std::string status = fileText("/proc/" + std::to_string(pid) + "/status");
        std::printf("map_ms=%.2f map_cpu_ms=%.2f hwm_kb=%lld", (mappedAt - started) * 1000.0,
                    cpuToMap * 1000.0, statusField(status, "VmHWM"));
        if (idleSeconds > 0) {
            const double cpuBefore = cpuSeconds(pid);
            const auto before = threadCounts(pid);
            sleepSeconds(idleSeconds);
            const double cpu = cpuSeconds(pid) - cpuBefore;
            const ThreadCounts idle = difference(before, threadCounts(pid));
            const double run = idle.runSeconds;
            std::printf(" idle_s=%.0f idle_cpu_ms=%.0f idle_cpu_percent=%.4f idle_run_ms=%.2f "
                        "idle_run_percent=%.4f idle_wakeups=%lld",
                        idleSeconds, cpu * 1000.0, cpu / idleSeconds * 100.0, run * 1000.0,
                        run / idleSeconds * 100.0, idle.wakeups);
        }
        std::printf("\n");
    } else {
        std::fprintf(stderr, "quillon_map_clock: %s mapped no window\n", argv[first]);
        result = 1;
    }
    if (outcome != Outcome::Ended) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(display);
    return result;
}
