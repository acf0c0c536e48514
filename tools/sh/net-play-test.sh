#!/usr/bin/env bash
# Internet play end to end: copies of the real program, each on a virtual
# screen of its own and with a user tree of its own (grisk-setup, then a
# known player made by grisk-net-player), play over 127.0.0.1 as players on
# one machine would. They are driven only through their windows (xdotool),
# their sockets and their files. One case a run:
#
#   net-play-test.sh CASE GRISK GRISK_SETUP GRISK_SNAPSHOT GRISK_NET_PLAYER SCRIPTED_PEER
#
# Cases (the table `cases` below says what each checks):
#   game-2 game-3 game-4      two, three or four copies connect through the
#                             connection window (F11), the host starts a new
#                             game (F2), the others answer with Deal, and
#                             every table is dealt; they play the whole game
#                             and every Internet score file counts it alike;
#                             the host ends the session and the remote
#                             players hear "Dealer has terminated game."
#   remote-ends               of three copies, one remote player ends the
#                             game from the Internet menu; the host hears
#                             that it quit, the other two play on
#   remote-killed-in-turn     the same with a remote player killed in the
#                             middle of its turn
#   transfer                  of three copies, the host saves the game and
#                             sends it again; both remote players resume it
#   remote-killed-in-transfer the same with a remote player killed as it
#                             goes out: the other stays connected
#   host-killed-in-deal       the host is killed while it waits for the Deal
#                             of its remote player
#   port-in-use, refused      a host on a port that is taken, a remote player
#                             joining a port where nobody listens
#   peer-host                 a scripted peer joins a real host: bad lines,
#                             a byte at a time, a silent peer, a burst of
#                             connections, and the older versions
#   peer-client               a real remote player joins scripted hosts: a
#                             bad line and the older versions
#
# Every copy must end cleanly (exit 0, no sanitizer report, no temporary
# file left) and keep its files. On a failure each copy's output is printed
# and a screenshot of each screen is kept in GRISK_NET_SHOTS (default
# ./net-play-shots).
set -euo pipefail

readonly net_case=$1
shift
# The steps of the smoke tests: screens, user trees, windows, areas, clean
# exits, and the connection window (net-smoke-test.sh).
GRISK_NET_STEPS_ONLY=1 . "$(dirname "$0")/net-smoke-test.sh" "$1" "$2" "$3"
readonly grisk_net_player=$(realpath "$4")
readonly scripted_peer=$(realpath "$5")
readonly shots_dir=${GRISK_NET_SHOTS:-$PWD/net-play-shots}
readonly table_title='^Grisk and Varnok$'

# Areas are read off the screen (see snap in smoke-test.sh): import of one
# window was seen to hold the X server of a copy for good.
area() { quick_area "$1" "$2"; }

declare -A copy_pid copy_home copy_display copy_players copy_table copy_name
current=""       # the copy the steps look at
copies=()        # the copies started, in order
peer_pid=""

log() { echo "net-play: [${SECONDS}s] $*"; }

net_cleanup() {
    [ -z "$peer_pid" ] || stop_pid "$peer_pid"
    cleanup
}
trap net_cleanup EXIT

# A failure shows every copy's output and keeps a picture of every screen.
fail() {
    echo "net-play: FAILED ($net_case): $*" >&2
    mkdir -p "$shots_dir"
    local who
    for who in "${copies[@]}"; do
        echo "---- the output of copy $who ----" >&2
        cat "$work/$who.log" >&2 2>/dev/null || true
        DISPLAY=${copy_display[$who]} snap root "$shots_dir/$net_case-$who.png" &&
            echo "---- screen of copy $who: $shots_dir/$net_case-$who.png" >&2
    done
    if [ -f "$work/peer.log" ]; then
        echo "---- the scripted peer ----" >&2
        cat "$work/peer.log" >&2
    fi
    exit 1
}

# ---- copies -----------------------------------------------------------------

# A copy on a screen of its own, as a known player whose table has the given
# number of players (the host's also a pay-off pile of 10 cards).
start_copy() {
    local who=$1 name=$2 players=$3
    shift 3
    [ -z "$xvfb_pid" ] || started+=("$xvfb_pid" "$wm_pid")
    start_screen
    copy_display[$who]=$DISPLAY
    make_user_tree "$who"
    copy_home[$who]=$HOME
    copy_players[$who]=$players
    copy_name[$who]=$name
    "$grisk_net_player" "$(data_dir)/Prefs.sav" "$name" --players "$players" \
        --centres "$([ "$players" -eq 2 ] && echo 3 || echo 4)" "$@" || fail "grisk-net-player failed"
    mkdir -p "$HOME/.config/Quenmoor"
    printf '[Options10]\nShow%%20Tips%%20at%%20Startup=0\n' >"$HOME/.config/Quenmoor/Quenmoor.ini"
    copies+=("$who")
    start_copy_program "$who"
}

start_copy_program() {
    start_grisk "$1"
    copy_pid[$1]=$grisk_pid
    current=$1
    copy_table[$1]=$(main_table)
}

# The id of the copy's table: the splash window that shows first bears the
# same title, so the table is the one window of that title left once the
# start-up is over (the program has come to rest).
main_table() {
    local ids
    wait_window "$table_title" >/dev/null
    for _ in $(seq 1 $((start_timeout / 2))); do
        quiet_for 2
        ids=$(xdotool search --all --onlyvisible --pid "$grisk_pid" --name "$table_title" 2>/dev/null)
        [ "$(echo "$ids" | grep -c .)" -eq 1 ] && { echo "$ids"; return; }
        kill -0 "$grisk_pid" 2>/dev/null || fail "the program ended while it started"
    done
    fail "no one table window of the program came"
}

# The copy's main window (a box without a title of its own bears the same
# title), brought to the front with the keyboard's focus (the chat window of
# an Internet game takes the focus when it opens).
table_window() {
    local win=${copy_table[$current]}
    for _ in $(seq 1 10); do
        timeout 2 xdotool windowactivate --sync "$win" 2>/dev/null || true
        timeout 2 xdotool windowfocus --sync "$win" 2>/dev/null || true
        sleep 0.2
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ] &&
            [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && break
    done
    echo "$win"
}

# A visible window of the copy with that title other than its table.
find_box() {
    local title=$1 seconds=$2 id
    for _ in $(seq 1 $((seconds * 5))); do
        id=$(xdotool search --all --onlyvisible --pid "$grisk_pid" --name "$title" 2>/dev/null |
             grep -vx "${copy_table[$current]}" | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        kill -0 "$grisk_pid" 2>/dev/null || return 0
        sleep 0.2
    done
}

press_on_table() {
    table_window >/dev/null
    xdotool key "$1"
}

# F11 on the table until the box of that title comes.
press_for_box() {
    for _ in 1 2 3 4 5 6; do
        press_on_table "$1"
        [ -n "$(find_box "$2" 10)" ] && return
    done
    fail "$current: $1 brought no box \"$2\""
}

# Waits for the box of that title (its title is what the harness
# reads of it) and answers it with a key.
answer_box() {
    local title=$1 key=$2 box
    box=$(find_box "$title" 120)
    [ -n "$box" ] || fail "$current: no box \"$title\" came"
    log "$current sees the box \"${title//[\^\$]/}\""
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    xdotool key "$key"
    # The next box may come in the same window, so a box still there after a
    # while is left to the next step.
    for _ in $(seq 1 25); do
        xdotool search --all --onlyvisible --pid "$grisk_pid" --name "$title" 2>/dev/null | grep -qx "$box" || return 0
        sleep 0.2
    done
}

# Answers every box of that title that comes within the seconds given.
answer_boxes() {
    local title=$1 key=$2 seconds=$3 box count=0
    while box=$(find_box "$title" "$seconds") && [ -n "$box" ]; do
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key "$key"
        count=$((count + 1))
        sleep 0.5
    done
    echo "$count"
}

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# The connections made to the port that are established.
established() { ss -tnH state established "( sport = :$port )" 2>/dev/null | wc -l; }

expect_established() {
    for _ in $(seq 1 150); do
        [ "$(established)" -ge "$1" ] && return
        sleep 0.2
    done
    fail "$(established) connections to the host, not $1"
}

# Where the table shows its Deal button: the one patch of the button's grey
# of a button's size (the table moves the button clear of its notices, so
# it is found on the screen). Nothing when no Deal button shows.
readonly button_grey="srgb(192,192,192)"
deal_place() {
    snap "$(table_window)" "$work/deal.png" || return 0
    convert "$work/deal.png" -fuzz 1% -fill white -opaque "$button_grey" -fill black +opaque white \
            -define connected-components:verbose=true -define connected-components:area-threshold=500 \
            -connected-components 8 null: 2>/dev/null |
        awk '$NF == "srgb(255,255,255)" && split($2, g, /[x+]/) == 4 &&
             g[1] >= 50 && g[1] <= 120 && g[2] >= 18 && g[2] <= 40 {
                 print g[3] + int(g[1] / 2), g[4] + int(g[2] / 2); exit }'
}

# What the player's hand shows: its five places together (one place alone
# may show the same card after a new deal).
hand_area() {
    read_places
    area "$(table_window)" "$(area_of hand)"
}

# Presses the copy's Deal button (once the table shows it) until it goes.
press_deal() {
    local place=""
    for _ in $(seq 1 60); do
        place=$(deal_place)
        [ -n "$place" ] && break
        sleep 1
    done
    [ -n "$place" ] || fail "$1: no Deal button showed"
    for _ in $(seq 1 10); do
        click_at "$(table_window)" $place
        sleep 1
        [ -z "$(deal_place)" ] && return
    done
    fail "$1: the Deal button stayed"
}

# Presses the copy's Deal button until its hand shows cards.
press_deal_until_dealt() {
    press_deal "$1"
    expect_dealt "$1" "$2"
}

expect_dealt() {
    read_places
    area_changes "$(table_window)" "$(area_of hand)" "$2" 60 || fail "$1: the table was not dealt"
}

# The named copy becomes the one the steps look at (use_copy), and the
# geometry file for its table size the one they read.
look_at() {
    current=$1
    use_copy "$1"
    geometry_file="$work/table-${copy_players[$1]}.json"
    if [ ! -f "$geometry_file" ]; then
        local n=${copy_players[$1]}
        QT_QPA_PLATFORM=offscreen "$grisk_snapshot" --players "$n" --centres "$([ "$n" -eq 2 ] && echo 3 || echo 4)" \
            --mode 0 --screen-width 19200 --seed 1 --out "$work/table-$n.png" --geometry "$geometry_file" \
            >"$work/snapshot.log" 2>&1 || fail "grisk-snapshot failed: $(cat "$work/snapshot.log")"
    fi
}

# The user's files as they stand (the temporary ones aside).
files_digest() {
    (cd "$(dirname "$(data_dir)")" && find . -type f ! -name '*.tmp' ! -name '~*' -print0 | sort -z |
        xargs -0 md5sum) | md5sum
}

# The host and its remote players connect: host first, then each remote.
connect_all() {
    local host=$1 who n=0
    shift
    look_at "$host"
    connect_from_window host
    sleep 1
    for who in "$@"; do
        look_at "$who"
        connect_from_window remote
        n=$((n + 1))
        expect_established "$n"
        # A later player is let in by the host's player.
        if [ "$n" -ge 2 ]; then
            look_at "$host"
            answer_box '^New opponent joining$' y
        fi
    done
    log "$n remote players are connected to the host"
}

# New Game on the host (F2); Deal on each remote player's table; every
# table dealt.
deal_all() {
    local host=$1 who before
    shift
    look_at "$host"
    quiet_for 2
    before=$(hand_area)
    declare -A hands
    for who in "$@"; do
        look_at "$who"
        hands[$who]=$(hand_area)
    done
    # F2 on the host shows the Deal button on the remote tables (a key that
    # reached the chat window instead is pressed again).
    local tries
    for tries in 1 2 3; do
        look_at "$host"
        press_on_table F2
        look_at "$1"
        for _ in $(seq 1 20); do
            [ -n "$(deal_place)" ] && break 2
            sleep 1
        done
    done
    for who in "$@"; do
        look_at "$who"
        press_deal "$who"
    done
    for who in "$@"; do
        look_at "$who"
        expect_dealt "$who" "${hands[$who]}"
    done
    look_at "$host"
    expect_dealt "$host" "$before"
    log "every table is dealt"
}

# Closes every copy still running; each must end cleanly with its files.
close_all() {
    local who
    for who in "${copies[@]}"; do
        look_at "$who"
        kill -0 "$grisk_pid" 2>/dev/null || continue
        close_main_window
        expect_clean_exit
    done
    log "every copy closed cleanly"
}

# A local game deals on the copy: it is back at its own table.
expect_local_game() {
    look_at "$1"
    press_deal_until_dealt "$1" "$(hand_area)"
    quiet_for 2
    log "$1 deals a local game"
}

# ---- a whole game -------------------------------------------------------------

# The places of the copy's table, read once a table size from the geometry:
# pile_at[NAME:INDEX] the centre of a pile, pile_area[NAME:INDEX] its area,
# and pile_area[hand] the five hand places together.
declare -A pile_at pile_area places_read
read_places() {
    [ -z "${places_read[$geometry_file]:-}" ] || return 0
    local key x y w h
    while read -r key x y w h; do
        pile_at[$geometry_file:$key]="$((x + w / 2)) $((y + h / 2))"
        pile_area[$geometry_file:$key]="${w}x${h}+${x}+${y}"
    done < <(python3 - "$geometry_file" <<'PY'
import json, sys
controls = json.load(open(sys.argv[1]))["controls"]
hand = []
for c in controls:
    if c["name"] in ("Picture7", "PicCenter"):
        print("%s:%d %d %d %d %d" % (c["name"], c["index"], c["x"], c["y"], c["width"], c["height"]))
        if c["name"] == "Picture7" and 2 <= c["index"] <= 6:
            hand.append(c)
x0 = min(c["x"] for c in hand); y0 = min(c["y"] for c in hand)
x1 = max(c["x"] + c["width"] for c in hand); y1 = max(c["y"] + c["height"] for c in hand)
print("hand %d %d %d %d" % (x0, y0, x1 - x0, y1 - y0))
PY
)
    places_read[$geometry_file]=1
}
at() { echo "${pile_at[$geometry_file:$1]}"; }
area_of() { echo "${pile_area[$geometry_file:$1]}"; }

# A checksum of an area of the table, read off the screen at once (no
# picture file): the window's place on the screen and the area within it.
quick_area() {
    local win=$1 w h x y ox oy
    IFS='x+' read -r w h x y <<<"$2"
    read -r ox oy < <(timeout 10 xwininfo -id "$win" 2>/dev/null |
        awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF } END { print x, y }')
    [ -n "$ox" ] || { echo "no picture"; return 0; }
    timeout 10 import -silent -window root -crop "${w}x${h}+$((x + ox))+$((y + oy))" +repage ppm:- 2>/dev/null |
        md5sum
}

# Waits up to the given tenths of a second for an area to show something else.
quick_change() {
    local win=$1 geometry=$2 before=$3 tenths=$4 now start=$SECONDS
    while :; do
        now=$(quick_area "$win" "$geometry")
        [ "$now" != "no picture" ] && [ "$now" != "$before" ] && return 0
        [ $(((SECONDS - start) * 10)) -lt "$tenths" ] || return 1
        sleep 0.2
    done
}

hand_now() { quick_area "$(table_window)" "$(area_of hand)"; }

# The copy's Internet score file for its table size, and its records as the
# program reads them ("name|played|won|margin|last", the header first). The
# file is made when the first game ends.
score_file() {
    echo "${copy_home[$1]}/.local/share/Quenmoor/Grisk and Varnok/User/${copy_name[$1]}_${copy_players[$1]}.ran"
}
score_rows() { "$grisk_net_player" --read-scores "$(score_file "$1")" "${copy_players[$1]}"; }
game_counted() { [ -s "$(score_file "$1")" ]; }

# The player of the copy plays its turn as a player would: a double-click on
# every card it can see (the pay-off pile, the hand, the hold piles' tops,
# and the pay-off pile once more, as cards played may have made it fit);
# the pay-off card and each hand card dragged onto a centre pile (a King,
# which a double-click refuses, goes there and may start it; another card
# that does not fit is refused); then a hand card dragged onto a hold pile
# ends the turn. False when the copy was
# not on turn (every move refused) or the game ended before the drop.
play_turn() {
    local who=$1 hold=$2 centre=$3 win s before
    look_at "$who"
    read_places
    win=$(table_window)
    for s in 1 2 3 4 5 6 7 8 9 10 1; do
        double_click_at "$win" $(at "Picture7:$s")
        sleep "$play_pause"
    done
    for s in 1 2 3 4 5 6; do
        drag "$win" $(at "Picture7:$s") $(at "PicCenter:$centre")
        sleep "$play_pause"
    done
    game_counted "$who" && return 1
    for s in 2 3 4 5 6; do
        before=$(quick_area "$win" "$(area_of "Picture7:$((6 + hold))")")
        drag "$win" $(at "Picture7:$s") $(at "Picture7:$((6 + hold))")
        # The card seen there may be one refused on its way home: it must stay.
        if quick_change "$win" "$(area_of "Picture7:$((6 + hold))")" "$before" 15; then
            sleep 1
            [ "$(quick_area "$win" "$(area_of "Picture7:$((6 + hold))")")" != "$before" ] && return 0
        fi
        game_counted "$who" && return 1
    done
    return 1
}

# Every copy's seat 1 plays until the game ends. The copy on turn is the one
# whose hand was filled again since its last drop (the turn came back to
# it); a copy that has not dropped yet is tried. Bounded in turns and time.
readonly play_pause=${GRISK_NET_PLAY_PAUSE:-0.5}
readonly max_turns=${GRISK_NET_MAX_TURNS:-300}
readonly game_seconds=${GRISK_NET_GAME_SECONDS:-2400}
game_turns=0
stop_before=""   # a copy whose confirmed turn play_game leaves to the case
play_game() {
    local players=("$@") who next i n=$# last=-1 started=$SECONDS centres
    declare -A after_drop
    while :; do
        for who in "${players[@]}"; do game_counted "$who" && break 2; done
        [ "$game_turns" -lt "$max_turns" ] || fail "no end of the game after $game_turns turns"
        [ $((SECONDS - started)) -lt "$game_seconds" ] ||
            fail "no end of the game after $((SECONDS - started)) s ($game_turns turns)"
        # The next in turn: the copy after the last mover first.
        next=""
        for i in $(seq 1 "$n"); do
            who=${players[$(((last + i) % n))]}
            if [ -z "${after_drop[$who]:-}" ]; then
                next=$who
                break
            fi
            look_at "$who"
            read_places
            if [ "$(hand_now)" != "${after_drop[$who]}" ]; then
                next=$who
                break
            fi
        done
        if [ -z "$next" ]; then
            sleep 0.3
            continue
        fi
        # The hand's new cards land first.
        sleep 0.5
        if [ "$next" = "$stop_before" ] && [ -n "${after_drop[$next]:-}" ]; then
            log "$next is on turn again after $game_turns turns"
            return 0
        fi
        centres=$([ "${copy_players[$next]}" -eq 2 ] && echo 3 || echo 4)
        if play_turn "$next" $((game_turns % 4 + 1)) $((game_turns % centres + 1)); then
            game_turns=$((game_turns + 1))
            sleep 0.5
            after_drop[$next]=$(hand_now)
            log "turn $game_turns: $next ($((SECONDS - started)) s)"
        fi
        # Not on turn after all, or done: the next copy in the order is tried.
        for i in $(seq 0 $((n - 1))); do [ "${players[$i]}" = "$next" ] && last=$i; done
    done
    log "the game ended after $game_turns turns in $((SECONDS - started)) s"
    expect_scores_agree "${players[@]}"
}

# Every copy counted the game in its Internet score file, and they agree:
# one winner, the same margin, every other copy's player its opponent.
expect_scores_agree() {
    local who rows=()
    for who in "$@"; do
        for _ in $(seq 1 150); do game_counted "$who" && break; sleep 0.2; done
        game_counted "$who" || fail "$who did not count the game in its Internet score file"
        rows+=("$who=${copy_name[$who]}=$(score_rows "$who" | tr '\n' ';')")
    done
    python3 - "${#@}" "${rows[@]}" <<'PY' || fail "the Internet score files disagree: ${rows[*]}"
import sys
n = int(sys.argv[1])
copies = {}
for arg in sys.argv[2:]:
    who, name, rows = arg.split("=", 2)
    copies[name] = [r.split("|") for r in rows.split(";") if r]
names = set(copies)
winners = set()
margins = set()
for name, rows in copies.items():
    head, rest = rows[0], rows[1:]
    assert head[0] == name and head[1] == "1", (name, head)
    won = head[2] == "1"
    margin = int(head[3])
    assert (margin > 0) == won, (name, head)
    margins.add(abs(margin))
    if won:
        winners.add(name)
    if n == 2:
        assert len(rest) == 1, (name, rows)
        opp = rest[0]
        assert opp[0] in names - {name} and opp[1] == "1" and opp[2] == head[2] and opp[3] == head[3], (name, rows)
    else:
        assert len(rest) == n, (name, rows)
        group = {r[0]: r for r in rest}
        assert set(group) == names and rest[0][0] == name, (name, rows)
        for who, r in group.items():
            assert r[1] == "1" and (int(r[3]) > 0) == (r[2] == "1"), (name, r)
            margins.add(abs(int(r[3])))
            if r[2] == "1":
                winners.add(who)
assert len(winners) == 1 and len(margins) == 1, (winners, margins)
print("net-play: one winner, %s, by a margin of %d in every copy's score file" % (winners.pop(), margins.pop()))
PY
}

# ---- the cases --------------------------------------------------------------

# n copies deal an Internet game; the host's player ends it, and the remote
# players are told.
case_game() {
    local n=$1 who remotes=()
    start_copy host Hosta "$n" --side 10 --plain-rules
    for who in $(seq 2 "$n"); do
        start_copy "remote$who" "Remota$who" "$n"
        remotes+=("remote$who")
    done
    port=$(free_port)
    connect_all host "${remotes[@]}"
    deal_all host "${remotes[@]}"
    play_game host "${remotes[@]}"
    look_at host
    press_for_box F11 '^TERMINATE Quenmoor Connection$'
    answer_box '^TERMINATE Quenmoor Connection$' Return
    # The game is over, no seat is on turn: no save is offered.
    [ "$(answer_boxes '^Save Game$' n 3)" -eq 0 ] || fail "host: a save was offered for a game that has ended"
    for who in "${remotes[@]}"; do
        look_at "$who"
        answer_box '^Quenmoor$' Return            # "Dealer has terminated game."
        [ "$(answer_boxes '^Save Game$' n 3)" -eq 0 ] || fail "$who: a save was offered for a game that has ended"
    done
    [ "$(established)" -eq 0 ] || fail "a connection is still open"
    for who in host "${remotes[@]}"; do expect_local_game "$who"; done
    close_all
}

# Three copies (the host with a pay-off pile of 10 and plain rules)
# connect and deal an Internet game.
deal_three() {
    start_copy host Hosta 3 --side 10 --plain-rules
    start_copy remote2 Remota2 3
    start_copy remote3 Remota3 3
    port=$(free_port)
    connect_all host remote2 remote3
    deal_all host remote2 remote3
}

# Of three copies, one remote player leaves: it ends the game from the
# Internet menu (F11) at once after the deal, or it is killed in the middle
# of a turn of its own (its cards double-clicked, no drop yet). The host is
# told who quit and offers the save when a seat was on turn; host and the
# other remote player stay connected. A new game needs the host's set-up
# changed to two players first: F2 says so. The host then ends the game and
# the other is told.
case_remote_leaves() {
    local how=$1 s win
    deal_three
    if [ "$how" = ends ]; then
        look_at remote3
        press_for_box F11 '^TERMINATE Quenmoor Connection$'
        answer_box '^TERMINATE Quenmoor Connection$' Return
        answer_boxes '^Save Game$' n 5 >/dev/null
    else
        stop_before=remote3
        play_game host remote2 remote3
        look_at remote3
        read_places
        win=$(table_window)
        for s in 1 2 3; do
            double_click_at "$win" $(at "Picture7:$s")
            sleep "$play_pause"
        done
        kill -KILL "$grisk_pid"
        wait "$grisk_pid" 2>/dev/null || true
        log "remote3 was killed in the middle of its turn"
    fi
    look_at host
    answer_box '^Save Game$' n               # "This game has ended. Would you like to save this game?"
    expect_established 1
    [ "$(established)" -eq 1 ] || fail "$(established) connections stand, not the one of the other player"
    log "the host and the other remote player stay connected"
    look_at host
    press_for_box F2 "$table_title"
    answer_box "$table_title" Return          # "You have 1 opponent(s). Use the Internet Menu, Host Setup ..."
    press_for_box F11 '^TERMINATE Quenmoor Connection$'
    answer_box '^TERMINATE Quenmoor Connection$' Return
    look_at remote2
    answer_box '^Quenmoor$' Return            # "Dealer has terminated game."
    answer_boxes '^Save Game$' n 5 >/dev/null
    [ "$(established)" -eq 0 ] || fail "a connection is still open"
    for s in host remote2 remote3; do
        kill -0 "${copy_pid[$s]}" 2>/dev/null && expect_local_game "$s"
    done
    close_all
}

# Of three copies, the host saves the dealt game (Internet menu, "Save This
# Game", slot 2) and sends it again ("Send Saved Internet Game", slot 2,
# Restore): both remote players resume it with Deal ("transfer"), or one
# is killed as the saved game goes out ("remote-killed-in-transfer"): the
# host is told who quit and offers the save, the other stays connected and
# never gets a damaged game. The host then ends the game and the other is
# told.
case_transfer() {
    local kill=$1 saved dialog before
    deal_three
    look_at host
    quiet_for 2
    pick_menu_row "$internet_menu_x" 4
    dialog=$(wait_window '^Saved Games$')
    xdotool windowactivate --sync "$dialog" 2>/dev/null || true
    sleep 0.5
    click_at "$dialog" 200 64
    sleep 0.5
    xdotool type --delay 40 "Net transfer"
    xdotool key Return
    window_gone '^Saved Games$' 30 || fail "the save window did not close"
    saved=$(python3 - "$(data_dir)/backup.sav" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
print(data[6038 + 6008:2 * 6038].split(b"\0")[0].decode("latin-1").strip())
PY
)
    [ -n "$saved" ] || fail "the host saved no game into slot 2"
    log "the host saved the game as \"$saved\""
    look_at remote2
    before=$(hand_area)
    look_at host
    pick_menu_row "$internet_menu_x" 5
    dialog=$(wait_window '^Saved Games$')
    xdotool windowactivate --sync "$dialog" 2>/dev/null || true
    sleep 0.5
    click_at "$dialog" 200 64
    xdotool key Return
    if [ "$kill" = kill ]; then
        look_at remote3
        kill -KILL "$grisk_pid"
        wait "$grisk_pid" 2>/dev/null || true
        log "remote3 was killed as the saved game went out"
        look_at host
        answer_box '^Save Game$' n            # "This game has ended. Would you like to save this game?"
        expect_established 1
        # Gone before the game went out, the player ended the game for all
        # and the other is told so; gone after, the other resumes the game.
        look_at remote2
        for _ in $(seq 1 10); do
            [ -z "$(deal_place)" ] || { press_deal remote2; break; }
            sleep 1
        done
        [ -z "$(find_box '^Dealer Error$' 1)" ] || fail "the saved game reached remote2 damaged"
        [ "$(established)" -eq 1 ] || fail "remote2's connection to the host was closed"
    else
        for who in remote2 remote3; do
            look_at "$who"
            press_deal "$who"
        done
        log "both remote players resumed the saved game"
    fi
    look_at host
    press_for_box F11 '^TERMINATE Quenmoor Connection$'
    answer_box '^TERMINATE Quenmoor Connection$' Return
    answer_boxes '^Save Game$' n 5 >/dev/null
    for who in remote2 remote3; do
        kill -0 "${copy_pid[$who]}" 2>/dev/null || continue
        look_at "$who"
        answer_box '^Quenmoor$' Return        # "Dealer has terminated game."
        answer_boxes '^Save Game$' n 5 >/dev/null
    done
    [ "$(established)" -eq 0 ] || fail "a connection is still open"
    for who in host remote2 remote3; do
        kill -0 "${copy_pid[$who]}" 2>/dev/null && expect_local_game "$who"
    done
    close_all
}

# The host is killed while it waits for its remote player's Deal: the remote
# player is told, keeps its files, and can host a new game at once.
case_host_killed_in_deal() {
    local files
    start_copy host Hosta 2 --side 10
    start_copy remote2 Remota2 2
    port=$(free_port)
    connect_all host remote2
    look_at remote2
    files=$(files_digest)
    look_at host
    quiet_for 2
    press_on_table F2
    sleep 2
    kill -KILL "$grisk_pid"
    wait "$grisk_pid" 2>/dev/null || true
    log "the host was killed during the deal"
    look_at remote2
    answer_box '^Quenmoor$' Return
    [ "$(files_digest)" = "$files" ] || fail "the remote player's files changed"
    expect_local_game remote2
    # It hosts a new game at once: a joining peer gets its hello.
    port=$(free_port)
    connect_from_window host
    run_peer join silent &
    peer_pid=$!
    sleep 3
    press_for_box F11 '^TERMINATE Quenmoor Connection$'
    answer_box '^TERMINATE Quenmoor Connection$' Return
    wait "$peer_pid" || fail "the new host did not greet a peer"
    peer_pid=""
    copies=(remote2)
    close_all
}

# A host on a port already taken, and a remote player joining a port where
# nobody listens: each sees its message and deals a local game after.
case_port_in_use() {
    start_copy host Hosta 2
    port=$(free_port)
    python3 -c 'import socket,sys,time; s=socket.socket(); s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(1); time.sleep(60)' \
        "$port" &
    local holder=$!
    sleep 0.5
    look_at host
    connect_from_window host
    answer_box "$table_title" Return          # "Here's the problem: Error  10048 ... Another program already uses port"
    kill "$holder" 2>/dev/null || true
    wait "$holder" 2>/dev/null || true
    expect_local_game host
    close_all
}

case_refused() {
    start_copy remote2 Remota2 2
    port=$(free_port)
    look_at remote2
    connect_from_window remote
    answer_box '^Quenmoor$' Return            # "The HOST is not listening!"
    answer_box "$table_title" Return          # "Restart Quenmoor to connect correctly."
    answer_box "$table_title" Return          # "Network connection failed."
    expect_local_game remote2
    close_all
}

# GRISK_NET_ROWS="a b" runs only those rows of a table of cases.
wanted_row() { [ -z "${GRISK_NET_ROWS:-}" ] || [[ " $GRISK_NET_ROWS " == *" $1 "* ]]; }

# Runs the scripted peer (join or host) on the port; its output in peer.log.
run_peer() {
    GRISK_PEER_WAIT=${GRISK_PEER_WAIT:-60} python3 "$scripted_peer" "$1" "$port" "$2" >>"$work/peer.log" 2>&1
}

# A peer below "52" puts the house rules in force for the rest of the run
# (a pay-off pile of 20), so the newer peers come first: "74" still gets the
# host's pay-off pile of 10.
# One row a peer case: the case, and the box the host's player sees (none
# when empty). The boxes' texts, for the reader: a bad line "NAME sent
# something this game cannot take (WHAT). The connection to NAME has been
# closed."; an older peer "Your opponent does not have the lastest version
# of Quenmoor." with, below "52", "Only House Rules are in effect.".
readonly peer_host_rows=(
    "garbage|Quenmoor"
    "oversized|Quenmoor"
    "cut-off|Quenmoor"
    "unknown-code|Quenmoor"
    "bad-version|Quenmoor"
    "byte-at-a-time|Quenmoor"
    "burst|"
    "old-84|"
    "old-74|Playing older version."
    "old-51|Playing older version."
    "old-40|Playing older version."
    "silent|"
)

# A real host against the scripted peer, case after case in one run of the
# program: each peer loses its own connection only, the host's files stay as
# they were, and it hosts the next case at once.
case_peer_host() {
    local row what words files before
    start_copy host Hosta 2 --side 10
    look_at host
    files=$(files_digest)
    for row in "${peer_host_rows[@]}"; do
        what=${row%%|*}
        words=${row#*|}
        wanted_row "$what" || continue
        port=$(free_port)
        log "peer case $what"
        : >"$work/peer.log"
        connect_from_window host
        sleep 0.5
        run_peer join "$what" &
        peer_pid=$!
        case $what in
        silent)
            for _ in $(seq 1 100); do grep -q "heard 'IP" "$work/peer.log" && break; sleep 0.2; done
            press_for_box F11 '^TERMINATE Quenmoor Connection$'
            answer_box '^TERMINATE Quenmoor Connection$' Return
            ;;
        burst)
            answer_boxes '^Connection Request Denied$' Return 10 >/dev/null
            quiet_for 2
            press_on_table F2
            answer_box '^Quenmoor$' Return
            ;;
        old-40)
            answer_box '^Playing older version.$' Return
            answer_box '^Quenmoor$' Return    # "Your opponent is playing with an old version of Quenmoor."
            ;;
        old-51 | old-74)
            answer_box '^Playing older version.$' Return
            ;;
        old-84)
            quiet_for 2
            press_on_table F2
            ;;
        *)
            [ -z "$words" ] || answer_box "^$words\$" Return
            ;;
        esac
        case $what in
        old-*)
            answer_boxes '^Save Game$' n 10 >/dev/null
            answer_boxes '^Quenmoor$' Return 3 >/dev/null
            ;;
        esac
        wait "$peer_pid" || fail "the scripted peer's case $what went wrong: $(tail -n 3 "$work/peer.log")"
        peer_pid=""
        kill -0 "$grisk_pid" 2>/dev/null || fail "the host ended in the case $what"
        for _ in $(seq 1 50); do [ "$(established)" -eq 0 ] && break; sleep 0.2; done
        [ "$(established)" -eq 0 ] || fail "the connection of the case $what still stands"
        log "peer case $what: as expected"
    done
    [ "$(files_digest)" = "$files" ] || fail "the host's files changed"
    expect_local_game host
    close_all
}

# A real remote player joins scripted hosts of each kind.
readonly peer_client_rows=(
    "garbage|Quenmoor"
    "cut-off|Quenmoor"
    "old-40|Playing older version."
    "old-74|Playing older version."
    "old-84|"
)

case_peer_client() {
    local row what words before
    start_copy remote2 Remota2 2
    look_at remote2
    for row in "${peer_client_rows[@]}"; do
        what=${row%%|*}
        words=${row#*|}
        wanted_row "$what" || continue
        port=$(free_port)
        log "scripted host case $what"
        : >"$work/peer.log"
        run_peer host "$what" &
        peer_pid=$!
        sleep 0.5
        before=$(hand_area)
        connect_from_window remote
        case $what in
        old-40)
            answer_box '^Playing older version.$' Return
            answer_box '^Quenmoor$' Return    # "Your opponent is not playing with the latest version of Quenmoor."
            answer_box '^Quenmoor$' Return    # "Unable to use picture playing cards!"
            expect_dealt remote2 "$before"
            ;;
        old-74)
            answer_box '^Playing older version.$' Return
            expect_dealt remote2 "$before"
            ;;
        old-84)
            press_deal_until_dealt remote2 "$before"
            ;;
        *)
            answer_box "^$words\$" Return
            ;;
        esac
        case $what in
        old-*)
            answer_box '^Quenmoor$' Return
            answer_boxes '^Save Game$' n 5 >/dev/null
            ;;
        esac
        wait "$peer_pid" || fail "the scripted host's case $what went wrong: $(tail -n 3 "$work/peer.log")"
        peer_pid=""
        kill -0 "$grisk_pid" 2>/dev/null || fail "the remote player ended in the case $what"
        log "scripted host case $what: as expected"
        expect_local_game remote2
    done
    close_all
}

case "$net_case" in
game-2 | game-3 | game-4) case_game "${net_case#game-}" ;;
remote-ends) case_remote_leaves ends ;;
remote-killed-in-turn) case_remote_leaves killed-in-turn ;;
transfer) case_transfer keep ;;
remote-killed-in-transfer) case_transfer kill ;;
host-killed-in-deal) case_host_killed_in_deal ;;
port-in-use) case_port_in_use ;;
refused) case_refused ;;
peer-host) case_peer_host ;;
peer-client) case_peer_client ;;
*) echo "net-play-test.sh: no case $net_case" >&2; exit 2 ;;
esac
log "passed: $net_case"
