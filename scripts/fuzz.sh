#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each of them.
# Usage: scripts/fuzz.sh [RUNS] [TARGET...]
#   RUNS     executions per target (default 3,000,000). The loaders, which write a file and
#            open a database per input, get less: the SQLite loader a twentieth, the Access
#            loader (a reader process per input) a thousandth.
#   TARGET   only these targets (for example: jet_header mdb_output); default all.
# Crash inputs are kept in <build>/crashes: copy them to tests/fuzz/regressions/<target>/.
# The build folder is build/fuzz unless FUZZ_BUILD names another.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-3000000}"
shift || true
scripts/deps.sh
command -v clang++-14 >/dev/null || { apt-get install -y -qq clang-14 libclang-rt-14-dev; }
build="${FUZZ_BUILD:-build/fuzz}"
# Only the reference windows and the database path: every target lives there or in shell/.
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERRASOND_FUZZ=ON -DTERRASOND_AREAS=reference >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(ninja -C "$build" -t targets all | sed -n 's/^fuzz_\([a-z_]*\): .*/\1/p' | grep -v '_autogen' | sort -u)
fi
cmake --build "$build" --target terrasond-mdb "${targets[@]/#/fuzz_}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for name in "${targets[@]}"; do
    prog="$build/tests/fuzz/fuzz_$name"
    n="$runs"
    maxlen=4096
    extra=()
    case "$name" in
    access_loader*) n=$((runs / 1000)) maxlen=64 extra=(-timeout=120) ;;
    sqlite_loader*) n=$((runs / 20)) maxlen=8192 extra=(-timeout=60) ;;
    mdb_output*) maxlen=16384 ;;
    history_date*) maxlen=64 ;;
    esac
    mkdir -p "$work/$name"
    cp -r tests/fuzz/corpus/"$name"/. "$work/$name"/ 2>/dev/null || true
    echo "== $name: $n runs"
    QT_QPA_PLATFORM=offscreen "$prog" -runs="$n" -max_len="$maxlen" "${extra[@]}" \
        -artifact_prefix="$work/crash-$name-" "$work/$name" 2>&1 |
        grep -E "^Done|^outcomes|ERROR|SUMMARY" || true
done
if ls "$work"/crash-* 2>/dev/null; then
    mkdir -p "$build/crashes"
    cp "$work"/crash-* "$build/crashes/"
    echo "Crash inputs kept in $build/crashes: copy them to tests/fuzz/regressions/<target>/"
    exit 1
fi
echo "no faults found"
