#pragma once

// Timing helpers of the in-process benchmarks.
//
// The machine is shared and noisy, so every figure is measured side by side with its
// floor: the two run alternately (ABBA) for a number of rounds, each round times one
// operation of each, and the figure is the median over the rounds. The ratio is the
// median of the per-round ratios, which cancels most of the load that hits both alike.

#include "bench/stats.h"
#include "ui/platform.h"

#include <QStringList>

#include <chrono>
#include <ctime>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

// The time of one operation: wall clock, and the CPU time of the user-interface thread
// (which the load of other processes does not inflate; the difference is time spent
// waiting: for the disk, or for the processor while other programs run).
struct Sample {
    double wall = 0;
    double cpu = 0;
    Sample& operator/=(double d) {
        wall /= d;
        cpu /= d;
        return *this;
    }
};

inline double threadCpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

template <class F> Sample measure(F&& f) {
    const double c0 = threadCpuNs();
    const auto t0 = std::chrono::steady_clock::now();
    f();
    const auto t1 = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::nano>(t1 - t0).count(), threadCpuNs() - c0};
}

// A measurement returns the time of one operation (it may do untimed set-up and clean-up
// around the part it measures) or throws Failure when the operation went wrong.
using Measure = std::function<Sample()>;

struct Options {
    bool quick = false; // fewer rounds
    QString dataDir;    // folder holding the Access files (mdb/...)
};

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Side {
    std::vector<double> wall, cpu;
    double wallNs() const { return median(wall); }
    double cpuNs() const { return median(cpu); }
    void add(const Sample& s) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
};

struct Paired {
    Side ours, floor;
    std::vector<double> ratio, cpuRatio; // per round
    double medianRatio() const { return median(ratio); }
    // "1.02x (CPU 1.05x)"
    std::string ratios() const {
        return formatRatio(median(ratio)) + " (CPU " + formatRatio(median(cpuRatio)) + ")";
    }
};

inline Paired paired(int rounds, const Measure& ours, const Measure& floor) {
    Paired p;
    // One untimed round warms caches and lazily built state on both sides.
    ours();
    floor();
    for (int r = 0; r < rounds; ++r) {
        Sample a, b;
        if (r % 2 == 0) {
            a = ours();
            b = floor();
        } else {
            b = floor();
            a = ours();
        }
        p.ours.add(a);
        p.floor.add(b);
        p.ratio.push_back(a.wall / b.wall);
        p.cpuRatio.push_back(a.cpu / b.cpu);
    }
    return p;
}

// "3.9 ms (CPU 1.2 ms)": wall-clock median and CPU median of one side.
inline std::string formatSide(const Side& s) {
    return formatNs(s.wallNs()) + " (CPU " + formatNs(s.cpuNs()) + ")";
}

// The verdict on the one-frame goal: met when the wall-clock median is under 16 ms;
// "MISSED (waiting)" when only the waits (disk, other programs) took it over.
inline std::string frameVerdict(const Side& s) {
    constexpr double kFrameNs = 16e6;
    if (s.wallNs() < kFrameNs) return "met";
    return s.cpuNs() < kFrameNs ? "MISSED (waiting)" : "MISSED";
}

// The platform of the running program, except that a message box is recorded instead of
// shown: the benchmarks run unattended, and a message means the measured path failed.
class BenchPlatform : public ui::QtPlatform {
public:
    explicit BenchPlatform(const QString& root) : ui::QtPlatform(root) {
        m_previous = ui::setPlatform(this);
    }
    ~BenchPlatform() override { ui::setPlatform(m_previous); }
    BenchPlatform(const BenchPlatform&) = delete;
    BenchPlatform& operator=(const BenchPlatform&) = delete;

    void messageBox(QWidget*, const QString& text) override { messages << text; }

    // Throws Failure when a message box came up since the last check.
    void check() {
        if (messages.isEmpty()) return;
        const QString first = messages.first();
        messages.clear();
        throw Failure(first.toStdString());
    }

    QStringList messages;

private:
    ui::Platform* m_previous = nullptr;
};

// Runs deferred deletions and pending events, so that unloaded windows are really gone.
void settle();

} // namespace bench
