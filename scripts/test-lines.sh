#!/usr/bin/env bash
# Prints the lines of product code, the lines of tests by kind, and the share of tests in
# all code, so that a change can see where it stands. Product: app, ui, shell, consoles, reference,
# database and tour (program code linked by app). Counts *.cpp *.h *.inc *.sh *.py.
# Usage: scripts/test-lines.sh
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    local files
    files=$(find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.inc' -o -name '*.sh' \
        -o -name '*.py' \) 2>/dev/null || true)
    if [ -z "$files" ]; then echo 0; else echo "$files" | xargs cat | wc -l; fi
}

product_dirs=()
for d in app ui shell consoles reference database tour; do
    [ -d "$d" ] && product_dirs+=("$d")
done
product=$(count "${product_dirs[@]}")

fuzz=$(count tests/fuzz)
hardening=$(count tests/hardening)
monkey=$(count tests/monkey)
desktop=$(count tests/desktop)
tests=$(count tests)
window=$((tests - fuzz - hardening - monkey - desktop))

printf '%-28s %6d  (%s)\n' "product code" "$product" "${product_dirs[*]}"
printf '%-28s %6d\n' "tests: window and unit" "$window"
printf '%-28s %6d\n' "tests: fuzz" "$fuzz"
printf '%-28s %6d\n' "tests: hardening" "$hardening"
printf '%-28s %6d\n' "tests: random use" "$monkey"
printf '%-28s %6d\n' "tests: desktop" "$desktop"
printf '%-28s %6d\n' "tests: all" "$tests"
awk -v t="$tests" -v p="$product" 'BEGIN {
    printf "%-28s %5.1f%%  (%.2f test lines per product line)\n", "tests of all code", 100 * t / (t + p), t / p
}'
