#!/usr/bin/env bash
# Sets up, checks the format, builds (warnings are errors) and runs the whole test suite
# headless, then builds each area alone.
# In CI (CI=true), or with TERRASOND_ASAN=1, the suite then runs a second time on the
# AddressSanitizer + UndefinedBehaviorSanitizer build (preset asan: about 7 processor
# minutes to build, under a minute to test); TERRASOND_ASAN=0 skips it in CI.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
# Every C++ file of the project in its format (.clang-format).
find app ui shell consoles reference database tour tests tools bench -name '*.cpp' -o -name '*.h' |
    xargs clang-format --dry-run --Werror
# Preset ci: the debug build with warnings as errors.
cmake --preset ci >/dev/null
scripts/check-deps.sh build/ci
cmake --build --preset ci
QT_QPA_PLATFORM=offscreen ctest --preset ci --output-on-failure "$@"
# Each area alone builds too (the program only, into build/subset-<area>).
for area in bombardier polaris kawasaki yamaha reference; do
    cmake -S . -B "build/subset-$area" -G Ninja -DTERRASOND_AREAS="$area" \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "build/subset-$area" --target terrasond
done

asan="${TERRASOND_ASAN:-}"
[ -z "$asan" ] && [ "${CI:-}" = "true" ] && asan=1
if [ "$asan" = "1" ]; then
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    # The package test builds a Debian package; that is the release layout, not a
    # sanitizer matter.
    ctest --preset asan -LE package "$@"
fi
