#!/usr/bin/env bash
# Plays seeded games with grisk-sim, writing their trace, and replays the
# trace with replay-trace.py, which checks every rule of every move.
#
#   check-sim-trace.sh GRISK_SIM [--need-recovery] [grisk-sim options...]
#       passes when no check of the simulator failed, no game hung, the
#       replay found no fault and, with --need-recovery, at least one
#       stalemate was recovered;
#   check-sim-trace.sh GRISK_SIM --refuse-faults
#       passes when the replay refuses a trace of a real game changed in one
#       place: a play moved onto a centre pile it does not fit, a discard
#       made by a seat that is not on turn.
set -euo pipefail

sim=$1
shift
replay="$(dirname "$0")/replay-trace.py"
work=$(mktemp -d "${TMPDIR:-/tmp}/grisk-trace.XXXXXX")
trap 'rm -rf "$work"' EXIT

if [ "${1:-}" = --refuse-faults ]; then
    "$sim" --games 2 --players 2 --seed 5 --trace "$work/good.txt" >/dev/null
    python3 "$replay" "$work/good.txt"
    awk 'BEGIN { d = 0 } { if (!d && $4 ~ /^hand/ && $5 == "centre1") { $5 = "centre2"; d = 1 } print }' \
        "$work/good.txt" >"$work/misplayed.txt"
    awk 'BEGIN { d = 0 } { if (!d && $4 == "hand2" && $5 ~ /^hold/) { $3 = 1; d = 1 } print }' \
        "$work/good.txt" >"$work/wrong-seat.txt"
    for bad in misplayed wrong-seat; do
        cmp -s "$work/good.txt" "$work/$bad.txt" && { echo "the $bad trace was not made"; exit 1; }
        if python3 "$replay" "$work/$bad.txt" >"$work/$bad.out"; then
            echo "the replay took the $bad trace"
            exit 1
        fi
        echo "the $bad trace is refused: $(head -n1 "$work/$bad.out")"
    done
    exit 0
fi

need_recovery=0
if [ "${1:-}" = --need-recovery ]; then
    need_recovery=1
    shift
fi
out=$("$sim" "$@" --trace "$work/trace.txt") || { echo "$out"; exit 1; }
echo "$out"
grep -q "violations=0 hung=0" <<<"$out" || exit 1
if [ "$need_recovery" = 1 ] && ! grep -q "recoveries=[1-9]" <<<"$out"; then
    echo "no stalemate was recovered"
    exit 1
fi
python3 "$replay" "$work/trace.txt"
