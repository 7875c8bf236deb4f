#!/usr/bin/env bash
# The game in a real X window (Xvfb, 1280x1024, so the picture is scaled 2x between 32-pixel
# bars), run from the data folder:
#   real_window.sh layout|pace|no_display|close_request TUMBLOX HEADLESS CLOSE_REQUEST
#   layout         walls, logo and panel sit where the headless game draws them, also after
#                  Alt+Enter to a window and back; Escape ends it
#   pace           with the software renderer the first piece falls a row every ~0.52 s
#   no_display     without any display: the message on stderr, a non-zero exit, at once
#   close_request  the window manager's close request ends the game with status 0
set -euo pipefail
check=$1 game=$2 headless=$3 close_request=$4
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
    for _ in $(seq 100); do
        window=$(xdotool search --name "^$kTitle\$" 2>/dev/null | head -1) && [ -n "$window" ] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.1
    done
    fail "no window titled '$kTitle' within 10 s"
}

# Waits for the game to end by itself; its exit status, or a failure after 10 s.
wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || { status=0; wait "$pid" || status=$?; pid=''; return 0; }
        sleep 0.1
    done
    kill -9 "$pid"
    fail "the game was still running 10 s after it was asked to end"
}

shot() { import -window root "$1"; }

# The first well row (0-23) that the falling piece covers, from a screenshot: the brightest
# pixels inside the well are the piece's (the empty well is the dimmed background).
piece_row() {
    local box
    box=$(convert "$1" -crop $((288 * kScale))x$((384 * kScale))+$((64 * kScale))+$((kBar + 40 * kScale)) +repage \
        -channel RGB -threshold 45% +channel -format '%@' info: 2>/dev/null)
    case "$box" in
    0x0*) echo -1 ;;  # nothing bright: no piece in the well
    *) local top=${box##*+}; echo $(((top / kScale + 8) / 16)) ;;
    esac
}

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
    xdotool key --window "$window" Escape
    wait_exit
    [ "$status" = 0 ] || fail "Escape ended the game with status $status"
    echo "layout: walls, logo and panel match the headless frame, also after Alt+Enter twice; Escape: exit status 0"
    ;;
pace)
    start_game SDL_RENDER_DRIVER=software
    # Screenshots of the first piece's fall, each timed at its middle.
    first_time='' first_row='' last_time='' last_row=''
    for _ in $(seq 60); do
        before=$(date +%s%N)
        shot "$work/screen.png"
        after=$(date +%s%N)
        row=$(piece_row "$work/screen.png")
        at=$(((before + after) / 2000000))
        if [ -n "$last_row" ] && [ "$row" -lt "$last_row" ]; then break; fi  # the next piece
        if [ "$row" -ge 1 ] && [ "$row" -le 20 ]; then
            [ -n "$first_row" ] || { first_time=$at; first_row=$row; }
            last_time=$at last_row=$row
        fi
        [ -z "$first_time" ] || [ $((at - first_time)) -lt 4000 ] || break
        sleep 0.25
    done
    [ -n "$first_row" ] || fail "no falling piece seen in the well"
    elapsed=$((last_time - first_time))
    [ "$elapsed" -ge 3000 ] || fail "the piece was seen falling for only $elapsed ms"
    fallen=$((last_row - first_row))
    expected=$(((elapsed + 260) / 520))  # 51 ticks of 10 ms and a frame, nearest row
    echo "pace: $fallen rows in $elapsed ms (headless pace: $expected)"
    [ $((fallen - expected)) -le 1 ] && [ $((expected - fallen)) -le 1 ] ||
        fail "the piece fell $fallen rows in $elapsed ms; the headless pace gives $expected"
    xdotool key --window "$window" Escape
    wait_exit
    ;;
close_request)
    start_game
    sleep 1
    "$close_request" "$window"
    wait_exit
    [ "$status" = 0 ] || fail "the close request ended the game with status $status"
    echo "close request: exit status 0"
    ;;
*)
    echo "unknown check $check" >&2
    exit 2
    ;;
esac
