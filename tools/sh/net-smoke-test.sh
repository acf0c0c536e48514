#!/usr/bin/env bash
# Two copies of the real program, each on a virtual screen and with a user
# tree of its own, play an Internet game over 127.0.0.1 as two players on
# one machine would: the host opens the connection window (F11) and hosts
# on a port above 1023, the other joins 127.0.0.1 on that port; the
# handshake seats the remote player, the host starts a game (F2), the
# remote player answers with Deal and both tables are dealt. The two
# players take turns across the connection (each drops a hand card on a
# hold pile with the numeric keypad; the other table shows it arrive).
# Each copy opens its Internet windows (the player set-up, the host's rules
# on the host, the Internet scores) and leaves them by their close boxes.
# The remote player then ends the game (F11), and each copy declines to
# save it and deals a local game. They connect again and this time the
# host ends it:
# the remote copy hears "Dealer has terminated game." and both deal local
# games again. Both copies then close cleanly.
#
#   net-smoke-test.sh GRISK GRISK_SETUP GRISK_SNAPSHOT
set -euo pipefail
GRISK_SMOKE_STEPS_ONLY=1 . "$(dirname "$0")/smoke-test.sh" "$@"

readonly connection_title='^Quenmoor Internet Connection$'
declare -A copy_pid copy_home copy_display

# Makes the named copy the one the steps look at.
use_copy() {
    grisk_pid=${copy_pid[$1]}
    grisk_log="$work/$1.log"
    export HOME="${copy_home[$1]}"
    export XDG_RUNTIME_DIR="$work/$1/runtime"
    export DISPLAY="${copy_display[$1]}"
}

# A screen of its own (the first screen's server and window manager are
# kept for the clean-up), a new user tree, the program started in it and a
# new player signed in.
start_copy() {
    [ -z "$xvfb_pid" ] || started+=("$xvfb_pid" "$wm_pid")
    start_screen
    copy_display[$1]=$DISPLAY
    make_user_tree "$1"
    seed_score_file "$2"
    copy_home[$1]=$HOME
    start_grisk "$1"
    copy_pid[$1]=$grisk_pid
    wait_window '^Grisk and Varnok$' >/dev/null
    sign_in "$2"
    leave_tutorial
    local tip
    tip=$(find_window "$tip_title" 10)
    [ -z "$tip" ] || wmctrl -ic "$tip"
}

table_window() {
    local win
    win=$(wait_window '^Grisk and Varnok$')
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    echo "$win"
}

# A key pressed on the copy's table, its window brought to the front first.
press_on_table() {
    table_window >/dev/null
    xdotool key "$1"
}

# Answers the box of that title with a key.
answer_box() {
    local box
    box=$(wait_window "$1")
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    xdotool key "$2"
    window_gone "$1" 30 || fail "the box \"$1\" did not close"
}

# The connection window from F11: Host, or Remote with the address; the
# port typed; Enter connects. Places in pixels of the window as it lays
# its controls out.
connect_from_window() {
    local role=$1 win
    # A key sent before the table had the keyboard is lost: pressed again.
    for _ in 1 2 3; do
        press_on_table F11
        win=$(find_window "$connection_title" 20)
        [ -n "$win" ] && break
    done
    [ -n "$win" ] || fail "F11 opened no connection window"
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    if [ "$role" = remote ]; then
        click_at "$win" 128 106   # Remote
        sleep 0.3
        click_at "$win" 96 171    # the host's address
        xdotool key ctrl+a
        xdotool type --delay 30 127.0.0.1
    fi
    click_at "$win" 310 105       # the port
    xdotool key ctrl+a
    xdotool type --delay 30 "$port"
    xdotool key Return
    window_gone "$connection_title" 30 || fail "the connection window stayed"
    log "$role: connecting on port $port"
}

connected() { ss -tnH state established "( sport = :$port or dport = :$port )" 2>/dev/null | grep -q .; }

expect_connected() {
    for _ in $(seq 1 150); do
        connected && { log "the copies are connected"; return; }
        sleep 0.2
    done
    fail "the copies did not connect"
}

# The hand of the copy's player shows cards (its area changes).
hand_area() { area "$(table_window)" "$(control_area Picture7 2)"; }

expect_dealt() {
    local before=$1
    if ! area_changes "$(table_window)" "$(control_area Picture7 2)" "$before" 60; then
        [ -z "${SMOKE_SHOTS:-}" ] || snap root "$SMOKE_SHOTS/net-failed.png" || true
        fail "$2"
    fi
}

# Presses the copy's Deal button (shown once its last step is done) until
# its hand shows cards.
press_deal_until_dealt() {
    local before=$1
    for _ in $(seq 1 30); do
        click_at "$(table_window)" "${deal_button[@]}"
        area_changes "$(table_window)" "$(control_area Picture7 2)" "$before" 2 && break
    done
    expect_dealt "$before" "$2"
}

# The copy whose turn it is drops a hand card on its first hold pile with
# the numeric keypad (a hand place's key, Enter, keypad 7); the other copy
# must show that card arrive on its opponent's hold piles. Prints the copy
# that moved: on the other copy the keys are refused ("It's NOT your turn").
drop_across() {
    local mover=$1 watcher=$2 hold theirs s
    # Both tables at rest first (a deal or a turn may still be shown).
    use_copy "$watcher"
    quiet_for 2
    theirs=$(area "$(table_window)" "$(control_area Label3 1)")
    use_copy "$mover"
    quiet_for 2
    hold=$(area "$(table_window)" "$(control_area Picture7 7 1)")
    for s in 2 3 4 5 6; do
        press_on_table KP_$s
        xdotool key Return KP_7
        area_changes "$(table_window)" "$(control_area Picture7 7 1)" "$hold" 3 && break
    done
    [ "$(area "$(table_window)" "$(control_area Picture7 7 1)")" != "$hold" ] || return 1
    use_copy "$watcher"
    area_changes "$(table_window)" "$(control_area Label3 1)" "$theirs" 60 ||
        fail "$watcher did not show the card $mover dropped"
    quiet_for 2
    log "$mover dropped a card; $watcher shows it on $mover's hold piles"
}

# A few turns across the connection: whoever begins drops a card, then the
# other, and so on; each drop shows on the other table.
play_turns_across() {
    local mover=host watcher=remote turn
    if ! drop_across host remote; then
        mover=remote
        watcher=host
        drop_across remote host || fail "neither copy could drop a card"
    fi
    for turn in 2 3 4; do
        local next=$watcher
        watcher=$mover
        mover=$next
        drop_across "$mover" "$watcher" || fail "$mover could not drop a card on turn $turn"
    done
    log "four turns went across the connection"
    if [ -n "${SMOKE_SHOTS:-}" ]; then
        for turn in host remote; do
            use_copy "$turn"
            snap "$(table_window)" "$SMOKE_SHOTS/net-$turn-after-turns.png" || true
        done
    fi
}

# Both copies deal a local game with their Deal buttons.
local_games() {
    local who
    for who in host remote; do
        use_copy "$who"
        press_deal_until_dealt "$(hand_area)" "$who could not deal a local game"
        quiet_for 2
    done
    connected && fail "a connection is still open"
    log "both copies deal local games"
}

connect_both() {
    use_copy host
    connect_from_window host
    sleep 1
    use_copy remote
    connect_from_window remote
    expect_connected
}

main_net() {
    table_geometry
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

    start_copy host Hosta
    start_copy remote Remota

    log "the remote player joins, the host deals, the remote player ends the game"
    connect_both
    sleep 2
    use_copy host
    local host_before
    host_before=$(hand_area)
    press_on_table F2
    use_copy remote
    # The host's new game shows the Deal button here.
    press_deal_until_dealt "$(hand_area)" "the remote player's table was not dealt"
    use_copy host
    expect_dealt "$host_before" "the host's table was not dealt"
    quiet_for 3
    log "both tables are dealt"
    play_turns_across
    use_copy host
    open_internet_windows host
    use_copy remote
    open_internet_windows remote
    use_copy remote
    press_on_table F11
    answer_box '^TERMINATE Quenmoor Connection$' Return
    answer_box '^Save Game$' n
    use_copy host
    answer_box '^Save Game$' n
    local_games

    log "they connect again and the host ends the game"
    connect_both
    sleep 2
    use_copy host
    press_on_table F11
    answer_box '^TERMINATE Quenmoor Connection$' Return
    use_copy remote
    answer_box '^Quenmoor$' Return
    local_games

    for who in host remote; do
        use_copy "$who"
        close_main_window
        expect_clean_exit
    done
    log "passed"
}

# Other scripts source this one for its steps (GRISK_NET_STEPS_ONLY=1).
[ "${GRISK_NET_STEPS_ONLY:-0}" = 1 ] || main_net
