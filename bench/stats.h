#pragma once

// Small statistics and the result table shared by the benchmark programs.
//
// Every figure is printed as one Markdown table row:
//   | figure | ours | floor | ratio | goal | verdict |
// scripts/bench.sh prints the heading once and gathers the rows into docs/performance.md.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Value at the given fraction (0..1) of the sorted samples, nearest rank.
inline double quantile(std::vector<double> v, double q) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(std::lround(q * (v.size() - 1))));
    return v[i];
}

// A duration in nanoseconds, with a unit that keeps three significant digits.
inline std::string formatNs(double ns) {
    char buf[64];
    if (std::isnan(ns)) return "n/a";
    if (ns < 1e3)
        std::snprintf(buf, sizeof buf, "%.3g ns", ns);
    else if (ns < 1e6)
        std::snprintf(buf, sizeof buf, "%.3g µs", ns / 1e3);
    else if (ns < 1e9)
        std::snprintf(buf, sizeof buf, "%.3g ms", ns / 1e6);
    else
        std::snprintf(buf, sizeof buf, "%.3g s", ns / 1e9);
    return buf;
}

inline std::string formatKib(double kib) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f MiB", kib / 1024.0);
    return buf;
}

inline std::string formatRatio(double r) {
    if (std::isnan(r)) return "";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2fx", r);
    return buf;
}

struct Row {
    std::string figure;
    std::string ours;
    std::string floor;
    std::string ratio;
    std::string goal;
    std::string verdict; // "met", "MISSED" or "" when there is no goal
};

inline void printRow(const Row& r) {
    std::printf("| %s | %s | %s | %s | %s | %s |\n", r.figure.c_str(), r.ours.c_str(),
                r.floor.c_str(), r.ratio.c_str(), r.goal.c_str(), r.verdict.c_str());
    std::fflush(stdout);
}

inline void printTableHeader(const char* title) {
    std::printf("\n### %s\n\n| Figure | Terrasond | Floor | Ratio | Goal | Verdict |\n"
                "|---|---:|---:|---:|---|---|\n",
                title);
    std::fflush(stdout);
}

inline const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace bench
