// Start-up time and peak memory of the program against the minimal Qt Widgets program.
//
// Each run starts the program with a fresh root folder and the environment variable
// TERRASOND_BENCH_IDLE set (see app/idle_probe.h): the child prints the monotonic time
// at which its first window was painted and its event loop went idle, and quits. The time
// from just before the process was spawned to that moment is the start-up time; the
// child's peak resident set (getrusage of the reaped child) is its memory.
// The two programs run alternately (ABBA) so that load on the machine hits both alike;
// ratios are medians of the per-round ratios.
//
// Usage: terrasond_bench_startup --program PATH --floor PATH [--runs N] [--timeout SECONDS]

#include "bench/stats.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

long long monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

struct Run {
    double startupNs = 0;
    double cpuNs = 0; // user + system time of the child, to its exit
    double maxRssKib = 0;
};

// Reads the child's "idle <ns>" line; empty when the child closed its output or the time ran out.
std::optional<long long> readIdleLine(int fd, long long deadlineNs) {
    std::string line;
    char buf[256];
    for (;;) {
        const long long left = (deadlineNs - monotonicNs()) / 1000000;
        if (left <= 0) return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        const int rc = poll(&p, 1, static_cast<int>(left));
        if (rc < 0 && errno == EINTR) continue;
        if (rc <= 0) return std::nullopt;
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        line.append(buf, static_cast<size_t>(n));
        // Anything else the program prints before the probe line is skipped.
        for (size_t pos; (pos = line.find('\n')) != std::string::npos; line.erase(0, pos + 1)) {
            long long ns = 0;
            if (std::sscanf(line.c_str(), "idle %lld", &ns) == 1) return ns;
        }
    }
}

std::optional<Run> runOnce(const std::string& program, const std::vector<std::string>& args,
                           double timeoutSeconds, std::string* error) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        *error = std::string("pipe: ") + std::strerror(errno);
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "TERRASOND_BENCH_IDLE=", 21) != 0) env.emplace_back(*e);
    env.emplace_back("TERRASOND_BENCH_IDLE=1");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvStore{program};
    argvStore.insert(argvStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const long long t0 = monotonicNs();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        *error = program + ": " + std::strerror(rc);
        return std::nullopt;
    }
    const auto idle = readIdleLine(pipeFds[0], t0 + static_cast<long long>(timeoutSeconds * 1e9));
    close(pipeFds[0]);
    if (!idle) kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!idle) {
        *error = program + " did not report being idle within the time limit (or failed)";
        return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *error = program + " did not exit cleanly after reporting idle";
        return std::nullopt;
    }
    auto ns = [](const timeval& t) { return t.tv_sec * 1e9 + t.tv_usec * 1e3; };
    return Run{static_cast<double>(*idle - t0), ns(usage.ru_utime) + ns(usage.ru_stime),
               static_cast<double>(usage.ru_maxrss)};
}

} // namespace

int main(int argc, char* argv[]) {
    std::string program, floorProgram;
    int runs = 31;
    double timeout = 60;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--program")
            program = next();
        else if (a == "--floor")
            floorProgram = next();
        else if (a == "--runs")
            runs = std::max(1, std::atoi(next().c_str()));
        else if (a == "--timeout")
            timeout = std::atof(next().c_str());
        else {
            std::fprintf(stderr, "unknown argument %s\n", a.c_str());
            return 2;
        }
    }
    if (program.empty() || floorProgram.empty()) {
        std::fprintf(stderr, "usage: %s --program PATH --floor PATH [--runs N] [--timeout S]\n",
                     argv[0]);
        return 2;
    }

    char rootTemplate[] = "/tmp/terrasond-bench-XXXXXX";
    if (!mkdtemp(rootTemplate)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path scratch(rootTemplate);
    int rootCount = 0;
    std::string error;
    // The program starts each time with a root folder it has never seen.
    auto runProgram = [&]() {
        const fs::path root = scratch / ("root" + std::to_string(rootCount++));
        return runOnce(program, {"--root", root.string()}, timeout, &error);
    };
    auto runFloor = [&]() { return runOnce(floorProgram, {}, timeout, &error); };

    std::vector<double> ours, floor, oursCpu, floorCpu, oursRss, floorRss, ratio, cpuRatio,
        rssRatio;
    bool failed = false;
    // Two rounds of warm-up fill the page cache and the font cache; they are not counted.
    for (int round = -2; round < runs && !failed; ++round) {
        std::optional<Run> a, b;
        if (round % 2 == 0) {
            a = runProgram();
            b = a ? runFloor() : std::nullopt;
        } else {
            b = runFloor();
            a = b ? runProgram() : std::nullopt;
        }
        if (!a || !b) {
            failed = true;
            break;
        }
        if (round < 0) continue;
        ours.push_back(a->startupNs);
        floor.push_back(b->startupNs);
        ratio.push_back(a->startupNs / b->startupNs);
        oursCpu.push_back(a->cpuNs);
        floorCpu.push_back(b->cpuNs);
        cpuRatio.push_back(a->cpuNs / b->cpuNs);
        oursRss.push_back(a->maxRssKib);
        floorRss.push_back(b->maxRssKib);
        rssRatio.push_back(a->maxRssKib / b->maxRssKib);
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    if (failed) {
        std::fprintf(stderr, "start-up benchmark failed: %s\n", error.c_str());
        return 1;
    }

    bench::printTableHeader("Start-up and memory");
    const double startupRatio = bench::median(ratio);
    auto side = [](const std::vector<double>& wall, const std::vector<double>& cpu) {
        return bench::formatNs(bench::median(wall)) + " (CPU " +
               bench::formatNs(bench::median(cpu)) + ")";
    };
    bench::printRow({"Start-up until the main window is shown and idle (median of " +
                         std::to_string(runs) + " runs)",
                     side(ours, oursCpu), side(floor, floorCpu) + ", minimal Qt Widgets program",
                     bench::formatRatio(startupRatio) + " (CPU " +
                         bench::formatRatio(bench::median(cpuRatio)) + ")",
                     "≤ 1.5x", bench::verdict(startupRatio <= 1.5)});
    const double memRatio = bench::median(rssRatio);
    bench::printRow({"Peak memory (resident set, median of " + std::to_string(runs) + " runs)",
                     bench::formatKib(bench::median(oursRss)),
                     bench::formatKib(bench::median(floorRss)) + ", minimal Qt Widgets program",
                     bench::formatRatio(memRatio), "≤ 1.5x", bench::verdict(memRatio <= 1.5)});
    std::fprintf(stderr, "start-up: ours min %s p90 %s; floor min %s p90 %s\n",
                 bench::formatNs(bench::quantile(ours, 0)).c_str(),
                 bench::formatNs(bench::quantile(ours, 0.9)).c_str(),
                 bench::formatNs(bench::quantile(floor, 0)).c_str(),
                 bench::formatNs(bench::quantile(floor, 0.9)).c_str());
    return 0;
}
