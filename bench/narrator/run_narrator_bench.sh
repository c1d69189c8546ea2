#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays every narrator scene beside a bare window and prints the window's largest event-loop gap
# and the delay from a Speak reaching the head of the queue to its sound; then speaks one scene
# to a WAV file and describes it with sox.
#   bench/narrator/run_narrator_bench.sh [build-dir] [out-dir]
set -euo pipefail

build=${1:-build}
out=${2:-$(mktemp -d)}
bin="$build/bin"
mkdir -p "$out"

run() {
    if [[ -z "${DISPLAY:-}" ]]; then
        xvfb-run -a -s '-screen 0 1280x800x24' "$@"
    else
        "$@"
    fi
}

quiet() { grep -v -e XDG_RUNTIME_DIR -e PulseAudio >&2; }

echo "== responsiveness while every scene plays (about 140 s)"
run "$bin/narrator_responsiveness" --silent 2> >(quiet)

# A separate run: saving a screenshot takes the window's thread for tens of milliseconds.
echo "== screenshots during the welcome: $out/welcome.png (speaking), $out/gesture.png (gestureup)"
run "$bin/narrator_responsiveness" --silent --scenes welcome \
    --grab "1500:$out/welcome.png" --grab "6100:$out/gesture.png" > /dev/null 2> >(quiet)

for lingua in it en; do
    wav="$out/da_ricordare-$lingua.wav"
    echo "== the scene da_ricordare spoken in '$lingua' to $wav"
    "$bin/narrator_scene_wav" --lingua "$lingua" da_ricordare "$wav" | tail -n 1
    if command -v sox > /dev/null; then
        sox --i "$wav"
        sox "$wav" -n stats 2>&1 | grep -E 'Pk lev dB|RMS lev dB|Length s'
    fi
done
