#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Photographs the game as a teacher meets it, under a real window manager (openbox) on Xvfb,
# with the window away from the screen's top left: the welcome, the first-output scene at
# level 4, the controls' help, and a saved mechanism just opened. For the release's metadata
# and for looking at the face after a change.
#
#   scripts/screenshots.sh [BUILD_DIR] [OUTPUT_DIR] [SCREEN...]
#
# SCREEN is WIDTHxHEIGHT (default: 1366x768 1920x1080). Writes OUTPUT_DIR/SCREEN-NAME.png.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
out=${2:-screenshots}
shift $(($# > 2 ? 2 : $#))
screens=("$@")
[ ${#screens[@]} -gt 0 ] || screens=(1366x768 1920x1080)
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# shot NAME: the whole screen, as the pupil sees it.
shot() { import -window root "$out/$screen-$1.png"; echo "$out/$screen-$1.png"; }
key() { xdotool windowactivate --sync "$window" key --delay 80 "$@"; sleep 0.4; }

for screen in "${screens[@]}"; do
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${screen}x24" -nolisten tcp > /dev/null 2>&1 &
    pids+=($!)
    read -r -t 10 number <&"$fd" || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$number"
    openbox > /dev/null 2>&1 &
    pids+=($!)
    sleep 0.5

    # A pupil's home of its own, with one mechanism saved in the game's folder.
    home="$work/home-$screen"
    mkdir -p "$home/Documents/Quorvel" "$home/.config"
    cp "$source_dir/tests/data/mechanism_level2.txt" \
        "$home/Documents/Quorvel/la macchina della quinta B.txt"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DOCUMENTS_DIR="$home/Documents" \
        "$build/bin/quorvel" > "$work/quorvel-$screen.log" 2>&1 &
    pids+=($!)
    window=$(xdotool search --sync --name '^Quorvel$' | head -1)
    # Away from the top left, whole on the screen.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool windowmove "$window" $(((${screen%x*} - WIDTH) * 2 / 3)) $(((${screen#*x} - HEIGHT) / 3))
    sleep 3
    shot benvenuto

    # Level 4 from the menu, two numbers from the keyboard, the experiment.
    key alt+l
    key 4
    sleep 2
    key 1 2 Tab 7 Return
    sleep 4
    shot prima-uscita

    key F1
    sleep 4
    shot controlli

    # The open panel starts in the game's folder: the saved mechanism is the only file there.
    key Escape
    key ctrl+o
    sleep 1
    shot pannello-apri
    key Tab Down Return
    sleep 1.5
    shot meccanismo-aperto
    kill "${pids[@]: -3}" 2> /dev/null || true
    sleep 0.5
done
