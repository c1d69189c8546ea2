#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds a configured build folder, all of it or the targets named. Says nothing when they are
# up to date; on a terminal, shows Ninja's one status line; elsewhere (CI, a pipe), only what
# the compiler says and one closing line.   scripts/build.sh FOLDER [TARGET...]
set -euo pipefail
build=$1
shift
jobs=${JOBS:-$(nproc)}

if ninja -C "$build" -n "$@" 2>/dev/null | grep -q '^ninja: no work to do'; then
    exit 0
fi
if [ -t 1 ]; then
    ninja -C "$build" -j "$jobs" "$@"
else
    start=$SECONDS
    ninja -C "$build" -j "$jobs" --quiet "$@"
    echo "build: $build built in $((SECONDS - start)) s"
fi
