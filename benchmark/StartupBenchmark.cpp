// Starts two programs in turn on the X display and measures, for each start, the time from
// spawning the process to its window being mapped, and its resident memory once shown.
// Usage: StartupBenchmark PROGRAM BASELINE [ROUNDS]
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Start
{
    double milliseconds;
    double residentKiB;
};

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Waits for the first mapped top-level window; false after ten seconds.
bool waitForMap(xcb_connection_t *connection)
{
    const int descriptor = xcb_get_file_descriptor(connection);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
            xcb_poll_for_event(connection), &std::free}) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            if (!reinterpret_cast<xcb_map_notify_event_t *>(event.get())->override_redirect)
                return true;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(descriptor, &readable);
        timeval wait{0, 1000};
        select(descriptor + 1, &readable, nullptr, nullptr, &wait);
    }
    return false;
}

Start measure(xcb_connection_t *connection, const char *program)
{
    char *const arguments[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const auto started = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, arguments, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(1);
    }
    if (!waitForMap(connection)) {
        std::fprintf(stderr, "%s showed no window\n", program);
        kill(pid, SIGKILL);
        std::exit(1);
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    // Let the first paint finish before reading the memory it needed.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const double resident = double(residentKiB(pid));
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {milliseconds, resident};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM BASELINE [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 100;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display; run it with: xvfb-run -a %s ...\n", argv[0]);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> times[2], memory[2];
    for (int round = 0; round < rounds + 1; ++round)
        for (int which = 0; which < 2; ++which) {
            // Alternate which goes first, so neither always meets a warmer cache.
            const int program = (which + round) % 2;
            const Start start = measure(connection, argv[1 + program]);
            if (round == 0)
                continue; // the first round only warms the caches
            times[program].push_back(start.milliseconds);
            memory[program].push_back(start.residentKiB);
        }
    xcb_disconnect(connection);

    const double time[2] = {median(times[0]), median(times[1])};
    const double resident[2] = {median(memory[0]), median(memory[1])};
    std::printf("%d starts each, medians:\n", rounds);
    std::printf("  %-12s start to mapped window %7.1f ms, resident memory %8.0f KiB\n", "program",
                time[0], resident[0]);
    std::printf("  %-12s start to mapped window %7.1f ms, resident memory %8.0f KiB\n",
                "bare window", time[1], resident[1]);
    std::printf("  ratio        start-up %.3f (target 1.10), memory %.3f (target 1.05)\n",
                time[0] / time[1], resident[0] / resident[1]);
    return 0;
}
