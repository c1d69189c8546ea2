#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzes the mechanism-file reader for $1 seconds (60 by default) over a copy of the seeds: the
# files of fuzz/corpus and the test suite's mechanism files (tests/data), used where they are.
# Prints the executions and whether anything crashed; exits non-zero on a crash, a hang or a
# leak. Crashing inputs are kept in build-fuzz/artifacts/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${FUZZ_BUILD:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" > /dev/null
cmake --build "$build" -j "$(nproc)" > /dev/null

corpus=$build/corpus
artifacts=$build/artifacts
rm -rf "$corpus" "$artifacts"
mkdir -p "$corpus" "$artifacts"
cp "$root"/fuzz/corpus/* "$root"/tests/data/mechanism_*.txt "$corpus"/

log=$build/fuzz.log
status=0
"$build/mechanism_reader_fuzz" "$corpus" \
    -dict="$root/fuzz/mechanism.dict" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" > "$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
echo "fuzzing: ${seconds} s, ${executions:-unknown} executions, $(ls "$corpus" | wc -l) inputs in the corpus"

found=$(ls -A "$artifacts")
if [ "$status" -ne 0 ] || [ -n "$found" ]; then
    echo "CRASH (exit status $status); inputs kept in $artifacts:"
    ls -1 "$artifacts"
    grep -E "^==[0-9]+==ERROR|runtime error|deadly signal|timeout" "$log" | head -n 5 || true
    echo "full log: $log"
    exit 1
fi
echo "no crash"
