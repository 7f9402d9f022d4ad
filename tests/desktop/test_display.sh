#!/usr/bin/env bash
# The program as a user starts it: without any display, --help, --version and --check
# work and the windows say in one line how to get a display; on an X display the title
# bar shows the window's own title, nothing appended.
#   test_display.sh PROGRAM
set -uo pipefail
prog="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog" --root "$root" "$@"; }

for option in --help --version --check; do
    nodisplay "$option" >"$root/out" 2>&1
    rc=$? # --check: 2 when a build without some areas lacks their data
    [ $rc -eq 0 ] || { [ $option = --check ] && [ $rc -eq 2 ]; } ||
        fail "$option without a display: rc $rc ($(cat "$root/out"))"
done
grep -q "Root folder: $root" "$root/out" || fail "--check reports no root folder"
nodisplay >"$root/out" 2>&1
rc=$?
[ $rc -eq 1 ] || fail "windows without a display: rc $rc, expected 1"
[ "$(wc -l <"$root/out")" -eq 1 ] && grep -q "xvfb-run" "$root/out" ||
    fail "windows without a display: $(cat "$root/out")"

command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null || { echo "SKIP: no xvfb-run/xwininfo"; exit 0; }
xvfb-run -a bash -c '
    env -u QT_QPA_PLATFORM "$1" --root "$2" & app=$!
    for _ in $(seq 50); do
        xwininfo -root -tree | grep -q "\"Orvane V 1.20 (Demo)" && break
        sleep 0.2
    done
    xwininfo -root -tree >"$2/tree"
    kill $app' _ "$prog" "$root"
grep -q '"Orvane V 1.20 (Demo)"' "$root/tree" || fail "main window title: $(grep -o '"[^"]*Orvane[^"]*"' "$root/tree")"
echo "PASS"
