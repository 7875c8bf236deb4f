# Debian packages the project needs, and a function that installs whichever are missing.
# Sourced by ./play and ./check.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-mixer-dev libx11-dev libpng-dev
                libmp3lame-dev unifont)
# The browser build, and the real browser its tests drive.
WEB_PACKAGES=(emscripten node-acorn chromium python3-websocket)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth
               xdotool x11-utils openbox imagemagick mpg123 sox valgrind desktop-file-utils
               "${WEB_PACKAGES[@]}")

install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
