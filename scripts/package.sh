#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of a configured and built folder with CPack, into BUILD/package/,
# and checks it with lintian when lintian is installed: an error or a warning fails, the
# informational tags are listed. Prints the package's path last.
#   package.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
rm -rf "$build/package"
(cd "$build" && cpack > cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/package/quorvel_*.deb)

if command -v lintian > /dev/null; then
    log="$build/lintian.log"
    if ! lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" \
        > "$log" 2>&1; then
        echo "lintian finds errors or warnings in $(basename "$deb"):"
        grep -E '^[EW]: ' "$log" || cat "$log"
        exit 1
    fi
    info=$(sed -n 's/^I: [^:]*: \([^ ]*\).*/\1/p' "$log" | sort | uniq -c \
        | awk '{printf "%s%s (%s)", (NR > 1 ? ", " : ""), $2, $1}')
    echo "lintian: no error, no warning${info:+; information: $info}"
fi
echo "$deb"
