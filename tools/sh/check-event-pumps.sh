#!/usr/bin/env bash
# Fails when the program lets events run outside the one counted wait of
# platform/eventwait.h: a bare event-pump call of Qt's, or a nested event
# loop, anywhere but in platform/ (the main loops of the programs' main.cpp
# files are the exceptions).
# A close that arrives inside an uncounted pump runs the shut-down under the
# feet of the handler that pumped.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
cd "$root"

# The names searched for are put together here, so that this script does not
# find itself.
pumps="\\bprocess""Events\\b|\\bsendPosted""Events\\b|\\bex""ec[[:space:]]*\\("
found=$(grep -rnE --include='*.cpp' --include='*.h' "$pumps" \
            engine table opponent records shell net tools 2>/dev/null |
        grep -vE '^(engine|tools/bench/bare-qt-window)/main\.cpp:[0-9]+:.*\bapp\.ex''ec\(\)' || true)

if [ -n "$found" ]; then
    echo "Events run outside the counted wait of platform/eventwait.h"
    echo "(use waits::DoEvents, waits::WaitEvents or Pause):"
    echo "$found"
    exit 1
fi
echo "Every event pump goes through platform/."
