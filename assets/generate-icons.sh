#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Quorvel - renders the program's icon, drawn by hand in icons/quorvel.svg, at the sizes a
# desktop's menus and task bars ask for.
#
#   assets/generate-icons.sh
#
# Writes icons/hicolor/NxN/apps/quorvel.png for N in 16 32 48 64 128 256. Needs rsvg-convert
# (Debian's librsvg2-bin). Running it again gives the same bytes.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if ! command -v rsvg-convert > /dev/null 2>&1; then
    echo "generate-icons.sh: rsvg-convert (librsvg2-bin) is required" >&2
    exit 1
fi
for size in 16 32 48 64 128 256; do
    folder="$here/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert -w "$size" -h "$size" "$here/icons/quorvel.svg" -o "$folder/quorvel.png"
done
