#!/usr/bin/env bash
# Fails when the program lets events run outside the one counted wait of
# platform/eventwait.h: a bare processEvents or sendPostedEvents, or a nested
# exec(), anywhere but in platform/ (the main loops of engine/main.cpp and of
# the benchmark's bare window are the exceptions).
# A close that arrives inside an uncounted pump runs the shut-down under the
# feet of the handler that pumped.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
cd "$root"

found=$(grep -rnE --include='*.cpp' --include='*.h' \
            '\bprocessEvents\b|\bsendPostedEvents\b|\bexec[[:space:]]*\(' \
            engine table opponent records shell net tools 2>/dev/null |
        grep -vE '^(engine/main|tools/bench/bare_window)\.cpp:[0-9]+:.*\bapp\.exec\(\)' || true)

if [ -n "$found" ]; then
    echo "Events run outside the counted wait of platform/eventwait.h"
    echo "(use waits::DoEvents, waits::WaitEvents or Pause):"
    echo "$found"
    exit 1
fi
echo "Every event pump goes through platform/."
