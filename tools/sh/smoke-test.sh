#!/usr/bin/env bash
# Plays the real program as a player would, on a virtual screen of its own:
# a fresh per-user tree (made by grisk-setup in a temporary HOME), a new
# player drags the sign-in window by its body and signs in, follows the
# tutorial through its first prepared position and leaves it, the table
# settles and must then use no CPU, and the main window is closed as a
# window manager closes it. A second start (a known
# player) is ended with SIGTERM, as a desktop that logs out does. Each run
# must exit with 0, print no sanitizer report, and leave no temporary file
# and no instance lock behind. A copy started while one runs is refused and
# exits with 1. Starts closed at once (as the table shows, and by SIGTERM
# before it does) leave nothing behind either.
#
#   smoke-test.sh GRISK GRISK_SETUP GRISK_SNAPSHOT
#
# The piles are found where grisk-snapshot --geometry says the table of
# this screen puts them (the snapshot lays the table out as start-up does).
#
# The new player's opponent shows Grisk's portrait and has his sounds
# installed; they are gone once the program has closed. The known player
# then deals a game, plays the cards that fit, ends the turn on a hold pile,
# sees the computer seat's turn come back and hears its remark, saves the
# game into slot 2 under a typed title; then signs a second player in from
# the Game menu and changes back, and opens and closes the opponent set-up
# (F10) and the comment editor (Options menu), and the speed window (F5),
# the house rules (F6) and the preferences (End). A third start restores the
# saved game (every pile as it was saved), restarts it from its deal and
# plays a turn with the numeric keypad. Later
# issues add their steps as functions called from main below.
#
# The known player's start shows the tip of the day: its buttons step
# through the tips and open the user's manual, F1 opens the manual too, the
# Help menu's About shows the version and the credits, Ctrl+F5 shows and
# hides the splash; the table idles with the tip and the manual open. The
# tip's box is unticked, and a third start shows no tip.
# With SMOKE_SHOTS set to a folder, screenshots of these windows are kept
# there.
set -euo pipefail

grisk=$(realpath "$1")
grisk_setup=$(realpath "$2")
grisk_snapshot=$(realpath "$3")

# Generous limits: a sanitizer build on a loaded two-core machine is slow.
readonly start_timeout=180  # seconds until a window shows
readonly exit_timeout=120   # seconds until the program has ended
readonly settle_limit=60    # seconds the table may take to settle
readonly idle_seconds=4     # the idle measurement
readonly idle_ticks_allowed=2  # clock ticks (1/100 s) in that time: well under 1 %

work=$(mktemp -d "${TMPDIR:-/tmp}/grisk-smoke.XXXXXX")
xvfb_pid=""
wm_pid=""
grisk_pid=""   # the copy of the program the steps look at, and its output
grisk_log=""
started=()     # every copy started, for the clean-up

stop_pid() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}

cleanup() {
    local pid
    for pid in "${started[@]}"; do stop_pid "$pid"; done
    stop_pid "$wm_pid"
    stop_pid "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

log() { echo "smoke: $*"; }

fail() {
    echo "smoke: FAILED: $*" >&2
    if [ -n "$grisk_log" ] && [ -f "$grisk_log" ]; then
        echo "---- the program's output ----" >&2
        cat "$grisk_log" >&2
    fi
    exit 1
}

# ---- the virtual screen and a window manager --------------------------------

start_screen() {
    # Xvfb picks a free display number itself and writes it to fd 3. Screens
    # started at the same moment by other tests can race for one number; the
    # loser's screen is then not there, and a new one is started.
    local try
    for try in 1 2 3 4 5; do
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 300); do
            [ -s "$work/display" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$work/display" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$(head -n1 "$work/display")"
            openbox --sm-disable >"$work/openbox.log" 2>&1 &
            wm_pid=$!
            for _ in $(seq 1 300); do
                wmctrl -m >/dev/null 2>&1 && break
                kill -0 "$wm_pid" 2>/dev/null || break
                sleep 0.1
            done
            if wmctrl -m >/dev/null 2>&1; then
                log "screen $DISPLAY with openbox"
                return
            fi
            stop_pid "$wm_pid"
        fi
        stop_pid "$xvfb_pid"
        xvfb_pid=""
        wm_pid=""
        sleep "$try"
    done
    fail "no screen with a window manager: $(cat "$work/xvfb.log" "$work/openbox.log" 2>/dev/null)"
}

# ---- the program --------------------------------------------------------------

data_dir() { echo "$HOME/.local/share/Quenmoor/Grisk and Varnok/Data"; }

# A per-user tree of its own; with a name, one of several (a copy each).
make_user_tree() {
    local root="$work${1:+/$1}"
    export HOME="$root/home"
    export XDG_RUNTIME_DIR="$root/runtime"
    unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    QT_QPA_PLATFORM=offscreen "$grisk_setup" >"$root/setup.log" 2>&1 ||
        fail "grisk-setup failed: $(cat "$root/setup.log")"
}

# Starts a copy of the program; its output goes to $work/NAME.log.
start_grisk() {
    grisk_log="$work/${1:-grisk}.log"
    QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" "$grisk" >"$grisk_log" 2>&1 &
    grisk_pid=$!
    started+=("$grisk_pid")
}

# Prints the id of a visible window of the program whose title matches the
# pattern, waiting up to the given seconds (default start_timeout) for it;
# prints nothing when none came or the program has ended.
# (xdotool's --all: every condition must hold.)
find_window() {
    local pattern=$1 seconds=${2:-$start_timeout} id=""
    for _ in $(seq 1 $((seconds * 5))); do
        id=$(xdotool search --all --onlyvisible --pid "$grisk_pid" --name "$pattern" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        kill -0 "$grisk_pid" 2>/dev/null || break
        sleep 0.2
    done
    echo "$id"
}

# Waits up to the given seconds until no visible window of the program's
# matches the pattern; false when one is still there.
window_gone() {
    for _ in $(seq 1 $(($2 * 5))); do
        [ -z "$(xdotool search --all --onlyvisible --pid "$grisk_pid" --name "$1" 2>/dev/null)" ] && return 0
        kill -0 "$grisk_pid" 2>/dev/null || fail "the program ended while waiting for \"$1\" to close"
        sleep 0.2
    done
    return 1
}

# As find_window, but fails when the window does not come.
wait_window() {
    local id
    id=$(find_window "$1")
    if [ -z "$id" ]; then
        kill -0 "$grisk_pid" 2>/dev/null || fail "the program ended while waiting for \"$1\""
        fail "no window \"$1\" within $start_timeout s"
    fi
    echo "$id"
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$grisk_pid/stat"; }

# Clock ticks the program uses in the given seconds.
ticks_in() {
    local before after
    before=$(cpu_ticks)
    sleep "$1"
    after=$(cpu_ticks)
    echo $((after - before))
}

# The table has settled once a whole second passes without work; then it
# must stay idle.
expect_idle() {
    local waited=0 used
    while :; do
        kill -0 "$grisk_pid" 2>/dev/null || fail "the program ended while the table settled"
        used=$(ticks_in 1)
        [ "$used" -gt "$idle_ticks_allowed" ] || break
        waited=$((waited + 1))
        [ "$waited" -lt "$settle_limit" ] || fail "the table never settled (still $used ticks a second)"
    done
    # The opponent's idle remark, on its timer, is real work: a window it
    # falls into is measured again. A table that keeps working fails all three.
    for _ in 1 2 3; do
        used=$(ticks_in "$idle_seconds")
        kill -0 "$grisk_pid" 2>/dev/null || fail "the program ended while it should idle"
        [ "$used" -le "$idle_ticks_allowed" ] && break
    done
    [ "$used" -le "$idle_ticks_allowed" ] ||
        fail "an idle table used $used clock ticks in $idle_seconds s, three times over"
    log "idle: $used clock ticks in $idle_seconds s"
}

# Waits for the program to end and leaves its exit code in exit_code;
# fails when it does not end or a sanitizer reported a fault.
exit_code=0
wait_for_exit() {
    local rc=0
    for _ in $(seq 1 $((exit_timeout * 10))); do
        kill -0 "$grisk_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$grisk_pid" 2>/dev/null && fail "the program did not end within $exit_timeout s"
    wait "$grisk_pid" || rc=$?
    if grep -qE "ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:|SUMMARY: [A-Za-z]*Sanitizer" \
            "$grisk_log"; then
        fail "a sanitizer reported a fault"
    fi
    exit_code=$rc
}

# Waits for the program to end; fails unless it ended cleanly.
expect_clean_exit() {
    wait_for_exit
    [ "$exit_code" -eq 0 ] || fail "the program exited with $exit_code"
    local left
    left=$(find "$(data_dir)" -maxdepth 1 \( -name '*.tmp' -o -name '~tempmoves.sav' \) -printf '%f ')
    [ -z "$left" ] || fail "temporary files left behind: $left"
    [ ! -e "$XDG_RUNTIME_DIR/grisk-and-varnok.lock" ] || fail "the instance lock was left behind"
}

# ---- what a player does -------------------------------------------------------

# The borderless sign-in window follows the mouse when dragged by its body.
drag_sign_in_window() {
    local X Y WIDTH HEIGHT SCREEN x0 y0 i
    eval "$(xdotool getwindowgeometry --shell "$1")"
    x0=$X
    y0=$Y
    xdotool mousemove $((x0 + 6)) $((y0 + HEIGHT - 6)) mousedown 1
    for i in 1 2 3 4 5; do
        xdotool mousemove $((x0 + 6 + 12 * i)) $((y0 + HEIGHT - 6 + 8 * i))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "$X,$Y" = "$((x0 + 60)),$((y0 + 40))" ] ||
        fail "the sign-in window went from $x0,$y0 to $X,$Y when dragged by 60,40"
    log "the sign-in window was dragged by its body"
}

# Types the name into the sign-in window; the tutorial then opens. Keys
# sent before a window took the focus are lost, so a window still waiting
# is answered again.
sign_in() {
    local dialog
    drag_sign_in_window "$(wait_window "^Welcome to Grisk's World$")"
    for _ in 1 2 3; do
        dialog=$(wait_window "^Welcome to Grisk's World$")
        xdotool windowactivate --sync "$dialog"
        xdotool windowfocus --sync "$dialog"
        xdotool key ctrl+a
        xdotool type --delay 40 "$1"
        xdotool key Return
        [ -n "$(find_window '^Tutorial$' 30)" ] || continue
        log "signed in as $1"
        return
    done
    fail "the sign-in did not take the name"
}

# The tutorial beside the table: Next reads the first steps, the first
# prepared position comes on the table (Grisk has started a centre pile
# with an Ace, the player's pay-off card is an Ace and the hand holds a 2 in
# its fourth place), the player plays the pay-off Ace onto an empty centre
# pile and the 2 onto an Ace as the steps ask, goes Back into the position
# (which comes back as it was prepared) and leaves with Exit, answering its
# two boxes. The table is then the player's, with the Deal button.
follow_tutorial() {
    local tut win X Y WIDTH HEIGHT SCREEN empty_pay_off centre2 centre3 before
    tut=$(wait_window '^Tutorial$')
    win=$(main_window)
    eval "$(xdotool getwindowgeometry --shell "$tut")"
    local next=($((WIDTH - 45)) $((HEIGHT - 14))) back=($((WIDTH - 122)) $((HEIGHT - 14)))
    empty_pay_off=$(area "$win" "$(control_area Picture7 1)")
    for _ in 1 2 3 4 5; do
        click_at "$tut" "${next[@]}"
        sleep 1
    done
    area_changes "$win" "$(control_area Picture7 1)" "$empty_pay_off" 30 ||
        fail "the tutorial's first position did not come on the table"
    quiet_for 2
    shot tutorial-position
    click_at "$tut" "${next[@]}"   # step 7: the pay-off card
    sleep 1
    centre2=$(area "$win" "$(control_area PicCenter 2)")
    centre3=$(area "$win" "$(control_area PicCenter 3)")
    drag "$win" $(control_centre Picture7 1) $(control_centre PicCenter 2)
    area_changes "$win" "$(control_area PicCenter 2)" "$centre2" 10 || fail "the tutorial's pay-off Ace was not played"
    quiet_for 2
    click_at "$tut" "${next[@]}"   # step 8: the 2 of the hand
    sleep 1
    before=$(area "$win" "$(control_area PicCenter 2)")
    drag "$win" $(hand_place 5) $(control_centre PicCenter 2)
    area_changes "$win" "$(control_area PicCenter 2)" "$before" 10 || fail "the tutorial's hand card was not played"
    quiet_for 2
    shot tutorial-played
    click_at "$tut" "${back[@]}"   # back into the position: as prepared
    area_changes "$win" "$(control_area PicCenter 2)" "$before" 10 || true
    [ "$(area "$win" "$(control_area PicCenter 2)")" = "$centre2" ] ||
        fail "Back did not bring the tutorial's position back"
    [ "$(area "$win" "$(control_area PicCenter 3)")" = "$centre3" ] ||
        fail "Back did not bring the tutorial's position back"
    log "the tutorial's first position was played and came back with Back"
    quiet_for 2
    leave_tutorial
}

# Exit in the tutorial window, answering its two boxes ("Exit the
# tutorial?" Yes, then how to start it again OK).
leave_tutorial() {
    local tut X Y WIDTH HEIGHT SCREEN box id
    tut=$(wait_window '^Tutorial$')
    eval "$(xdotool getwindowgeometry --shell "$tut")"
    click_at "$tut" 40 $((HEIGHT - 14))
    for _ in 1 2; do
        box=""
        for _ in $(seq 1 50); do
            for id in $(xdotool search --all --onlyvisible --pid "$grisk_pid" --name '^Tutorial$' 2>/dev/null); do
                [ "$id" != "$tut" ] && box=$id
            done
            [ -n "$box" ] && break
            sleep 0.2
        done
        [ -n "$box" ] || fail "leaving the tutorial showed no box"
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key Return
        sleep 1
    done
    window_gone '^Tutorial$' 20 || fail "the tutorial did not close"
    log "the tutorial was left with Exit"
}

# A new player deals at once with the Deal button (after the tip of the day).
deal_at_once() {
    local tip win before
    tip=$(find_window '^Quenmoor Tip of the Day$' 10)
    [ -z "$tip" ] || wmctrl -ic "$tip"
    win=$(wait_window '^Grisk and Varnok$')
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    before=$(area "$win" "$(control_area Picture7 2)")
    click_at "$win" "${deal_button[@]}"
    area_changes "$win" "$(control_area Picture7 2)" "$before" 60 || fail "a new player could not deal"
    quiet_for 3
    log "a new player dealt at once"
}

# A second copy, started while this one runs, is refused with a box; once
# the box is answered it exits with 1. The running copy goes on.
expect_second_copy_refused() {
    local first_pid=$grisk_pid first_log=$grisk_log box
    start_grisk second
    for _ in 1 2 3; do
        box=$(find_window '^Grisk and Varnok$')
        kill -0 "$grisk_pid" 2>/dev/null || break  # answered by the last try
        [ -n "$box" ] || fail "a second copy showed no box"
        xdotool windowactivate --sync "$box"
        xdotool key Return
        for _ in $(seq 1 150); do
            kill -0 "$grisk_pid" 2>/dev/null || break
            sleep 0.2
        done
        kill -0 "$grisk_pid" 2>/dev/null || break
    done
    wait_for_exit
    [ "$exit_code" -eq 1 ] || fail "a refused second copy exited with $exit_code"
    grisk_pid=$first_pid
    grisk_log=$first_log
    kill -0 "$grisk_pid" 2>/dev/null || fail "the running copy ended when a second one was refused"
    log "a second copy was refused"
}

# ---- a turn at the table -------------------------------------------------------

# Places on the table in pixels of the main window's inner area, as
# grisk-snapshot lays the table out for two players on this screen (1280
# pixels, 19200 twips). The Deal button is hidden on a dealt table: its
# place is the one the layout gives it before the first deal.
readonly deal_button=(351 354)
geometry_file=""

table_geometry() {
    geometry_file="$work/table.json"
    QT_QPA_PLATFORM=offscreen "$grisk_snapshot" --players 2 --centres 3 --mode 0 --screen-width 19200 \
        --seed 1 --out "$work/table.png" --geometry "$geometry_file" >"$work/snapshot.log" 2>&1 ||
        fail "grisk-snapshot failed: $(cat "$work/snapshot.log")"
}

# The rectangle of a control as "x y width height".
control_rect() {
    python3 - "$geometry_file" "$1" "$2" <<'PY'
import json, sys
path, name, index = sys.argv[1], sys.argv[2], int(sys.argv[3])
for c in json.load(open(path))["controls"]:
    if c["name"] == name and c["index"] == index:
        print(c["x"], c["y"], c["width"], c["height"])
        break
else:
    sys.exit("no control %s(%d)" % (name, index))
PY
}

# The centre of a control, and its area (grown by a pixel for the frame).
control_centre() {
    local r
    r=($(control_rect "$1" "$2")) || fail "the table has no $1($2)"
    echo $((r[0] + r[2] / 2)) $((r[1] + r[3] / 2))
}
control_area() {
    local r
    r=($(control_rect "$1" "$2")) || fail "the table has no $1($2)"
    echo "$((r[2] + ${3:-0}))x$((r[3] + ${3:-0}))+$((r[0]))+$((r[1]))"
}

hand_place() { control_centre Picture7 "$1"; }          # places 2..6
hold_pile() { control_centre Picture7 $((6 + $1)); }    # piles 1..4

# A checksum of what an area of the window shows (a read that stalls is
# ended: see snap).
area() { timeout 20 import -window "$1" -crop "$2" +repage png:- 2>/dev/null | md5sum; }

# A picture of a window ("root": the whole screen) in a file, cut from a
# picture of the whole screen (used by the Internet scripts). ImageMagick's
# import, asked for one window, raises it and waits for the window manager
# with the X server held: when the raise brings no event (a window already
# on top, another of the program's over it) every program on that screen
# stalls with it. A read of the screen holds nothing, and one that still
# takes too long is ended and made again. False when no picture came.
snap() {
    local win=$1 out=$2 geometry crop=()
    if [ "$win" != root ]; then
        # Where the window's inside lies on the screen (xwininfo counts the
        # window manager's frame as xdotool does not).
        geometry=$(timeout 10 xwininfo -id "$win" 2>/dev/null | awk '
            /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
            /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
            END { if (w != "") print w "x" h "+" x "+" y }')
        [ -n "$geometry" ] || return 1
        crop=(-crop "$geometry" +repage)
    fi
    for _ in 1 2 3 4 5; do
        rm -f "$out"
        timeout 10 import -silent -window root "${crop[@]}" "$out" 2>/dev/null && [ -s "$out" ] && return 0
        sleep 0.5
    done
    return 1
}


# Waits up to the given seconds for an area to show something else.
area_changes() {
    local win=$1 geometry=$2 before=$3 seconds=$4
    for _ in $(seq 1 $((seconds * 5))); do
        [ "$(area "$win" "$geometry")" != "$before" ] && return 0
        kill -0 "$grisk_pid" 2>/dev/null || fail "the program ended at the table"
        sleep 0.2
    done
    return 1
}

# Waits until the program has done no work for the given seconds in a row:
# longer than any pause of a turn, so that the other seats are done.
quiet_for() {
    local quiet=0 waited=0
    while [ "$quiet" -lt "$1" ]; do
        if [ "$(ticks_in 1)" -le "$idle_ticks_allowed" ]; then
            quiet=$((quiet + 1))
        else
            quiet=0
        fi
        waited=$((waited + 1))
        [ "$waited" -lt "$settle_limit" ] || fail "the table never came to rest"
    done
}

click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
double_click_at() { xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 60 1; }

# Drags with the left button, in a few steps as a hand does.
drag() {
    local win=$1 x1=$2 y1=$3 x2=$4 y2=$5 i
    xdotool mousemove --window "$win" "$x1" "$y1" mousedown 1
    for i in 1 2 3 4 5; do
        xdotool mousemove --window "$win" $((x1 + (x2 - x1) * i / 5)) $((y1 + (y2 - y1) * i / 5))
        sleep 0.1
    done
    xdotool mouseup 1
}

# Deals a game with the Deal button, plays every card that fits by
# double-clicking it, ends the turn with a hand card dropped on a hold pile
# and waits for the computer seat's turn to bring the turn back.
play_a_turn() {
    local tip win before hold theirs s
    tip=$(find_window "$tip_title" 10)
    [ -z "$tip" ] || wmctrl -ic "$tip"
    win=$(wait_window '^Grisk and Varnok$')
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    local pay_off hand_place_2_area hold_pile_1_area seat2_hold_area
    pay_off=($(control_centre Picture7 1))
    hand_place_2_area=$(control_area Picture7 2)
    hold_pile_1_area=$(control_area Picture7 7 1)
    seat2_hold_area=$(control_area Label3 1)
    before=$(area "$win" "$hand_place_2_area")
    click_at "$win" "${deal_button[@]}"
    area_changes "$win" "$hand_place_2_area" "$before" 60 || fail "the Deal button dealt no hand"
    quiet_for 3
    log "dealt"

    double_click_at "$win" "${pay_off[@]}"
    sleep 1
    for s in 2 3 4 5 6; do
        double_click_at "$win" $(hand_place $s)
        sleep 1
    done
    quiet_for 3

    hold=$(area "$win" "$hold_pile_1_area")
    theirs=$(area "$win" "$seat2_hold_area")
    for s in 2 3 4 5 6; do
        drag "$win" $(hand_place $s) $(hold_pile 1)
        area_changes "$win" "$hold_pile_1_area" "$hold" 5 && break
    done
    [ "$(area "$win" "$hold_pile_1_area")" != "$hold" ] || fail "no hand card went onto a hold pile"
    area_changes "$win" "$seat2_hold_area" "$theirs" 60 || fail "the computer seat did not discard"
    quiet_for 3
    expect_idle
    log "a turn went round the table and came back"
}

# A turn played with the numeric keypad: a card's key, Enter and a centre
# pile's key play it (each card of the pay-off pile and the hand is tried on
# each centre pile until one fits: the others are refused with a rule
# message); a hand card's key, Enter and keypad 7 drop it on the first hold
# pile, and the computer seat's turn brings the turn back.
play_a_turn_by_keypad() {
    local win before after s c played="" hold theirs
    win=$(wait_window '^Grisk and Varnok$')
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    quiet_for 2
    before=$(for c in 1 2 3; do area "$win" "$(control_area PicCenter "$c")"; done)
    for s in 1 2 3 4 5 6; do
        for c in 1 2 3; do
            xdotool key "KP_$s" Return "KP_$c"
            sleep 0.5
            after=$(for c in 1 2 3; do area "$win" "$(control_area PicCenter "$c")"; done)
            [ "$after" != "$before" ] && { played="$s"; break 2; }
        done
    done
    if [ -n "$played" ]; then
        log "keypad $played, Enter and a centre pile's key played a card"
    else
        log "no card of this deal fitted a centre pile (every keypad play was refused)"
    fi
    quiet_for 2
    hold=$(area "$win" "$(control_area Picture7 7 1)")
    theirs=$(area "$win" "$(control_area Label3 1)")
    for s in 2 3 4 5 6; do
        xdotool key "KP_$s" Return KP_7
        area_changes "$win" "$(control_area Picture7 7 1)" "$hold" 5 && break
    done
    [ "$(area "$win" "$(control_area Picture7 7 1)")" != "$hold" ] || fail "no hand card went onto a hold pile by keypad"
    area_changes "$win" "$(control_area Label3 1)" "$theirs" 60 || fail "the computer seat did not discard"
    quiet_for 3
    expect_idle
    log "a turn played by keypad went round the table and came back"
}

# ---- the opponent ---------------------------------------------------------------

sounds_dir() { echo "$HOME/.local/share/Quenmoor/Grisk and Varnok/User/Sounds"; }
avatars_dir() { echo "$HOME/.local/share/Quenmoor/Grisk and Varnok/User/Avatars"; }

# The new player's opponent is Grisk: his sixteen sounds lie in "Sounds" as
# ".pmw" files while the program runs, and his portrait is the table's
# avatar (found in the window's top right corner, pixel for pixel).
expect_opponent_shown() {
    local win count found
    count=$(find "$(sounds_dir)" -maxdepth 1 -name 'Grisk*.pmw' | wc -l)
    [ "$count" -eq 16 ] || fail "Grisk's sounds are not installed: $count .pmw files in $(sounds_dir)"
    win=$(wait_window '^Grisk and Varnok$')
    import -window "$win" png:- 2>/dev/null | convert png:- -gravity NorthEast -crop 300x200+0+0 +repage \
        "$work/avatar-corner.png"
    found=$(compare -metric RMSE -subimage-search "$work/avatar-corner.png" "$(avatars_dir)/Grisk.jpg" null: 2>&1 |
            sed -n 's/.*(\([0-9.e-]*\)).*/\1/p' | head -n1)
    [ -n "$found" ] && awk -v d="$found" 'BEGIN { exit !(d < 0.05) }' ||
        fail "the table does not show Grisk's avatar (difference ${found:-none})"
    log "the opponent's avatar shows and its sounds are installed"
}

# Once the turn has come back, the opponent speaks on the remark line (a
# remark of its turn, or its nudge while the player idles): white text
# appears in the line's place within half a minute.
expect_opponent_remark() {
    local win r band white
    win=$(wait_window '^Grisk and Varnok$')
    r=($(control_rect Label9 2)) || fail "the table has no remark line"
    # Below the opponent's name label, which the line's place overlaps.
    band="${r[2]}x$((r[3] - 8))+${r[0]}+$((r[1] + 8))"
    for _ in $(seq 1 60); do
        white=$(import -window "$win" png:- 2>/dev/null |
                convert png:- -crop "$band" +repage -fuzz 15% -fill black +opaque white \
                        -format '%[fx:round(mean*w*h)]' info:)
        [ "${white:-0}" -gt 50 ] && { log "the opponent spoke"; return; }
        kill -0 "$grisk_pid" 2>/dev/null || fail "the program ended while the opponent should speak"
        sleep 0.5
    done
    fail "the opponent said nothing on the remark line"
}

# Shut-down deletes the personalities' sounds.
expect_no_personality_sounds() {
    local left
    left=$(find "$(sounds_dir)" -maxdepth 1 -name '*.pmw' -printf '%f ')
    [ -z "$left" ] || fail "personality sounds left behind: $left"
}

# Opens the menu strip at the table's top edge, presses the title at x
# (pixels of the strip) and picks row `row` of its command list.
pick_menu_row() {
    local title_x=$1 row=$2 win list
    win=$(wait_window '^Grisk and Varnok$')
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    xdotool mousemove --window "$win" 300 200
    sleep 0.3
    xdotool mousemove --window "$win" 300 2
    sleep 1
    click_at "$win" "$title_x" 40
    list=$(wait_window '^Grisk$')
    # The rows are 18 pixels high under a band of 22.
    click_at "$list" 40 $((22 + row * 18 + 9))
}

# Game -> Change/New Player, and a name typed into the sign-in window.
change_player() {
    local dialog
    pick_menu_row 100 1
    dialog=$(wait_window "^Welcome to Grisk's World$")
    xdotool windowactivate --sync "$dialog"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 40 "$1"
    xdotool key Return
    window_gone "^Welcome to Grisk's World$" 30 || fail "the sign-in window did not take $1"
    log "changed player to $1"
}

# Presses the key on the table until a window of the pattern comes (a key
# sent before the table had the keys is lost), three times at the most;
# prints the window's id, nothing when none came.
key_for_window() {
    local win id=""
    for _ in 1 2 3; do
        win=$(main_window)
        xdotool windowactivate --sync "$win" 2>/dev/null || true
        xdotool key "$1"
        id=$(find_window "$2" 20)
        [ -n "$id" ] && break
    done
    echo "$id"
}

# F10 opens the opponent set-up, whose close box leaves it (the game goes
# on); the Options menu's row 7 opens the comment editor beside the table,
# whose close box leaves it without a question.
open_set_up_windows() {
    local setup editor
    setup=$(key_for_window F10 '^Opponents Setup$')
    [ -n "$setup" ] || fail "F10 opened no opponent set-up"
    wmctrl -ic "$setup"
    window_gone '^Opponents Setup$' 30 || fail "the opponent set-up did not close"
    pick_menu_row 265 7
    editor=$(wait_window '^Custom Comments$')
    wmctrl -ic "$editor"
    window_gone '^Custom Comments$' 30 || fail "the comment editor did not close"
    expect_idle
    log "the opponent set-up and the comment editor opened and closed"
}

# F5, F6 and End open the speed window, the house rules and the
# preferences; each is left as the player leaves it (Done, the close box,
# Cancel by the close box) and the table idles again.
open_option_windows() {
    local title opened
    for key_and_title in "F5:^Speed Settings$" "F6:^Rules$" "End:^Preferences$"; do
        title=${key_and_title#*:}
        opened=$(key_for_window "${key_and_title%%:*}" "$title")
        [ -n "$opened" ] || fail "${key_and_title%%:*} opened no \"$title\" window"
        shot "option-${key_and_title%%:*}"
        if [ "${key_and_title%%:*}" = F5 ]; then
            xdotool windowactivate --sync "$opened" 2>/dev/null || true
            xdotool key Return
        else
            wmctrl -ic "$opened"
        fi
        window_gone "$title" 30 || fail "the \"$title\" window did not close"
    done
    expect_idle
    log "the speed window, the house rules and the preferences opened and closed"
}

# On a connected copy: F10 opens the Internet player set-up (its opponent
# panel, then the player's own) and, on the
# host, the Internet menu's row 7 the host's rules; the Internet menu's row
# 1 opens the Internet scores (the copy has a score file). Each close box
# leaves its window, the game goes on and the table idles again.
readonly internet_menu_x=420
open_internet_windows() {
    local role=$1 setup rules scores
    setup=$(key_for_window F10 '^Internet Players Setup$')
    [ -n "$setup" ] || fail "F10 opened no Internet player set-up on the $role copy"
    sleep 1
    shot "internet-setup-$role"
    click_at "$setup" 404 54   # the Player button: the player's own panel
    sleep 1
    shot "internet-setup-player-$role"
    wmctrl -ic "$setup"
    window_gone '^Internet Players Setup$' 30 || fail "the Internet player set-up did not close"
    if [ "$role" = host ]; then
        pick_menu_row "$internet_menu_x" 7
        rules=$(wait_window '^Host Setup and Rules$')
        sleep 1
        shot internet-host-rules
        wmctrl -ic "$rules"
        window_gone '^Host Setup and Rules$' 30 || fail "the host's rules window did not close"
    fi
    pick_menu_row "$internet_menu_x" 1
    scores=$(wait_window '^Internet Game Scores$')
    sleep 1
    shot "internet-scores-$role"
    wmctrl -ic "$scores"
    window_gone '^Internet Game Scores$' 30 || fail "the Internet scores did not close"
    expect_idle
    log "the $role copy opened and closed its Internet windows"
}

# An Internet score file of two players for the named player, with two
# opponents, in the user tree (made before the program starts, which lists
# the score files).
seed_score_file() {
    python3 - "$HOME/.local/share/Quenmoor/Grisk and Varnok/User/$1_2.ran" "$1" <<'PY'
import struct, sys
def rec(name, *values):
    return name.encode('latin-1').ljust(30, b' ') + struct.pack('<4h', *values)
with open(sys.argv[1], 'wb') as f:
    f.write(rec(sys.argv[2], 5, 3, 12, 3) + rec('Wendel', 3, 2, 9, 3) + rec('Ysolde', 2, 1, 3, 3))
PY
}

# F3 opens the scoreboard window over the table; its close box leaves it
# and the table idles again.
look_at_scoreboard() {
    local board
    board=$(key_for_window F3 '^Scores and Stats$')
    [ -n "$board" ] || fail "F3 opened no scoreboard"
    sleep 1
    shot scoreboard
    wmctrl -ic "$board"
    window_gone '^Scores and Stats$' 30 || fail "the scoreboard did not close"
    expect_idle
    log "F3 opened the scoreboard and its close box closed it"
}

# The name of the last player, as record 1 of the profile file keeps it.
last_player() {
    python3 - "$(data_dir)/Prefs.sav" <<'PY'
import sys
print(open(sys.argv[1], "rb").read()[130:150].decode("latin-1").strip())
PY
}

# ---- saved games ----------------------------------------------------------------

# What the piles of the table show (pay-off pile, hand, hold piles and the
# centre piles), one checksum a pile.
pile_areas() {
    local win=$1 i
    for i in $(seq 1 10); do area "$win" "$(control_area Picture7 "$i")"; done
    for i in 1 2 3; do area "$win" "$(control_area PicCenter "$i")"; done
}

# The saved-games window opened from the table by the key, and its slot 2
# clicked.
click_slot_2() {
    local dialog
    xdotool windowactivate --sync "$(wait_window '^Grisk and Varnok$')"
    xdotool key "$1"
    dialog=$(wait_window '^Saved Games$')
    xdotool windowactivate --sync "$dialog"
    sleep 0.5
    click_at "$dialog" 200 64
}

# Ctrl+S, slot 2 clicked, a title typed after the proposed "2P_" and Enter:
# the game is saved into slot 2 under that title. The piles are kept in
# saved_piles for the restore.
saved_piles=""
save_game() {
    saved_piles=$(pile_areas "$(wait_window '^Grisk and Varnok$')")
    click_slot_2 ctrl+s
    sleep 0.5
    xdotool type --delay 40 "$1"
    xdotool key Return
    window_gone '^Saved Games$' 30 || fail "the save window did not close"
    [ "$(saved_title 2)" = "2P_$1" ] || fail "slot 2 holds \"$(saved_title 2)\", not \"2P_$1\""
    log "saved the game into slot 2 as 2P_$1"
}

# The title of a record of the saved games.
saved_title() {
    python3 - "$(data_dir)/backup.sav" "$1" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
n = int(sys.argv[2])
print(data[(n - 1) * 6038 + 6008:n * 6038].split(b"\0")[0].decode("latin-1").strip())
PY
}

# Ctrl+R in a new session, slot 2 clicked and Restore (Enter): the table
# shows every pile as it was saved, and the program idles again.
restore_game() {
    local win
    win=$(wait_window '^Grisk and Varnok$')
    click_slot_2 ctrl+r
    xdotool key Return
    window_gone '^Saved Games$' 30 || fail "the restore window did not close"
    quiet_for 2
    [ "$(pile_areas "$win")" = "$saved_piles" ] || fail "the restored table differs from the one saved"
    expect_idle
    log "restored the game of slot 2 after a new start"
}

# Game -> Restart Current Game, answered OK: the deal of the restored game
# comes back, its first hold pile as empty as it was before the deal.
restart_game() {
    local win box
    win=$(wait_window '^Grisk and Varnok$')
    pick_menu_row 100 7
    box=$(wait_window '^Restart Game$')
    xdotool windowactivate --sync "$box"
    xdotool key Return
    window_gone '^Restart Game$' 30 || fail "the restart question did not close"
    quiet_for 2
    [ "$(area "$win" "$(control_area Picture7 7 1)")" = "$empty_hold" ] ||
        fail "the restarted game's first hold pile is not empty"
    [ "$(pile_areas "$win")" != "$saved_piles" ] || fail "the restart left the saved position on the table"
    log "the restart put the dealt game back"
}
empty_hold=""

# ---- help, tips and About ------------------------------------------------------

readonly tip_title='^Quenmoor Tip of the Day$'
readonly help_title='^Grisk and Varnok Help$'
readonly about_title='^About Grisk & Varnok$'
# Places in the tip window's inner area (shell/tips.cpp, in pixels): its
# buttons, its check box and the frame of the tip.
readonly tip_ok=(398 54) tip_next=(398 90) tip_previous=(398 126) tip_manual=(398 162) tip_box=(23 211)
readonly tip_frame="324x152+16+40"
# The Help title of the menu strip (table/menu_strip.cpp), and the About row
# of its list: rows of 18 pixels from 22 down (shell/frm_menu.cpp), About the
# ninth.
readonly help_menu_title=(574 40)
readonly about_row=(40 175)
# In the About window: the King that shows the credits, and OK.
readonly about_icon=(50 60) about_ok=(380 244)

# A screenshot of the whole screen, kept when SMOKE_SHOTS names a folder.
shot() {
    [ -n "${SMOKE_SHOTS:-}" ] || return 0
    mkdir -p "$SMOKE_SHOTS"
    import -window root "$SMOKE_SHOTS/$1.png" 2>/dev/null || true
}

# Waits until no window of the program matches the pattern.
expect_gone() {
    for _ in $(seq 1 100); do
        [ -z "$(xdotool search --all --onlyvisible --pid "$grisk_pid" --name "$1" 2>/dev/null)" ] && return 0
        sleep 0.2
    done
    fail "the window \"$1\" did not close"
}

# How many visible windows of the program match the pattern.
count_windows() {
    xdotool search --all --onlyvisible --pid "$grisk_pid" --name "$1" 2>/dev/null | wc -l
}

main_window() { wait_window '^Grisk and Varnok$' | head -n1; }

# The tip steps forward and back, its User's Manual button and F1 open the
# manual, and the table idles with both open.
look_at_tips_and_help() {
    local tip first help win
    tip=$(wait_window "$tip_title")
    sleep 1
    first=$(area "$tip" "$tip_frame")
    click_at "$tip" "${tip_next[@]}"
    area_changes "$tip" "$tip_frame" "$first" 10 || fail "Next Tip showed no other tip"
    click_at "$tip" "${tip_previous[@]}"
    sleep 0.5
    [ "$(area "$tip" "$tip_frame")" = "$first" ] || fail "Previous Tip did not bring the first tip back"
    click_at "$tip" "${tip_manual[@]}"
    help=$(wait_window "$help_title")
    shot tips-and-help
    expect_idle
    wmctrl -ic "$help"
    expect_gone "$help_title"

    win=$(main_window)
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    xdotool key F1
    help=$(wait_window "$help_title")
    wmctrl -ic "$help"
    expect_gone "$help_title"
    log "the tips step both ways and the manual opens from them and from F1"
}

# The Help menu's About: the version, the credits behind the King, OK.
# Then Ctrl+F5 shows the splash window over the table and puts it away.
look_at_about() {
    local win list about known
    win=$(main_window)
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    known=$(xdotool search --all --onlyvisible --pid "$grisk_pid" --name '' 2>/dev/null | sort)
    xdotool mousemove --window "$win" 300 2
    sleep 1
    click_at "$win" "${help_menu_title[@]}"
    list=""
    for _ in $(seq 1 50); do
        list=$(comm -13 <(echo "$known") \
                        <(xdotool search --all --onlyvisible --pid "$grisk_pid" --name '' 2>/dev/null | sort) | head -n1)
        [ -n "$list" ] && break
        sleep 0.2
    done
    [ -n "$list" ] || fail "the Help title opened no command list"
    click_at "$list" "${about_row[@]}"
    about=$(wait_window "$about_title")
    click_at "$about" "${about_icon[@]}"
    sleep 1
    shot about-credits
    click_at "$about" "${about_ok[@]}"
    expect_gone "$about_title"

    # Typed as a keyboard types, into the window that has the focus: a key
    # sent to a window by name may reach a window that has just closed.
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    xdotool key ctrl+F5
    for _ in $(seq 1 50); do [ "$(count_windows '^Grisk and Varnok$')" -eq 2 ] && break; sleep 0.2; done
    [ "$(count_windows '^Grisk and Varnok$')" -eq 2 ] || fail "Ctrl+F5 showed no splash window"
    shot splash
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    xdotool key ctrl+F5
    for _ in $(seq 1 50); do [ "$(count_windows '^Grisk and Varnok$')" -eq 1 ] && break; sleep 0.2; done
    [ "$(count_windows '^Grisk and Varnok$')" -eq 1 ] || fail "Ctrl+F5 did not put the splash window away"
    log "About shows the version and the credits; Ctrl+F5 shows and hides the splash"
}

# Unticks "Show Tips at Startup" (stored at once) and closes the tip with OK,
# which stores the tip's number.
untick_tips() {
    local tip settings="$HOME/.config/Quenmoor/Quenmoor.ini"
    local seen
    seen=$(sed -n 's/^Tip%20Number=//p' "$settings")
    tip=$(wait_window "$tip_title")
    click_at "$tip" "${tip_box[@]}"
    sleep 0.5
    grep -q 'Show%20Tips%20at%20Startup=0' "$settings" || fail "unticking the tips' box stored nothing"
    click_at "$tip" "${tip_ok[@]}"
    expect_gone "$tip_title"
    grep -q "Tip%20Number=$((${seen:-0} + 1))" "$settings" || fail "closing the tip stored no tip number"
}

# Some of the run's files are written only once the table has painted: a
# close the moment the table shows, and a SIGTERM while the program is
# still starting (its first window up, the table not yet), leave none.
close_during_start() {
    log "a start closed as soon as the table shows"
    start_grisk closed-at-once
    close_main_window
    expect_clean_exit
    log "a start ended by SIGTERM while it starts"
    start_grisk ended-while-starting
    local id=""
    for _ in $(seq 1 $((start_timeout * 20))); do
        id=$(xdotool search --onlyvisible --pid "$grisk_pid" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        kill -0 "$grisk_pid" 2>/dev/null || break
        sleep 0.05
    done
    [ -n "$id" ] || fail "no window of the program came"
    kill -TERM "$grisk_pid"
    expect_clean_exit
}

# The program's table window: the splash that shows first bears the same
# title but is a small window (400 pixels wide), so the table is the window
# of that title that is wider. Nothing when none came or the program ended.
table_window_id() {
    local id width
    for _ in $(seq 1 $((start_timeout * 5))); do
        for id in $(xdotool search --all --onlyvisible --pid "$grisk_pid" --name '^Grisk and Varnok$' 2>/dev/null); do
            width=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry:/ { split($2, g, "x"); print g[1] }')
            [ -n "$width" ] && [ "$width" -gt 400 ] && { echo "$id"; return; }
        done
        kill -0 "$grisk_pid" 2>/dev/null || return 0
        sleep 0.2
    done
}

close_main_window() {
    # As a window manager does: _NET_CLOSE_WINDOW to openbox, which sends
    # WM_DELETE_WINDOW to the program.
    local id
    id=$(table_window_id)
    [ -n "$id" ] || fail "no table window of the program came"
    wmctrl -ic "$id"
}

main() {
    start_screen
    make_user_tree
    table_geometry

    log "first start: a new player"
    start_grisk
    wait_window '^Grisk and Varnok$' >/dev/null
    sign_in "Smoke"
    follow_tutorial
    expect_opponent_shown
    deal_at_once
    expect_idle
    close_main_window
    expect_clean_exit
    expect_no_personality_sounds
    grep -qa "Smoke" "$(data_dir)/Prefs.sav" || fail "the new player's profile was not saved"

    log "second start: the known player, ended by SIGTERM"
    start_grisk
    wait_window '^Grisk and Varnok$' >/dev/null
    wait_window "$tip_title" >/dev/null
    expect_idle
    expect_second_copy_refused
    look_at_tips_and_help
    untick_tips
    look_at_about
    play_a_turn
    expect_opponent_remark
    save_game "Smoke test"
    change_player "Second"
    change_player "Smoke"
    open_set_up_windows
    open_option_windows
    look_at_scoreboard
    kill -TERM "$grisk_pid"
    expect_clean_exit
    expect_no_personality_sounds
    grep -qa "Second" "$(data_dir)/Prefs.sav" || fail "the second player's profile was not saved"
    [ "$(last_player)" = "Smoke" ] || fail "the last player is \"$(last_player)\", not Smoke"

    log "third start: the tips were unticked, the saved game comes back"
    start_grisk
    wait_window '^Grisk and Varnok$' >/dev/null
    expect_idle
    [ -z "$(find_window "$tip_title" 2)" ] || fail "a tip showed after its box was unticked"
    empty_hold=$(area "$(wait_window '^Grisk and Varnok$')" "$(control_area Picture7 7 1)")
    restore_game
    restart_game
    play_a_turn_by_keypad
    close_main_window
    expect_clean_exit

    close_during_start

    log "passed"
}

# Other scripts source this one for its steps (GRISK_SMOKE_STEPS_ONLY=1).
[ "${GRISK_SMOKE_STEPS_ONLY:-0}" = 1 ] || main
