#!/usr/bin/env bash
# Starts Terrasond under a virtual display with a session bus and the AT-SPI registry,
# and checks with a real accessibility client (pyatspi) that its controls have names.
# Usage: scripts/a11y-check.sh [path to terrasond] [--trace]   (--trace lists every Tab stop)
set -euo pipefail
cd "$(dirname "$0")/.."
prog="${1:-build/default/app/terrasond}"
trace="${2:-}"
for p in python3-pyatspi at-spi2-core dbus-x11 xvfb; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null
done
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
xvfb-run -a -s "-screen 0 1600x1200x24" dbus-run-session -- bash -c "
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    '$prog' --root '$root' &
    app=\$!
    sleep 3
    /usr/bin/python3 scripts/a11y_check.py $trace
    rc=\$?
    kill \$app 2>/dev/null
    exit \$rc
"
