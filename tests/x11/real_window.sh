#!/usr/bin/env bash
# The game in a real X window (Xvfb, 1280x1024, so the picture is scaled 2x between 32-pixel
# bars), run from the data folder:
#   real_window.sh CHECK TUMBLOX HEADLESS X11_CLOSE_REQUEST
#   layout          walls, logo and panel sit where the headless game draws them, also after
#                   Alt+Enter to a window and back; Escape ends it
#   pace            a tick the game counts (51 to a row of gravity, read off its status line)
#                   takes 10 ms, plus at most the time its thread was kept waiting for a core
#   no_display      without any display: the message on stderr, a non-zero exit, at once
#   close_request   the window manager's close request ends the game with status 0
#   stress[_openbox] 20 s and at least 300 each of Alt+Enter, resizes and pointer moves, without
#                   or with a window manager: the game lives on and Escape ends it with 0
#   window_destroyed another client destroys the window: status 1 within 2 s
#   missing_file    a box shows the missing file's line in Unifont glyphs; Enter: status 1
#   box_destroyed   another client destroys that box: the game goes on as if it was dismissed
#   quit_after_clicks SIGTERM behind 400 queued clicks ends the game within 0.5 s
set -euo pipefail
check=$1 game=$2 headless=$3 close_request=$4
here=$(dirname "$0")
work=$(mktemp -d)
pid=''
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; [ -s "$work/stderr" ] && sed 's/^/game: /' "$work/stderr" >&2; exit 1; }

readonly kScale=2 kBar=32 kTitle="Tumblox By Quellin"

if [ "$check" = no_display ]; then
    start=$(date +%s)
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
        timeout 10 "$game" 2>"$work/stderr" || status=$?
    [ "$status" -ne 0 ] || fail "the game reported success without a display"
    [ "$status" -ne 124 ] || fail "the game was still running after 10 s without a display"
    [ $(($(date +%s) - start)) -le 5 ] || fail "the game took more than 5 s to give up"
    grep -q '^QDDraw: ' "$work/stderr" || fail "no 'QDDraw: ...' message on stderr"
    echo "no display: exit status $status, stderr: $(head -1 "$work/stderr")"
    exit 0
fi

# Everything else needs the X server: run again inside it.
if [ -z "${TUMBLOX_IN_XVFB:-}" ]; then
    exec env TUMBLOX_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

start_game() {
    env SDL_AUDIODRIVER=dummy "$@" "$game" 2>"$work/stderr" &
    pid=$!
    wait_window "$kTitle"
}

wait_window() {
    for _ in $(seq 100); do
        window=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [ -n "$window" ] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.1
    done
    fail "no window titled '$1' within 10 s"
}

# Escape ends the game; its release may find the window already gone, which is no fault.
press_escape() {
    xdotool key --window "$window" Escape 2>/dev/null || true
}

# Waits for the game to end by itself (at most $1 s, 10 by default): its exit status, and
# the milliseconds it took.
wait_exit() {
    local asked=$(date +%s%N)
    for _ in $(seq $((${1:-10} * 50))); do
        kill -0 "$pid" 2>/dev/null || { took=$((($(date +%s%N) - asked) / 1000000)) status=0 && wait "$pid" || status=$?; pid=''; return 0; }
        sleep 0.02
    done
    kill -9 "$pid"
    fail "the game was still running ${1:-10} s after it was asked to end"
}

shot() { import -window root "$1"; }

# The shown picture's walls, logo and panel (frame pixels; the well's inside and the status line
# change from tick to tick) against the headless frame, and black bars above and below.
matches_headless_frame() {
    shot "$work/screen.png"
    convert "$work/screen.png" -crop $((640 * kScale))x$((480 * kScale))+0+$kBar +repage "$work/shown.png"
    for region in 24x400+40+40 24x400+352+40 270x76+370+16 260x280+370+150; do
        IFS='x+' read -r w h x y <<<"$region"
        crop=$((w * kScale))x$((h * kScale))+$((x * kScale))+$((y * kScale))
        convert "$work/shown.png" -crop "$crop" +repage "$work/a.png"
        convert "$work/expected.png" -crop "$crop" +repage "$work/b.png"
        differing=$(compare -metric AE -fuzz 2% "$work/a.png" "$work/b.png" null: 2>&1 || true)
        [ "$differing" = 0 ] || fail "$1: region $region differs from the headless frame in $differing pixels"
    done
    bars=$(convert "$work/screen.png" \( -clone 0 -crop 1280x$kBar+0+0 \) \( -clone 0 -crop 1280x$kBar+0+$((kBar + 480 * kScale)) \) \
        -delete 0 -append -format '%[fx:maxima]' info:)
    [ "$bars" = 0 ] || fail "$1: the bars around the picture are not black"
}

case "$check" in
layout)
    # The headless game's frame after its intro, scaled as the window shows it.
    printf '1500 snap %s\n1500 close\n' "$work/headless.png" >"$work/script"
    "$headless" "$work/script" >/dev/null
    convert "$work/headless.png" -filter point -resize $((100 * kScale))% "$work/expected.png"
    start_game
    sleep 4  # the intro is over
    matches_headless_frame "at the start"
    # Alt+Enter to a window and back: full screen again, the picture where it was.
    xdotool key --window "$window" alt+Return
    sleep 1
    xdotool key --window "$window" alt+Return
    sleep 1.5
    matches_headless_frame "after Alt+Enter twice"
    press_escape
    wait_exit
    [ "$status" = 0 ] || fail "Escape ended the game with status $status"
    echo "layout: walls, logo and panel match the headless frame, also after Alt+Enter twice; Escape: exit status 0"
    ;;
pace)
    start_game SDL_RENDER_DRIVER=software
    game_thread=$(grep -l '^tumblox-game$' /proc/$pid/task/*/comm | head -1 | xargs dirname)
    # The status line gives the piece's row and the ticks since it last fell a row. A tick is
    # 10 ms; the time the game's thread was kept waiting for a core may lengthen it (a loaded
    # machine's pace, not the game's), and the wait lets no tick be shorter.
    reading() {  # timed at the middle of the screenshot
        local before=$(date +%s%N)
        shot "$work/screen.png"
        echo "$(((before + $(date +%s%N)) / 2)) $(cut -d' ' -f2 "$game_thread/schedstat") $("$here/screen_text.py" status "$work/screen.png" $kScale 0 $kBar)"
    }
    sleep 4  # the intro is over
    read -r start_ns start_waited start_row start_ticks < <(reading)
    sleep 4
    read -r end_ns end_waited end_row end_ticks < <(reading)
    rows=$((end_row - start_row))
    ticks=$((rows * 51 + end_ticks - start_ticks))
    [ "$rows" -ge 4 ] && [ "$ticks" -gt 0 ] || fail "the piece fell $rows rows in 4 s (rows $start_row to $end_row)"
    tick_us=$(((end_ns - start_ns) / 1000 / ticks))
    waited_us=$(((end_waited - start_waited) / 1000 / ticks))
    echo "pace: $rows rows in $ticks ticks, $tick_us us a tick, of which up to $waited_us us waiting for a core"
    [ "$tick_us" -ge 9800 ] && [ "$tick_us" -le $((10300 + waited_us)) ] || fail "a tick took $tick_us us; the game's is 10 ms"
    press_escape
    wait_exit
    ;;
stress | stress_openbox)
    [ "$check" = stress ] || { openbox >/dev/null 2>&1 & sleep 1; }
    start_game
    sleep 1
    moves=0 until=$(($(date +%s) + 20))
    while [ "$(date +%s)" -lt "$until" ] || [ "$moves" -lt 300 ]; do
        xdotool key --window "$window" alt+Return windowsize "$window" $((320 + RANDOM % 960)) $((240 + RANDOM % 780)) \
            mousemove --window "$window" $((RANDOM % 1280)) $((RANDOM % 1024)) 2>/dev/null
        kill -0 "$pid" 2>/dev/null || fail "the game ended after $moves toggles and resizes"
        moves=$((moves + 1)) && sleep 0.03
    done
    press_escape
    wait_exit 60
    [ "$status" = 0 ] || fail "after $moves toggles and resizes Escape ended the game with status $status"
    echo "$check: $moves toggles, resizes and moves; Escape: exit status 0 after $took ms"
    ;;
window_destroyed)
    start_game
    sleep 1
    xdotool windowclose "$window"  # XDestroyWindow from another client
    wait_exit 2
    [ "$status" = 1 ] || fail "the game lost its window and ended with status $status"
    grep -q '^Tumblox: the game.s window was taken away$' "$work/stderr" || fail "no line on stderr says why"
    ! grep -q '^X Error' "$work/stderr" || fail "Xlib's own handler ended the game"
    echo "window destroyed: exit status 1 after $took ms"
    ;;
missing_file | box_destroyed)
    mkdir "$work/run" && cp -- * "$work/run/" && rm "$work/run/Logo.QSF" && cd "$work/run"
    env SDL_AUDIODRIVER=dummy "$game" 2>"$work/stderr" &
    pid=$!
    wait_window Blokfal
    sleep 0.5
    if [ "$check" = box_destroyed ]; then
        xdotool windowclose "$window"
        wait_exit 2
        [ "$status" = 1 ] || fail "the box was destroyed and the game ended with status $status"
        [ "$(wc -l <"$work/stderr")" = 1 ] || fail "more on stderr than the box's line"
        echo "box destroyed: exit status 1 after $took ms, stderr: $(cat "$work/stderr")"
        exit 0
    fi
    import -window "$window" "$work/box.png"
    line=$(sed -n 's/^Blokfal: //p' "$work/stderr")
    [ -n "$line" ] || fail "no copy of the box on stderr"
    "$here/screen_text.py" find "$work/box.png" "$line" || fail "the box does not show '$line' in Unifont glyphs"
    xdotool key --window "$window" Return 2>/dev/null || true  # the key's release finds no box
    wait_exit
    [ "$status" = 1 ] || fail "after the box the game ended with status $status"
    echo "missing file: the box reads '$line'; Enter: exit status 1"
    ;;
quit_after_clicks)
    start_game
    sleep 2
    xdotool mousemove --window "$window" 640 512 click --repeat 400 --delay 0 1
    kill -TERM "$pid"
    wait_exit
    [ "$status" = 0 ] && [ "$took" -le 500 ] || fail "SIGTERM behind 400 clicks: status $status after $took ms"
    echo "SIGTERM behind 400 clicks: exit status $status after $took ms"
    ;;
close_request)
    start_game
    sleep 1
    "$close_request" "$window"
    wait_exit
    [ "$status" = 0 ] || fail "the close request ended the game with status $status"
    echo "close request: exit status 0 after $took ms"
    ;;
*)
    echo "unknown check $check" >&2
    exit 2
    ;;
esac
