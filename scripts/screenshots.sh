#!/bin/sh
# Screenshots of the main window, made by the program itself on a copy of a
# data folder, in an X server of their own (Xvfb, 1280x1024, with openbox as
# the window manager, so the window has its frame and can be maximised).
#
#   scripts/screenshots.sh <build folder> <data folder> <window_screenshots arguments>
#
# `make screenshots` writes build/screenshots/ (every topic at three sizes);
# `make readme-screenshot` docs/main-window.png.
set -eu
build=$(cd "$1" && pwd)
fixture=$2
shift 2

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Documents/Vantorelle" "$home/config/Brasselwicket" "$home/xdg/Brasselwicket" "$home/tmp"
cp "$fixture"/*.cdb "$home/Documents/Vantorelle/"
install='install_date=20240101
install_type=Win'
printf '[General]\ndata_path=%s\n%s\n' "$home/Documents/Vantorelle/" "$install" \
    >"$home/config/Brasselwicket/Vantorelle.conf"
printf '[General]\n%s\n' "$install" >"$home/xdg/Brasselwicket/Vantorelle.conf"

export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CONFIG_DIRS="$home/xdg" \
    XDG_DATA_HOME="$home/share" TMPDIR="$home/tmp" QT_QPA_PLATFORM=xcb
unset XDG_DOCUMENTS_DIR
# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" sh -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
    "$0" "$@"
    status=$?
    kill $wm
    exit $status' "$build/window_screenshots" "$@"
