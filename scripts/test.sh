#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless.
# In CI (CI=true), or with TERRASOND_ASAN=1, the suite then runs a second time on the
# AddressSanitizer + UndefinedBehaviorSanitizer build (preset asan: about 7 processor
# minutes to build, under a minute to test); TERRASOND_ASAN=0 skips it in CI.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset default >/dev/null
scripts/check-deps.sh build/default
cmake --build --preset default
QT_QPA_PLATFORM=offscreen ctest --preset default --output-on-failure "$@"

asan="${TERRASOND_ASAN:-}"
[ -z "$asan" ] && [ "${CI:-}" = "true" ] && asan=1
if [ "$asan" = "1" ]; then
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    # The package test builds a Debian package; that is the release layout, not a
    # sanitizer matter.
    ctest --preset asan -LE package "$@"
fi
