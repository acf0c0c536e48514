#!/usr/bin/env bash
# A developer's look at the chat: two copies of the real program connect
# over 127.0.0.1, talk with smileys, a slap and a sound, one peeks, and
# screenshots of both screens and both chat windows are kept.
#
#   chat-look.sh BUILD_DIR SHOTS_DIR   (CHAT_LOOK_DISPLAY=:N puts the host's screen on :N)
set -euo pipefail
B=$(realpath "${1:-build-asan}")
shots=$(realpath -m "${2:-chat-shots}")
mkdir -p "$shots"
cd "$(dirname "$0")/../.."
GRISK_NET_STEPS_ONLY=1 GRISK_SMOKE_STEPS_ONLY=1 . tools/sh/net-smoke-test.sh "$B/grisk" "$B/grisk-setup" "$B/tools/grisk-snapshot"
eval "orig_$(declare -f start_screen)"
# The host's screen is CHAT_LOOK_DISPLAY when set; the remote copy gets a screen of its own.
start_screen() {
    if [ -z "$xvfb_pid" ] && [ -n "${CHAT_LOOK_DISPLAY:-}" ]; then
        Xvfb "$CHAT_LOOK_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        sleep 1
        export DISPLAY=$CHAT_LOOK_DISPLAY
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        wm_pid=$!
        for _ in $(seq 1 300); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
    else
        orig_start_screen
    fi
}
snap() { import -window root "$shots/$1-$(echo $DISPLAY | tr -d :).png"; log "shot $1"; }
chat_window() { wait_window '^ ROZOReri Thoughts $' | head -n1; }
# Types a line into the copy's chat window and sends it with Enter.
chat_say() {
    local win; win=$(chat_window)
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove --window "$win" 30 $((HEIGHT - 12)) click 1
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 1
}
table_geometry
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
start_copy host Hosta
start_copy remote Remota
connect_both
sleep 3
use_copy host
chat_say "Hello Remota, good luck:-D"
use_copy remote
chat_say "Thanks! ;-) <SLAP>"
chat_say "<SLAP>"
use_copy host
chat_say "WAV Boing"
use_copy remote
press_on_table F7
answer_box '^Cheater$' Return
sleep 2
use_copy host
snap chat-host
use_copy remote; snap chat-remote
# The chat menu under the Options label.
use_copy host
win=$(chat_window)
xdotool windowactivate --sync "$win" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --window "$win" $((WIDTH - 40)) 12 click 1
sleep 1
snap chat-menu
xdotool key Escape
sleep 0.5
for who in host remote; do
    use_copy "$who"
    win=$(chat_window)
    import -window "$win" "$shots/chat-$who-window.png"
done
log "screenshots in $shots"
for who in host remote; do use_copy "$who"; kill "$grisk_pid" 2>/dev/null || true; done
sleep 2
