#!/usr/bin/env bash
# Sets up, builds and starts Terrasond. Extra arguments go to the program
# (for example: scripts/run.sh --root /tmp/orvane).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
No display found. Start the program on a desktop session, or under a virtual display:
    xvfb-run -s "-screen 0 1280x1024x24" build/release/app/terrasond
MSG
    exit 1
fi
exec build/release/app/terrasond "$@"
