#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a build folder's tests and reports them in a few lines: how many of each kind ran and
# ctest's summary; on a failure, also every line of the log but the passing tests'. The whole
# log stays in FOLDER/ctest.log.   scripts/run-tests.sh FOLDER TITLE [CTEST OPTIONS...]
set -uo pipefail
folder=$1
title=$2
shift 2
log="$folder/${TEST_LOG:-ctest.log}"
(cd "$folder" && ctest --output-on-failure -j "${JOBS:-$(nproc)}" "$@") > "$log" 2>&1
status=$?
if [ $status -ne 0 ]; then
    grep -v -E '^ *Start +[0-9]+:|Test +#[0-9]+: .* Passed ' "$log"
    exit $status
fi
kinds=$(sed -n -E 's/^([a-z]+) *= *[0-9.]+ sec\*proc \(([0-9]+) tests?\)$/\2 \1/p' "$log" \
    | paste -sd, - | sed 's/,/, /g')
echo "$title: ${kinds:-no labels} (log: $log)"
grep -E '^[0-9]+% tests passed' "$log"
