#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails on any C++ file of the repository that clang-format would change, and names it.
# `make format` formats them all.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 \
    | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
    echo "format: $(wc -l <<< "$unformatted") of ${#files[@]} files are not formatted (make format fixes them):"
    sed 's/^/  /' <<< "$unformatted"
    exit 1
fi
echo "format: all ${#files[@]} C++ files formatted"
