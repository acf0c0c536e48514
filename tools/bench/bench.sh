#!/usr/bin/env bash
# Start-up benchmark: the game's table window against a bare Qt 6 Widgets
# window, on a virtual screen of its own.
#
#   tools/bench/bench.sh [--runs N]      (default 7 runs after 1 warm-up)
#
# It builds a Release game (build-bench/) and the benchmark's own programs
# (build-bench/bench/: the bare window and grisk-start-watch), starts Xvfb
# with -noreset as a desktop's X server (no window manager), makes a per-user
# tree with grisk-setup and signs a player in, in a temporary HOME. Then,
# interleaving the two programs run by run, it measures each start with
# grisk-start-watch (exec to the main window's MapNotify and to its first
# drawing, idle CPU over 10 s, exit after WM_DELETE_WINDOW) under GNU time
# (peak RSS), and prints one table: min / median / max and the ratio of the
# medians. It is a benchmark, not a test: nothing asserts a time. The load
# average is printed with it; on a busy machine the times scatter.
set -euo pipefail
cd "$(dirname "$0")/../.."
source_dir=$PWD

runs=7
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=$2; shift 2 ;;
        -h|--help) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "bench: unknown argument $1" >&2; exit 2 ;;
    esac
done

. tools/sh/setup-machine.sh
need_packages="$need_packages libxcb1-dev libxcb-damage0-dev time"
install_missing_packages

readonly idle_seconds=10
readonly settle_seconds=3
readonly game_title="Grisk and Varnok"
readonly bare_title="Bare Qt window"

log() { echo "bench: $*" >&2; }

# ---- the programs ---------------------------------------------------------------

build=$source_dir/build-bench
log "building a Release game in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGRISK_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(jobs)" --target grisk grisk-setup >/dev/null
cmake -S tools/bench -B "$build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/bench" -j "$(jobs)" >/dev/null
grisk=$build/grisk
bare=$build/bench/bare-qt-window
watch=$build/bench/grisk-start-watch

# ---- the screen and the player ----------------------------------------------------

work=$(mktemp -d "${TMPDIR:-/tmp}/grisk-bench.XXXXXX")
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Xvfb picks a free display number itself and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { log "Xvfb did not start: $(cat "$work/xvfb.log")"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen "$build/grisk-setup" >"$work/setup.log" 2>&1 ||
    { log "grisk-setup failed: $(cat "$work/setup.log")"; exit 1; }

# Prints the id of the visible window with that title, waiting up to 60 s.
window_of() {
    local id=""
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        sleep 0.2
    done
    echo "$id"
}

# The first start signs a new player in (keys sent before the box took the
# focus are lost, so a box still there is answered again); SIGTERM then
# shuts the game down as a desktop that logs out does.
sign_in() {
    "$grisk" >"$work/sign-in.log" 2>&1 &
    local pid=$! box
    for _ in 1 2 3; do
        box=$(window_of "^Welcome to Grisk's World\$")
        [ -n "$box" ] || break
        xdotool windowfocus --sync "$box"
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 20 "Bench"
        xdotool key Return
        sleep 1
        [ -n "$(xdotool search --onlyvisible --name '^Tutorial$' 2>/dev/null)" ] && break
    done
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" || true
    grep -qa "Bench" "$HOME/.local/share/Quenmoor/Grisk and Varnok/Data/Prefs.sav" ||
        { log "the player could not sign in: $(cat "$work/sign-in.log")"; exit 1; }
}
log "signing a player in on $DISPLAY"
sign_in

# ---- the runs --------------------------------------------------------------------

load1() { cut -d' ' -f1 /proc/loadavg; }

# One start of one program: appends "program load map paint idle exit rss gl".
measure() {
    local name=$1 title=$2 program=$3 line load
    load=$(load1)
    line=$("$watch" --title "$title" --settle "$settle_seconds" --idle "$idle_seconds" -- \
        /usr/bin/time -f %M -o "$work/rss" "$program" 2>>"$work/$name.log") ||
        { log "a run of $name failed: $(tail -n5 "$work/$name.log")"; exit 1; }
    eval "$line"  # map_ms= paint_ms= idle_ticks= exit_ms= gl=
    # shellcheck disable=SC2154
    echo "$name $load $map_ms $paint_ms $idle_ticks $exit_ms $(tail -n1 "$work/rss") $gl" >>"$work/results"
}

load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)
log "load average at the start: $load_at_start ($(nproc) cores); one warm-up, then $runs runs each"
measure bare "$bare_title" "$bare"
measure grisk "$game_title" "$grisk"
: >"$work/results"
for run in $(seq 1 "$runs"); do
    # The two programs take turns, each going first in every other run.
    if [ $((run % 2)) -eq 1 ]; then
        measure bare "$bare_title" "$bare"
        measure grisk "$game_title" "$grisk"
    else
        measure grisk "$game_title" "$grisk"
        measure bare "$bare_title" "$bare"
    fi
    log "run $run of $runs done"
done
load_at_end=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- the table -------------------------------------------------------------------

# Column c of the results of one program ("all": of both), sorted.
column() { awk -v p="$1" -v c="$2" 'p == "all" || $1 == p { print $c }' "$work/results" | sort -g; }
stats() {  # min median max
    column "$1" "$2" | awk -v scale="${3:-1}" '
        { v[NR] = $1 * scale }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "%s %s %s\n", v[1], m, v[NR] }'
}
row() {  # label column scale format
    local b g
    read -r -a b <<<"$(stats bare "$2" "$3")"
    read -r -a g <<<"$(stats grisk "$2" "$3")"
    awk -v l="$1" -v f="$4" -v b0="${b[0]}" -v b1="${b[1]}" -v b2="${b[2]}" \
        -v g0="${g[0]}" -v g1="${g[1]}" -v g2="${g[2]}" 'BEGIN {
        ratio = b1 > 0 ? sprintf("%.2f", g1 / b1) : "-"
        printf "%-34s " f " " f " " f "   " f " " f " " f "   %7s\n", l, b0, b1, b2, g0, g1, g2, ratio }'
}

echo
echo "Start-up: the game's table window against a bare Qt 6 Widgets window"
echo "$runs runs each after one warm-up, interleaved; Xvfb 1280x1024x24 -noreset, no window manager"
echo "load average at the start: $load_at_start; at the end: $load_at_end ($(nproc) cores)"
echo "load average (1 min) at the runs: $(stats all 2 | awk '{ printf "min %s, median %s, max %s", $1, $2, $3 }')"
echo
printf "%-34s %-26s   %-26s   %7s\n" "" "  bare Qt window" "  Grisk and Varnok" "ratio of"
printf "%-34s %8s %8s %8s   %8s %8s %8s   %7s\n" "" min median max min median max medians
row "exec to window mapped (ms)" 3 1 "%8.1f"
row "exec to first paint (ms)" 4 1 "%8.1f"
row "peak RSS (MiB)" 7 0.0009765625 "%8.1f"
row "idle CPU over ${idle_seconds} s (% of a core)" 5 "$(awk -v s="$idle_seconds" 'BEGIN { print 1 / s }')" "%8.2f"
row "exit after WM_DELETE_WINDOW (ms)" 6 1 "%8.1f"
echo "OpenGL implementation loaded: bare window $(column bare 8 | sort -u | paste -sd,)," \
     "game $(column grisk 8 | sort -u | paste -sd,)"

# The figures hold only on a quiet machine: a loaded one slows the bare window
# more than the game and flatters the ratio.
ratio_of() {
    local b g
    b=$(stats bare "$1" | cut -d' ' -f2)
    g=$(stats grisk "$1" | cut -d' ' -f2)
    awk -v b="$b" -v g="$g" 'BEGIN { print (b > 0 ? sprintf("%.2f", g / b) : "-") }'
}
max_load=$(stats all 2 | cut -d' ' -f3)
echo
if awk -v l="$max_load" 'BEGIN { exit !(l > 1.5) }'; then
    echo "NOT VALID: the 1-minute load reached $max_load during the runs (above 1.5); run again on a quiet machine"
else
    echo "valid: the 1-minute load stayed at or below 1.5 (max $max_load)"
fi
echo "ratio of the medians: map $(ratio_of 3), first paint $(ratio_of 4), peak RSS $(ratio_of 7)"
