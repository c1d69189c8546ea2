#!/usr/bin/env bash
# Builds a configured build folder. Says nothing when it is up to date; on a terminal, shows
# Ninja's one status line; elsewhere (CI, a pipe), only what the compiler says and one closing
# line.   scripts/build.sh FOLDER [JOBS]
set -euo pipefail
build=$1
jobs=${2:-$(nproc)}

if ninja -C "$build" -n 2>/dev/null | grep -q '^ninja: no work to do'; then
    exit 0
fi
if [ -t 1 ]; then
    cmake --build "$build" -j "$jobs"
else
    start=$SECONDS
    cmake --build "$build" -j "$jobs" -- --quiet
    echo "build: $build built in $((SECONDS - start)) s"
fi
