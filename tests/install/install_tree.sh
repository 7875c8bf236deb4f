#!/usr/bin/env bash
# Installs the build under a fresh prefix and checks that the installed game runs from it:
#   install_tree.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/tumblox bin/tumblox-headless bin/qsftool libexec/tumblox/tumblox \
    share/applications/tumblox.desktop share/icons/hicolor/128x128/apps/tumblox.png \
    share/tumblox/Block.Dat share/tumblox/BACK1.Qsf share/tumblox/BGM.Mp3; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done

desktop-file-validate "$prefix/share/applications/tumblox.desktop" || fail "the menu entry is not valid"
grep -qx "Exec=$prefix/bin/tumblox" "$prefix/share/applications/tumblox.desktop" ||
    fail "the menu entry does not start $prefix/bin/tumblox"

# The installed data set is complete: the game in memory starts on it and plays a while.
script=$(mktemp)
printf '300 close\n' >"$script"
output=$(cd "$prefix/share/tumblox" && "$prefix/bin/tumblox-headless" "$script")
rm -f "$script"
grep -q '^box ' <<<"$output" && fail "the installed game stopped with a message: $(grep '^box ' <<<"$output")"
grep -qx 'exit 0' <<<"$output" || fail "the installed game did not end normally"

# The launcher finds the game from anywhere (here without a display, so it says so and stops).
status=0
(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
    timeout 10 "$prefix/bin/tumblox") 2>"$prefix/stderr" || status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] && [ "$status" -ne 127 ] && grep -q '^QDDraw: ' "$prefix/stderr" ||
    fail "the launcher did not start the game (status $status: $(head -1 "$prefix/stderr"))"
echo "installed and started from $prefix"
