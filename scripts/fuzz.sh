#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each of them.
# Usage: scripts/fuzz.sh [RUNS]   (default 3,000,000 executions per target; the Access
# loader, which starts a child process per input, gets a thousandth of that).
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-3000000}"
scripts/deps.sh
command -v clang++-14 >/dev/null || { apt-get install -y -qq clang-14 libclang-rt-14-dev; }
CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERRASOND_FUZZ=ON >/dev/null
cmake --build build/fuzz
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for prog in build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$prog" ] && [ -f "$prog" ] || continue
    name="${prog##*/fuzz_}"
    n="$runs"
    case "$name" in access_loader*) n=$((runs / 1000)) ;; esac
    mkdir -p "$work/$name"
    cp -r tests/fuzz/corpus/"$name"/. "$work/$name"/ 2>/dev/null || true
    echo "== $name: $n runs"
    QT_QPA_PLATFORM=offscreen "$prog" -runs="$n" -max_len=4096 -artifact_prefix="$work/crash-$name-" \
        "$work/$name" 2>&1 | grep -E "^Done|ERROR|SUMMARY" || true
done
ls "$work"/crash-* 2>/dev/null && { echo "Crash inputs above: copy them to tests/fuzz/regressions/<target>/"; exit 1; }
echo "no faults found"
