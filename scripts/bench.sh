#!/usr/bin/env bash
# Builds the benchmarks in release mode (build/bench) and measures the program against its
# floors: start-up and peak memory against a minimal Qt Widgets program, the consoles'
# yield loop against bare event processing, every console animation at presentation pace
# (its duration against yields x 15 us, and its CPU time), the language catalog and
# switch, the glossary and the Yamaha model choice at the real size and at 10x and 100x the rows, from the
# bundled data, generated SQLite files and Access files. Prints the result table and
# writes docs/performance.md (from bench/performance.md.in).
#
# Usage: scripts/bench.sh [--quick] [--runs N] [--no-doc]
#   --quick   fewer rounds and runs: a quick look, not for the record
#   --runs N  start-up runs of each program (default 41)
#   --no-doc  print only, leave docs/performance.md alone
# The machine should be quiet: the load average is printed before and after.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=()
runs=41
doc=1
while [ $# -gt 0 ]; do
    case "$1" in
    --quick) quick=(--quick); runs=7 ;;
    --runs) runs="$2"; shift ;;
    --no-doc) doc=0 ;;
    *) echo "usage: $0 [--quick] [--runs N] [--no-doc]" >&2; exit 2 ;;
    esac
    shift
done

scripts/deps.sh
build=build/bench
echo "Building the release build in $build..." >&2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERRASOND_BUILD_TESTS=OFF \
    -DTERRASOND_BUILD_BENCH=ON >/dev/null
if ! cmake --build "$build" -j2 >"$build/bench-build.log" 2>&1; then
    cat "$build/bench-build.log" >&2
    exit 1
fi
echo "Measuring (load average now: $(cut -d' ' -f1-3 /proc/loadavg))..." >&2

load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# Start-up runs against a display server, as on a desktop: a private Xvfb when there is
# one (so that nothing flashes on the user's screen), else the current display, else
# Qt's offscreen platform. Without a session bus, every Qt program would start its own
# (D-Bus autolaunch) on each run, which a desktop session never does: the private
# display gets a private session bus as well.
startup=("$build/bench/terrasond_bench_startup" --program "$build/app/terrasond"
    --floor "$build/bench/terrasond_minimal" --runs "$runs")
if command -v xvfb-run >/dev/null; then
    display="Xvfb (xcb platform)"
    session=()
    if command -v dbus-run-session >/dev/null; then
        session=(dbus-run-session --)
        display="Xvfb (xcb platform) with a D-Bus session bus"
    fi
    startup_rows=$(env -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS "${session[@]}" \
        xvfb-run -a -s "-screen 0 1280x1024x24" "${startup[@]}")
elif [ -n "${DISPLAY:-}" ]; then
    display="the current X display (xcb platform)"
    startup_rows=$(env -u QT_QPA_PLATFORM "${startup[@]}")
else
    display="Qt's offscreen platform (no display server found)"
    startup_rows=$(QT_QPA_PLATFORM=offscreen "${startup[@]}")
fi

# The in-process figures run on Qt's offscreen platform: all the work stays in the
# measured process, with no display server to share the processor with.
inprocess_rows=$(QT_QPA_PLATFORM=offscreen "$build/bench/terrasond_bench" "${quick[@]}" \
    2>/dev/null)

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

results=$(printf '%s\n%s\n' "$startup_rows" "$inprocess_rows" | sed '1{/^$/d}')

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
mem=$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
os=$(. /etc/os-release && echo "$PRETTY_NAME")
qt=$("$build/bench/terrasond_bench" --qt-version 2>/dev/null || echo unknown)
compiler=$(c++ --version | head -1)
machine="| Machine | |
|---|---|
| Processors (nproc) | $(nproc) |
| CPU | $cpu |
| Memory | $mem |
| System | $os, Linux $(uname -r) |
| Qt | $qt |
| Compiler | $compiler, release build (-O3) |
| Date | $(date -u '+%Y-%m-%d %H:%M UTC') |
| Load average (1, 5, 15 min) | before: $load_before; after: $load_after |
| Start-up display | $display |
| Rounds | start-up: $runs runs of each program${quick:+ (quick run)} |"

printf '%s\n\n%s\n' "$machine" "$results"

if [ "$doc" = 1 ]; then
    {
        while IFS= read -r line; do
            case "$line" in
            @MACHINE@) printf '%s\n' "$machine" ;;
            @RESULTS@) printf '%s\n' "$results" ;;
            *) printf '%s\n' "$line" ;;
            esac
        done <bench/performance.md.in
    } >docs/performance.md
    echo "Written: docs/performance.md"
fi
