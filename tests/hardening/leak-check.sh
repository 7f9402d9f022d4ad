#!/usr/bin/env bash
# Leak check of whole runs under valgrind: the program from start to exit (--check) on a
# fresh root folder, on one holding the Access test databases, and under a virtual X11
# display; then a scripted session through every window (the random-use test: it opens
# each window from the menu, clicks through it, also inside the animations, and closes
# everything). Reports that come from Qt's plugins and the system libraries are suppressed
# (valgrind.supp next to this script); whatever remains is the program's and fails the run.
# Usage: tests/hardening/leak-check.sh BUILD_DIR [SESSION_STEPS]   (a build without sanitizers)
# LEAK_CHECK_LOGS=DIR keeps valgrind's logs there.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?usage: leak-check.sh BUILD_DIR [SESSION_STEPS]}" && pwd)"
steps="${2:-150}"
command -v valgrind >/dev/null || apt-get install -y -qq valgrind >/dev/null
work="$(mktemp -d)"
trap '[ -n "${LEAK_CHECK_LOGS:-}" ] && mkdir -p "$LEAK_CHECK_LOGS" && cp "$work"/*.log "$work"/*.out "$LEAK_CHECK_LOGS"/; rm -rf "$work"' EXIT

vg=(valgrind --leak-check=full --show-leak-kinds=definite,indirect,possible
    --errors-for-leak-kinds=definite,indirect,possible --suppressions="$here/valgrind.supp"
    --num-callers=40 --error-exitcode=3)

failed=0
# run NAME PROGRAM ARGS...: the program under valgrind (started by $wrap when set).
run() {
    local name="$1" rc=0
    shift
    ${wrap:-} "${vg[@]}" --log-file="$work/$name.log" "$@" >"$work/$name.out" 2>&1 || rc=$?
    printf '%-12s exit %-2s ' "$name" "$rc"
    grep -hoE "(definitely|indirectly|possibly) lost: [0-9,]+ bytes in [0-9,]+ blocks|ERROR SUMMARY: [0-9]+ errors" \
        "$work/$name.log" | paste -sd ';' -
    if [ "$rc" -ne 0 ]; then
        failed=1
        grep -A40 "are definitely lost\|are indirectly lost\|are possibly lost\|Invalid\|uninitialised" \
            "$work/$name.log" | head -120 || true
        tail -20 "$work/$name.out"
    fi
}

export QT_QPA_PLATFORM=offscreen
run check-fresh "$build/app/terrasond" --root "$work/fresh" --check
mkdir -p "$work/data/orvanedemo/terrasond" "$work/data/nivasond"
data="$here/../data/mdb"
cp "$data/glossary/db1.mdb" "$data/yamaha-codes/Y1.mdb" "$work/data/orvanedemo/terrasond/"
cp "$data/yamaha-details/Y1.mdb" "$work/data/nivasond/"
run check-data "$build/app/terrasond" --root "$work/data" --check
if command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb wrap="xvfb-run -a" \
        run check-x11 "$build/app/terrasond" --root "$work/x11" --check
fi
TERRASOND_MONKEY_STEPS="$steps" QTEST_FUNCTION_TIMEOUT=7200000 \
    run session "$build/tests/test_monkey"
grep -h "^QDEBUG\|^QINFO" "$work/session.out" || true
exit "$failed"
