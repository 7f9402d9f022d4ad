#!/usr/bin/env bash
# Checks that every CMake package a configured build found comes from a Debian package
# that scripts/deps.sh installs, so that a brand-new system configures as this one did.
#   scripts/check-deps.sh [BUILD_DIR]      default: build/default
set -euo pipefail
cd "$(dirname "$0")/.."
cache="${1:-build/default}/CMakeCache.txt"
packages=()
eval "$(sed -n '/^packages=(/,/^)/p' scripts/deps.sh)"

missing=()
while IFS='=' read -r key dir; do
    name="${key%_DIR:PATH}"
    lower="$(tr '[:upper:]' '[:lower:]' <<<"$name")"
    config=""
    for f in "$dir/${name}Config.cmake" "$dir/${lower}-config.cmake"; do
        [ -f "$f" ] && config="$f" && break
    done
    [ -n "$config" ] || continue
    owner="$(dpkg -S "$config" 2>/dev/null | head -n 1 | cut -d: -f1)" || true
    if [ -z "$owner" ]; then
        echo "check-deps: $name ($config) belongs to no Debian package" >&2
        missing+=("$name")
    elif [[ " ${packages[*]} " != *" $owner "* ]]; then
        echo "check-deps: $name is found through $owner, which scripts/deps.sh does not install" >&2
        missing+=("$owner")
    fi
done < <(grep -E '^[A-Za-z0-9_]+_DIR:PATH=/' "$cache")

[ ${#missing[@]} -eq 0 ] || { echo "check-deps: add to scripts/deps.sh: ${missing[*]}" >&2; exit 1; }
