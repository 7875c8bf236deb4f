#!/bin/sh
# Starts the installed game in its data folder: the game opens its files by bare name.
here=$(dirname "$(readlink -f "$0")")
cd "$here/../share/tumblox" || exit 1
exec "$here/../libexec/tumblox/tumblox" "$@"
