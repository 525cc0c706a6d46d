// Start-up and resident memory of Selvanthe against the floor of its toolkit (bench_floor, a bare Qt main
// window with a work area and a menu), measured side by side on an X server of the bench's own.
//
//   bench_startup [--runs N] [--screen WxH] [--instructions] [PROGRAM...]
//
// Every round launches each program once, in turn (the order turned round every round, so that neither
// always comes first on a busy machine), each with a home, settings, data and run-time folder of its own:
// nothing is shared with the desktop or with another launch, so no lock or stored date is met. A launch is
// timed from just before the program is started to the moment the X server maps its first window (the one
// whose _NET_WM_PID is the program's), and its resident memory is read one second later; then it is ended.
// The medians of all rounds are told for each program, with its ratios to the floor's and the goals.
// The programs measured are bench_floor, this build's selvanthe and any others named (another build of
// Selvanthe, to compare before and after in one run).
//
// With --instructions each program is also started once under callgrind, whose count of the instructions
// run from the start to one second after the window is mapped does not depend on how busy the machine is.
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "bench_startup: %s\n", why.c_str());
    std::exit(1);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// A fresh folder under the temporary folder, readable by its owner alone (as a run-time folder must be).
std::string freshFolder(const char* stem)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + stem + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data()))
        fail("cannot make a temporary folder: " + std::string(std::strerror(errno)));
    return name.data();
}

void removeFolder(const std::string& folder)
{
    const std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "bench_startup: could not remove %s\n", folder.c_str());
}

// An X server of the bench's own, on the first display number free (Xvfb picks it and tells it).
struct Server {
    pid_t pid = -1;
    std::string display;

    explicit Server(const std::string& screen)
    {
        int fds[2];
        if (pipe(fds) != 0)
            fail("no pipe");
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 1);
            dup2(null, 2);
            const std::string fd = std::to_string(fds[1]);
            const std::string size = screen + "x24";
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", size.c_str(), "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty())
            fail("Xvfb did not start (apt-get install xvfb)");
        display = ":" + number;
    }
    ~Server()
    {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};

struct Launch {
    double toWindowMs = 0;
    double residentMB = 0;
    unsigned long long instructions = 0;
};

class Bench {
public:
    explicit Bench(const std::string& display) : display_(display)
    {
        x_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(x_))
            fail("cannot reach the X server " + display);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x_, root_, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(x_, xcb_intern_atom(x_, 0, sizeof name - 1, name), nullptr);
        if (!atom)
            fail("no _NET_WM_PID atom");
        pidAtom_ = atom->atom;
        std::free(atom);
        xcb_flush(x_);
    }
    ~Bench() { xcb_disconnect(x_); }

    // One launch of the program; `wrapper` runs before it on the command line (callgrind).
    std::optional<Launch> run(const std::string& program, const std::vector<std::string>& wrapper = {},
                              double settleSeconds = 1.0)
    {
        drain();
        const std::string home = freshFolder("bench-startup");
        for (const char* sub : {"/config", "/data", "/cache", "/tmp", "/run"})
            mkdir((home + sub).c_str(), 0700);
        std::vector<std::string> args = wrapper;
        args.push_back(program);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        // Only what the programs need: the same for each, and nothing of the desktop's.
        std::vector<std::string> env = {"PATH=/usr/bin:/bin",
                                        "DISPLAY=" + display_,
                                        "HOME=" + home,
                                        "XDG_CONFIG_HOME=" + home + "/config",
                                        "XDG_DATA_HOME=" + home + "/data",
                                        "XDG_CACHE_HOME=" + home + "/cache",
                                        "XDG_RUNTIME_DIR=" + home + "/run",
                                        "TMPDIR=" + home + "/tmp",
                                        "QT_QPA_PLATFORM=xcb"};
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);

        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        const std::optional<Clock::time_point> mapped =
            waitForWindow(pid, std::chrono::seconds(wrapper.empty() ? 20 : 300));
        std::optional<Launch> launch;
        if (mapped) {
            std::this_thread::sleep_for(std::chrono::duration<double>(settleSeconds));
            drain();
            Launch l;
            l.toWindowMs = std::chrono::duration<double, std::milli>(*mapped - start).count();
            l.residentMB = residentKiB(pid) / 1024.0;
            launch = l;
        }
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        removeFolder(home);
        return launch;
    }

private:
    void drain()
    {
        while (xcb_generic_event_t* e = xcb_poll_for_event(x_))
            std::free(e);
    }

    // The moment a window of the process is mapped, or none if it ends or the time runs out first.
    std::optional<Clock::time_point> waitForWindow(pid_t pid, std::chrono::seconds limit)
    {
        const Clock::time_point end = Clock::now() + limit;
        while (Clock::now() < end) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(x_)) {
                const Clock::time_point now = Clock::now();
                const bool map = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = map ? reinterpret_cast<xcb_map_notify_event_t*>(e)->window : 0;
                std::free(e);
                if (map && windowPid(window) == pid)
                    return now;
            }
            if (xcb_connection_has_error(x_))
                fail("lost the X server");
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return std::nullopt;
            pollfd p {xcb_get_file_descriptor(x_), POLLIN, 0};
            poll(&p, 1, 20);
        }
        return std::nullopt;
    }

    pid_t windowPid(xcb_window_t window)
    {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(x_, xcb_get_property(x_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        pid_t pid = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    static double residentKiB(pid_t pid)
    {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmRSS:", 0) == 0)
                return std::strtod(line.c_str() + 6, nullptr);
        return 0;
    }

    std::string display_;
    xcb_connection_t* x_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The total callgrind counted, from its output file.
unsigned long long callgrindTotal(const std::string& file)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0)
            return std::strtoull(line.c_str() + line.find(':') + 1, nullptr, 10);
    return 0;
}

std::string grouped(unsigned long long n)
{
    std::string digits = std::to_string(n), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 15;
    std::string screen = "1366x768";
    bool instructions = false;
    const std::string here = folderOf(argv[0]);
    std::vector<std::string> programs = {here + "/bench_floor", SELVANTHE_PROGRAM};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--screen" && i + 1 < argc)
            screen = argv[++i];
        else if (a == "--instructions")
            instructions = true;
        else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "usage: %s [--runs N] [--screen WxH] [--instructions] [PROGRAM...]\n", argv[0]);
            return 2;
        } else
            programs.push_back(a);
    }
    for (const std::string& p : programs)
        if (access(p.c_str(), X_OK) != 0)
            fail(p + " is no program");

    Server server(screen);
    Bench bench(server.display);
    std::vector<std::vector<double>> times(programs.size()), resident(programs.size());
    // A first launch of each fills the system's caches (libraries, fonts); it is not counted.
    for (const std::string& p : programs)
        bench.run(p);
    for (int round = 0; round < runs; ++round) {
        for (size_t k = 0; k < programs.size(); ++k) {
            const size_t i = round % 2 ? programs.size() - 1 - k : k;
            const std::optional<Launch> l = bench.run(programs[i]);
            if (!l)
                fail(programs[i] + " showed no window");
            times[i].push_back(l->toWindowMs);
            resident[i].push_back(l->residentMB);
        }
        std::fprintf(stderr, "\rround %d of %d", round + 1, runs);
    }
    std::fprintf(stderr, "\n");

    std::vector<unsigned long long> counts(programs.size(), 0);
    if (instructions) {
        for (size_t i = 0; i < programs.size(); ++i) {
            const std::string out = freshFolder("bench-callgrind");
            const std::string file = out + "/callgrind.out";
            bench.run(programs[i], {"/usr/bin/valgrind", "--tool=callgrind", "-q", "--callgrind-out-file=" + file});
            counts[i] = callgrindTotal(file);
            removeFolder(out);
        }
    }

    const double floorTime = median(times[0]), floorResident = median(resident[0]);
    std::printf("%d rounds on a %s screen; medians, from launch to the window mapped, and resident one second later\n",
                runs, screen.c_str());
    std::printf("%-48s %12s %8s %13s %8s%s\n", "program", "to window", "ratio", "resident", "ratio",
                instructions ? "        instructions    ratio" : "");
    for (size_t i = 0; i < programs.size(); ++i) {
        const double t = median(times[i]), r = median(resident[i]);
        std::printf("%-48s %9.1f ms %7.2fx %10.1f MB %7.2fx", programs[i].c_str(), t, t / floorTime, r,
                    r / floorResident);
        if (instructions)
            std::printf(" %19s %7.2fx", grouped(counts[i]).c_str(), counts[0] ? double(counts[i]) / counts[0] : 0.0);
        std::printf("\n");
    }
    std::printf("goals: to window at most 1.20x the floor, resident at most 1.30x\n");
    bool met = true;
    for (size_t i = 1; i < programs.size(); ++i) {
        const bool fast = median(times[i]) <= 1.2 * floorTime, small = median(resident[i]) <= 1.3 * floorResident;
        std::printf("%s: to window %s, resident %s\n", programs[i].c_str(), fast ? "met" : "NOT met",
                    small ? "met" : "NOT met");
        met = met && fast && small;
    }
    return met ? 0 : 1;
}
