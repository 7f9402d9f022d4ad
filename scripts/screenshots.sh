#!/usr/bin/env bash
# Renders every window in its interesting states to docs/screenshots/ under a virtual
# display (Xvfb). Builds the default preset first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
out="$PWD/docs/screenshots"
mkdir -p "$out"
for prog in $(find build/default/tests -maxdepth 3 -type f -name 'shoot_*' -perm -u+x | sort); do
    echo "== $prog"
    xvfb-run -a -s "-screen 0 1600x1200x24" "$prog" "$out"
done
