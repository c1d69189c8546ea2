#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game starts, plays and ends normally with each of its outside pieces missing, one at a
# time and all together, and says in one clear line on standard error what is missing:
# the clips, the light pictures, the audio device, the Italian voice data, the modules of the
# voice and sound and of the notebook's documents, a writable current folder. "Plays" is the monkey's short run through the real window.
#   missing_pieces.sh BIN_DIR        (BIN_DIR holds quorvel_monkey and the assets)
set -uo pipefail

bin=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A program folder without the clips and without the light pictures.
mkdir -p "$work/noclips" "$work/nolights" "$work/nomodules" "$work/bare"
for dir in noclips nolights nomodules bare; do cp "$bin/quorvel_monkey" "$work/$dir/"; done
cp "$bin"/luce*.gif "$bin"/info.png "$bin"/quorvel_*.so "$work/noclips/"
cp "$bin"/rosso.gif "$bin"/verde.gif "$bin"/blu.gif "$bin"/grigio.gif "$bin"/quorvel_*.so \
    "$work/nolights/"
cp "$bin"/*.gif "$bin"/info.png "$work/nomodules/"
mkdir -p "$work/novoice" # espeak-ng finds no data there
mkdir -p "$work/gone"

# run NAME PROGRAM_DIR VOICE_DATA CURRENT_FOLDER EXPECTED_LINE...
run() {
    local name=$1 dir=$2 voice=$3 here=$4
    shift 4
    local err="$work/$name.err"
    (
        cd "$here" || exit 99
        [ "$here" = "$work/gone" ] && rmdir "$work/gone" # the current folder disappears
        env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
            ${voice:+ESPEAK_DATA_PATH=$voice} \
            "$dir/quorvel_monkey" --events 300 --seed 11 --sound > /dev/null 2> "$err"
    )
    local status=$?
    if [ "$status" -ne 0 ]; then
        echo "FAIL $name: the game ended with status $status"; sed -n '1,20p' "$err"
        failures=$((failures + 1)); return
    fi
    for line in "$@"; do
        if ! grep -qF "$line" "$err"; then
            echo "FAIL $name: standard error does not say \"$line\""; sed -n '1,20p' "$err"
            failures=$((failures + 1)); return
        fi
    done
    echo "ok   $name"
}

clips="quorvel: clip not found:"
lights="quorvel: light picture not found:"
audio="quorvel: no audio device; sounds and speech stay silent"
voice="quorvel: no Italian voice"
folder="is not writable; save mechanisms in another folder"
media="quorvel: module quorvel_media.so not loaded (not found); sounds and speech stay silent"

run clips "$work/noclips" "" "$work" "$clips"
run lights "$work/nolights" "" "$work" "$lights"
# Where a sound server runs, the audio device is there; offscreen test machines have none.
if ! command -v pactl > /dev/null || ! pactl info > /dev/null 2>&1; then
    run audio "$bin" "" "$work" "$audio"
fi
run voice "$bin" "$work/novoice" "$work" "$voice"
# The documents module loads only to print the notebook or save it as a PDF, never at start.
run modules "$work/nomodules" "" "$work" "$media"
mkdir -p "$work/gone"
run folder "$bin" "" "$work/gone" "$folder"
mkdir -p "$work/gone"
run everything "$work/bare" "$work/novoice" "$work/gone" "$clips" "$lights" "$media" "$folder"

if [ "$failures" -ne 0 ]; then
    echo "$failures of the missing pieces were not handled"
    exit 1
fi
echo "every missing piece handled"
